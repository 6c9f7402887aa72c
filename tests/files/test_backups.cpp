// SPDX-License-Identifier: GPL-3.0-or-later
// The backup folder on real files: names that list back as they were kept, the de-dup per decoder address,
// no backup written over, foreign files left out, and failures that say so.
#include "backups.h"

#include "configtextfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPoint>
#include <QTemporaryDir>
#include <QTest>

using namespace hx7;

Q_DECLARE_METATYPE(hx7::Overwrite)

namespace {

ImageBytes Module(int decoderAddress, int mark = 0)
{
    ImageBytes image{};
    for (int i = 0; i < ImageSize; ++i)
        image[i] = static_cast<std::uint8_t>(i * 7 + mark);
    image[AddressCodeByte] = static_cast<std::uint8_t>(decoderAddress);
    return image;
}

QDateTime At(int ms, int second = 3)
{
    return QDateTime(QDate(2026, 12, 9), QTime(15, 12, second, ms));
}

const Overwrite Config{false, AddressCodeByte, RouteAreaBegin - 1};

QString Name(const QString &path)
{
    return QFileInfo(path).fileName();
}

std::optional<ModuleIdentity> Of(int type, int version)
{
    if (type == 0)
        return std::nullopt;
    return ModuleIdentity{char(type), std::uint8_t(version)};
}
const std::optional<ModuleIdentity> Hx7s13 = ModuleIdentity{'S', 0x13};

} // namespace

