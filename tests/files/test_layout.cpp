// SPDX-License-Identifier: GPL-3.0-or-later
// A layout's folder: ids made from names, a round trip through its files, a broken module file that spoils only
// its own entry, and texts the files cannot hold.
#include "layout.h"
#include "layoutstate.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace hx7;

namespace {
ImageBytes Module(int addressCode)
{
    ImageBytes image{};
    InitConfigImage(image);
    image[AddressCodeByte] = std::uint8_t(addressCode);
    return image;
}
} // namespace

class TestLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void entryIds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("id");
        QTest::newRow("words") << "Vjezd Lhota" << QStringList() << "vjezd-lhota";
        QTest::newRow("taken twice") << "Vjezd Lhota" << QStringList{"vjezd-lhota", "vjezd-lhota-2"} << "vjezd-lhota-3";
        QTest::newRow("accents and signs") << "Zhlaví sudá – č. 2!" << QStringList() << "zhlavi-suda-c-2";
        QTest::newRow("nothing to keep") << "–!?" << QStringList() << "modul";
    }
    void entryIds()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, taken);
        QFETCH(QString, id);
        QCOMPARE(MakeEntryId(name, taken), id);
    }

    void roundTripThroughItsFiles()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("lhota"));
        QString error;
        QVERIFY2(CreateLayout(folder, QStringLiteral("Stanice Lhota"), &error), qPrintable(error));
        QVERIFY(!CreateLayout(folder, QStringLiteral("again"), &error)); // one layout a folder
        std::optional<Layout> layout = OpenLayout(folder, &error);
        QVERIFY2(layout, qPrintable(error));
        layout->groups << QStringLiteral("Zhlaví");
        layout->others.push_back({41, 48, QStringLiteral("Točna")});
        QVERIFY2(SaveLayoutFile(*layout, &error), qPrintable(error));
        LayoutEntry vjezd;
        vjezd.id = QStringLiteral("vjezd-lhota");
        vjezd.name = QStringLiteral("Vjezd Lhota");
        vjezd.place = QStringLiteral("pod deskou 3");
        vjezd.comment = QStringLiteral("nový kabel, 2026");
        vjezd.expectedType = 'S';
        vjezd.image = Module(5);
        LayoutEntry odjezd;
        odjezd.id = QStringLiteral("odjezd");
        odjezd.name = QStringLiteral("Odjezd");
        odjezd.planned = true;
        odjezd.image = Module(6);
        for (const LayoutEntry &e : {vjezd, odjezd})
            QVERIFY2(SaveEntry(*layout, e, true, &error), qPrintable(error));

        const std::optional<Layout> again = OpenLayout(folder, &error);
        QVERIFY2(again, qPrintable(error));
        QCOMPARE(again->name, QStringLiteral("Stanice Lhota"));
        QCOMPARE(again->groups, QStringList{QStringLiteral("Zhlaví")});
        QVERIFY(again->others == layout->others);
        QCOMPARE(again->entries.size(), std::size_t(2));
        QCOMPARE(again->entries[0].id, QStringLiteral("odjezd")); // by id
        const LayoutEntry *read = again->Find(QStringLiteral("vjezd-lhota"));
        QVERIFY(read);
        for (const auto &[got, want] : {std::pair{read->name, vjezd.name}, std::pair{read->place, vjezd.place},
                                        std::pair{read->comment, vjezd.comment}})
            QCOMPARE(got, want);
        QCOMPARE(read->expectedType, 'S');
        QVERIFY(!read->planned && again->Find(QStringLiteral("odjezd"))->planned);
        QCOMPARE(read->state, LayoutEntry::Ok);
        QCOMPARE(int(read->image[AddressCodeByte]), 5);
        // Its configuration is a plain configuration file: the program's loader opens it as it stands.
        ImageBytes loaded{};
        QCOMPARE(LoadConfigText(again->ConfigPath(read->id), loaded).status, LoadOutcome::Loaded);
    }

    // A missing or broken module file marks that entry; the rest of the layout opens.
    void brokenModuleFileSpoilsOnlyItsEntry_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: the file is gone
        QTest::addColumn<int>("state");
        QTest::newRow("missing") << QByteArray() << int(LayoutEntry::MissingFile);
        QTest::newRow("not a configuration") << QByteArray("rubbish\r\n") << int(LayoutEntry::BadFile);
    }
    void brokenModuleFileSpoilsOnlyItsEntry()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, state);
        QTemporaryDir dir;
        QString error;
        QVERIFY(CreateLayout(dir.path(), QStringLiteral("L"), &error));
        Layout layout = *OpenLayout(dir.path(), &error);
        for (const char *id : {"a", "b"}) {
            LayoutEntry e;
            e.id = QLatin1String(id);
            e.name = e.id;
            e.image = Module(3);
            QVERIFY(SaveEntry(layout, e, true, &error));
        }
        QFile file(layout.ConfigPath(QStringLiteral("a")));
        if (content.isEmpty()) {
            QVERIFY(file.remove());
        } else {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
            file.close();
        }
        const std::optional<Layout> opened = OpenLayout(dir.path(), &error);
        QVERIFY(opened);
        QCOMPARE(int(opened->Find(QStringLiteral("a"))->state), state);
        QVERIFY(!opened->Find(QStringLiteral("a"))->problem.isEmpty());
        QCOMPARE(opened->Find(QStringLiteral("b"))->state, LayoutEntry::Ok);
    }

    // What the files cannot hold is refused, and nothing is written.
    void unfitTextsAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("comment");
        QTest::newRow("a TAB in the name") << "Vjezd\tLhota"
                                           << "";
        QTest::newRow("a comma in the name") << "Vjezd, Lhota"
                                             << "";
        QTest::newRow("a line feed in the comment") << "Vjezd"
                                                    << "one\ntwo";
    }
    void unfitTextsAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, comment);
        QTemporaryDir dir;
        QString error;
        QVERIFY(CreateLayout(dir.path(), QStringLiteral("L"), &error));
        Layout layout = *OpenLayout(dir.path(), &error);
        LayoutEntry e;
        e.id = QStringLiteral("x");
        e.name = name;
        e.comment = comment;
        QVERIFY(!SaveEntry(layout, e, true, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(layout.entries.empty());
        QVERIFY(!QFile::exists(layout.ConfigPath(e.id)));
        layout.name = name + QStringLiteral("\n");
        QVERIFY(!SaveLayoutFile(layout, &error));
    }

    // The roster's and hx7ctl's words for the last verify, with the Czech count's three forms.
    void verifyResultWords_data()
    {
        QTest::addColumn<int>("differing"); // -1: never verified
        QTest::addColumn<QString>("words");
        QTest::newRow("never") << -1 << "";
        QTest::newRow("equal") << 0 << "v souladu";
        QTest::newRow("one") << 1 << "liší se: 1 bajt";
        QTest::newRow("three") << 3 << "liší se: 3 bajty";
        QTest::newRow("five") << 5 << "liší se: 5 bajtů";
    }
    void verifyResultWords()
    {
        QFETCH(int, differing);
        QFETCH(QString, words);
        EntryRecord record;
        if (differing >= 0)
            record.differing = differing;
        QCOMPARE(VerifyResultText(record), words);
    }

    void aFolderThatIsNoLayout()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!OpenLayout(dir.path(), &error));
        QVERIFY(error.contains(QStringLiteral("layout.txt")));
    }
};

QTEST_GUILESS_MAIN(TestLayout)
#include "test_layout.moc"