class TestBackups : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keptAndListedBack_data()
    {
        QTest::addColumn<int>("type"); // the version reply's letter; 0: no module answered
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("listed");
        QTest::addColumn<int>("address");
        QTest::addColumn<Overwrite>("followed");
        QTest::addColumn<QString>("entryId"); // the layout entry it was; one the name cannot carry is left out
        QTest::addColumn<QString>("listedId");
        QTest::newRow("HX7S, config") << int('S') << 0x13 << "HX7S V 1.3" << 3 << Config << ""
                                      << "";
        QTest::newRow("a layout's entry") << int('S') << 0x13 << "HX7S V 1.3" << 3 << Config << "vjezd-lhota"
                                          << "vjezd-lhota";
        QTest::newRow("an entry id made by hand") << int('S') << 0x13 << "HX7S V 1.3" << 3 << Config << "Vjezd_1"
                                                  << "";
        QTest::newRow("HX7, named without the label's blanks") << int('D') << 0x13 << "HX7 V 1.3" << 3 << Config << ""
                                                               << "";
        QTest::newRow("a type without a name, all routes")
            << int('X') << 0x13 << "" << 3 << Overwrite{false, AddressCodeByte, 248} << ""
            << "";
        QTest::newRow("no module answered") << 0 << 0 << "" << 3 << Config << ""
                                            << "";
        QTest::newRow("address 0, route 17")
            << int('V') << 0x2A << "HX7V V 2.10" << 0 << Overwrite{false, 192, 198} << ""
            << "";
        QTest::newRow("address 255, reset") << int('S') << 0x14 << "HX7S V 1.4" << 255 << Overwrite{true} << ""
                                            << "";
        QTest::newRow("a reset's range is not named") << 0 << 0 << "" << 7 << Overwrite{true, 4, 248} << ""
                                                      << "";
    }
    void keptAndListedBack()
    {
        QFETCH(int, type);
        QFETCH(int, version);
        QFETCH(QString, listed);
        QFETCH(int, address);
        QFETCH(Overwrite, followed);
        QFETCH(QString, entryId);
        QFETCH(QString, listedId);
        QTemporaryDir dir;
        const BackupStore store(dir.filePath("not/yet")); // made by the first backup
        const ImageBytes module = Module(address);
        const BackupStore::Kept kept = store.Keep(module, Of(type, version), followed, At(123), entryId);
        QVERIFY2(kept.written, qPrintable(kept.error));
        QVERIFY2(!Name(kept.path).contains(' ') && !Name(kept.path).contains(':'), qPrintable(kept.path));

        const std::vector<BackupEntry> entries = store.List();
        QCOMPARE(entries.size(), 1u);
        QCOMPARE(entries[0].path, kept.path);
        QCOMPARE(entries[0].when, At(123));
        QCOMPARE(entries[0].module, listed);
        QCOMPARE(entries[0].decoderAddress, address);
        QCOMPARE(entries[0].followed, followed.factoryReset ? Overwrite{true} : followed);
        QCOMPARE(entries[0].entryId, listedId);

        // The program's own loader opens it, with every byte a read brings in.
        ImageBytes loaded{};
        const LoadOutcome outcome = LoadConfigText(kept.path, loaded);
        QCOMPARE(outcome.status, LoadOutcome::Loaded);
        QCOMPARE(int(outcome.held.count()), SavedByteCount);
        QVERIFY(std::equal(module.begin(), module.begin() + SavedByteCount, loaded.begin()));
    }

    // Three backups in turn, the first of address 3 (x: address, y: mark of the bytes); the third is compared
    // with what the folder holds then.
    void keptOnlyWhenChanged_data()
    {
        QTest::addColumn<QPoint>("second");
        QTest::addColumn<QPoint>("third");
        QTest::addColumn<int>("files");
        QTest::newRow("unchanged module") << QPoint(3, 0) << QPoint(3, 0) << 1;
        QTest::newRow("changed module") << QPoint(3, 0) << QPoint(3, 1) << 2;
        QTest::newRow("equal to an older one, not the newest") << QPoint(3, 1) << QPoint(3, 0) << 3;
        QTest::newRow("the newest of its own address counts") << QPoint(4, 0) << QPoint(3, 0) << 2;
        QTest::newRow("another address is written") << QPoint(3, 0) << QPoint(4, 0) << 2;
    }
    void keptOnlyWhenChanged()
    {
        QFETCH(QPoint, second);
        QFETCH(QPoint, third);
        QFETCH(int, files);
        QTemporaryDir dir;
        const BackupStore store(dir.path());
        QVERIFY(store.Keep(Module(3), Hx7s13, Config, At(1)).written);
        store.Keep(Module(second.x(), second.y()), std::nullopt, Config, At(2));
        const BackupStore::Kept kept = store.Keep(Module(third.x(), third.y()), std::nullopt, Overwrite{true}, At(3));
        QCOMPARE(int(store.List().size()), files);
        QVERIFY(kept.error.isEmpty());
        // Not written: the backup that holds the bytes is named all the same.
        QCOMPARE(kept.path, store.List(third.x()).front().path);
    }

    // No backup is written over; any backup of the same millisecond lists (and sorts by name) after the first.
    void sameMillisecondKeepsAll()
    {
        QTemporaryDir dir;
        const BackupStore store(dir.path());
        const QString a = store.Keep(Module(3, 0), Hx7s13, Config, At(5)).path;
        const QString b = store.Keep(Module(3, 1), Hx7s13, Config, At(5)).path;
        const QString c = store.Keep(Module(8, 0), std::nullopt, Overwrite{true}, At(5)).path;
        store.Keep(Module(3, 2), std::nullopt, Config, At(4, 9)); // taken later, listed by its time
        QVERIFY(Name(a) < Name(b) && Name(b) < Name(c));
        const std::vector<BackupEntry> all = store.List();
        QCOMPARE(all.size(), 4u);
        QCOMPARE(all[1].path, c);
        QCOMPARE(all[2].path, b);
        QCOMPARE(all[3].path, a);
        QCOMPARE(all[3].when, At(5));
        ImageBytes loaded{};
        QCOMPARE(LoadConfigText(a, loaded).status, LoadOutcome::Loaded);
        QCOMPARE(loaded[10], Module(3, 0)[10]);
        QCOMPARE(store.List(3).size(), 3u);
        QCOMPARE(store.List(8).front().path, c);
        QVERIFY(store.List(4).empty());
    }

    void foreignFilesLeftOut_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("notes") << "notes.txt";
        QTest::newRow("month 13") << "20261309-151203-123_a003_unknown_factory-reset.txt";
        QTest::newRow("address beyond a byte") << "20261209-151203-123_a256_unknown_factory-reset.txt";
        QTest::newRow("unknown overwrite") << "20261209-151203-123_a003_unknown_erase.txt";
        QTest::newRow("range beyond int") << "20261209-151203-123_a003_unknown_store-4-99999999999.txt";
    }
    void foreignFilesLeftOut()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const BackupStore store(dir.path());
        QVERIFY(store.List().empty());
        // Nor does a foreign file stand in for a backup, nor can the store delete it.
        QVERIFY(store.Keep(Module(3), std::nullopt, Overwrite{true}, At(123)).written);
        QVERIFY(!store.Remove(file.fileName()));
        QVERIFY(file.exists());
    }

    // Junk named as the newest backup of the same address (taken later, by its name) never stands in for
    // the module's bytes: the backup is written, and holds them.
    void junkNamedAsNewestBackup_data()
    {
        QTest::addColumn<QByteArray>("content"); // "dir": a folder of that name
        const ImageBytes module = Module(3);
        QByteArray older = ConfigTextContent(module);
        older.truncate(older.indexOf("00C0:")); // bytes 0..191 only, as older versions saved
        QByteArray changed = ConfigTextContent(module);
        changed.replace("0064:BC", "0064:00"); // byte 100 differs
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a configuration") << QByteArray("hello\r\n");
        QTest::newRow("header only") << QByteArray("N1.0\r\nD0000:00F9\r\n*\r\n");
        QTest::newRow("bytes 0..191 only, equal") << older;
        QTest::newRow("byte 100 differs") << changed;
        QTest::newRow("a folder") << QByteArray("dir");
    }
    void junkNamedAsNewestBackup()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString junk = dir.filePath("20991231-235959-999_a003_HX7S-1.3_store-4-31.txt");
        if (content == "dir") {
            QVERIFY(QDir().mkpath(junk));
        } else {
            QFile file(junk);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const BackupStore store(dir.path());
        const ImageBytes module = Module(3);
        const BackupStore::Kept kept = store.Keep(module, Hx7s13, Config, At(5));
        QVERIFY2(kept.written, qPrintable(kept.error));
        QVERIFY(kept.path != junk);
        ImageBytes loaded{};
        const LoadOutcome outcome = LoadConfigText(kept.path, loaded);
        QCOMPARE(outcome.status, LoadOutcome::Loaded);
        QVERIFY(std::equal(module.begin(), module.begin() + SavedByteCount, loaded.begin()));
    }

    void failuresSaySo()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString folder = dir.filePath("blocker/backups");
        const BackupStore::Kept kept = BackupStore(folder).Keep(Module(3), std::nullopt, Config);
        QVERIFY(kept.path.isEmpty() && !kept.written);
        QVERIFY2(kept.error.contains(folder), qPrintable(kept.error));

        const BackupStore store(dir.path());
        const QString path = store.Keep(Module(3), std::nullopt, Config).path;
        QVERIFY(store.Remove(path));
        QString reason;
        QVERIFY(!store.Remove(path, &reason));
        QVERIFY(!reason.isEmpty());
    }

    void defaultFolderFollowsXdg()
    {
        QTemporaryDir dir;
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path()));
        const QString folder = BackupStore().folder();
        qputenv("XDG_DATA_HOME", saved);
        QCOMPARE(folder, dir.path() + "/hx7conf/backups");
    }

    void overwriteText_data()
    {
        QTest::addColumn<Overwrite>("overwrite");
        QTest::addColumn<QString>("text");
        QTest::newRow("config") << Config << "uložení konfigurace";
        QTest::newRow("config and routes") << Overwrite{false, 4, 248} << "uložení konfigurace a všech cest";
        QTest::newRow("route 16") << Overwrite{false, 182, 191} << "uložení cesty 16";
        QTest::newRow("route 17, a short slot") << Overwrite{false, 192, 198} << "uložení cesty 17";
        QTest::newRow("route 24") << Overwrite{false, 241, 247} << "uložení cesty 24";
        QTest::newRow("route 16 and a byte more") << Overwrite{false, 182, 192} << "uložení bajtů 182..192";
        QTest::newRow("reset") << Overwrite{true, 4, 248} << "reset do počátečního nastavení";
    }
    void overwriteText()
    {
        QFETCH(Overwrite, overwrite);
        QFETCH(QString, text);
        QCOMPARE(OverwriteText(overwrite), text);
    }
};

QTEST_GUILESS_MAIN(TestBackups)
#include "test_backups.moc"
