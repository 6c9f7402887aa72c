// The backup folder on real files: names that list back as they were kept, the de-dup per decoder address,
// no backup written over, foreign files left out, and failures that say so.
#include "backups.h"

#include "configtextfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
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

const Overwrite ConfigStore{false, AddressCodeByte, RouteAreaBegin - 1};

} // namespace

class TestBackups : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void namesListBack_data()
    {
        QTest::addColumn<QString>("moduleText");
        QTest::addColumn<QString>("listed");
        QTest::addColumn<int>("address");
        QTest::addColumn<Overwrite>("followed");
        QTest::newRow("HX7S, config") << "HX7S V 1.3"
                                      << "HX7S V 1.3" << 3 << ConfigStore;
        QTest::newRow("HX7 with its two blanks") << "HX7  V 1.3"
                                                 << "HX7 V 1.3" << 3 << ConfigStore;
        QTest::newRow("unknown, all routes") << ""
                                             << "" << 3 << Overwrite{false, AddressCodeByte, 248};
        QTest::newRow("label not answered yet") << "??"
                                                << "" << 3 << ConfigStore;
        QTest::newRow("address 0, route 17") << "HX7V V 2.10"
                                             << "HX7V V 2.10" << 0 << Overwrite{false, 192, 198};
        QTest::newRow("address 255, factory reset") << "HX7S V 1.4"
                                                    << "HX7S V 1.4" << 255 << Overwrite{true};
        QTest::newRow("a reset's range is not named") << ""
                                                      << "" << 7 << Overwrite{true, 4, 248};
        QTest::newRow("odd byte range") << ""
                                        << "" << 9 << Overwrite{false, 0, 511};
    }
    void namesListBack()
    {
        QFETCH(QString, moduleText);
        QFETCH(QString, listed);
        QFETCH(int, address);
        QFETCH(Overwrite, followed);
        QTemporaryDir dir;
        const BackupStore store(dir.path());
        const BackupStore::Kept kept = store.Keep(Module(address), moduleText, followed, At(123));
        QVERIFY2(kept.written, qPrintable(kept.error));
        const QString name = QFileInfo(kept.path).fileName();
        QVERIFY2(!name.contains(QLatin1Char(' ')) && !name.contains(QLatin1Char(':')), qPrintable(name));

        const std::vector<BackupEntry> entries = store.List();
        QCOMPARE(entries.size(), 1u);
        QCOMPARE(entries[0].path, kept.path);
        QCOMPARE(entries[0].when, At(123));
        QCOMPARE(entries[0].module, listed);
        QCOMPARE(entries[0].decoderAddress, address);
        QCOMPARE(entries[0].followed, followed.factoryReset ? Overwrite{true} : followed);
    }

    void fileLoadsAsConfiguration()
    {
        QTemporaryDir dir;
        const ImageBytes module = Module(3, 1);
        const BackupStore::Kept kept = BackupStore(dir.path()).Keep(module, "HX7S V 1.3", ConfigStore);
        ImageBytes loaded{};
        const LoadOutcome outcome = LoadConfigText(kept.path, loaded);
        QCOMPARE(outcome.status, LoadOutcome::Loaded);
        QCOMPARE(int(outcome.held.count()), SavedByteCount);
        QVERIFY(std::equal(module.begin(), module.begin() + SavedByteCount, loaded.begin()));
    }

    // Three backups in turn; the third is compared with what the folder holds then.
    void keptOnlyWhenChanged_data()
    {
        QTest::addColumn<int>("secondAddress");
        QTest::addColumn<int>("secondMark");
        QTest::addColumn<int>("thirdAddress");
        QTest::addColumn<int>("thirdMark");
        QTest::addColumn<bool>("thirdWritten");
        QTest::addColumn<int>("files");
        QTest::newRow("unchanged module") << 3 << 0 << 3 << 0 << false << 1;
        QTest::newRow("changed module") << 3 << 0 << 3 << 1 << true << 2;
        QTest::newRow("equal to an older one, not the newest") << 3 << 1 << 3 << 0 << true << 3;
        QTest::newRow("another module, same bytes") << 4 << 0 << 4 << 0 << false << 2;
        QTest::newRow("the newest of its own address counts") << 4 << 0 << 3 << 0 << false << 2;
    }
    void keptOnlyWhenChanged()
    {
        QFETCH(int, secondAddress);
        QFETCH(int, secondMark);
        QFETCH(int, thirdAddress);
        QFETCH(int, thirdMark);
        QFETCH(bool, thirdWritten);
        QFETCH(int, files);
        QTemporaryDir dir;
        const BackupStore store(dir.path());
        const BackupStore::Kept first = store.Keep(Module(3), "HX7S V 1.3", ConfigStore, At(1));
        const BackupStore::Kept second = store.Keep(Module(secondAddress, secondMark), "", ConfigStore, At(2));
        QVERIFY(first.written);
        QCOMPARE(second.written, secondAddress != 3 || secondMark != 0);
        const BackupStore::Kept third = store.Keep(Module(thirdAddress, thirdMark), "", Overwrite{true}, At(3));
        QCOMPARE(third.written, thirdWritten);
        QVERIFY(!third.path.isEmpty());
        QVERIFY(third.error.isEmpty());
        if (!thirdWritten)
            QCOMPARE(third.path, store.List(thirdAddress).front().path);
        QCOMPARE(int(store.List().size()), files);
    }

    // The same name twice must not lose the first; and any backup of the same millisecond comes later.
    void sameMillisecondKeepsBoth()
    {
        QTemporaryDir dir;
        const BackupStore store(dir.path());
        const QString a = store.Keep(Module(3, 0), "HX7S V 1.3", ConfigStore, At(5)).path;
        const QString b = store.Keep(Module(3, 1), "HX7S V 1.3", ConfigStore, At(5)).path;
        const QString c = store.Keep(Module(8, 0), "", Overwrite{true}, At(5)).path;
        QVERIFY(!a.isEmpty() && !b.isEmpty() && !c.isEmpty());
        QCOMPARE(QSet<QString>({a, b, c}).size(), 3);
        const std::vector<BackupEntry> entries = store.List();
        QCOMPARE(entries.size(), 3u);
        QCOMPARE(entries[0].path, c);
        QCOMPARE(entries[1].path, b);
        QCOMPARE(entries[2].path, a);
        QCOMPARE(entries[0].when, At(5));
        // A file manager sorting by name shows them in the same order.
        QVERIFY(QFileInfo(a).fileName() < QFileInfo(b).fileName());
        QVERIFY(QFileInfo(b).fileName() < QFileInfo(c).fileName());
        ImageBytes loaded{};
        QCOMPARE(LoadConfigText(a, loaded).status, LoadOutcome::Loaded);
        QCOMPARE(loaded[10], Module(3, 0)[10]);
    }

    void listsNewestFirstAndFilters()
    {
        QTemporaryDir dir;
        const BackupStore store(dir.path());
        store.Keep(Module(3, 0), "", ConfigStore, At(0, 1));
        store.Keep(Module(5, 0), "", ConfigStore, At(0, 2));
        store.Keep(Module(3, 1), "", ConfigStore, At(999, 1));
        // Written out of order: the list follows the time in the names, not the order of writing.
        store.Keep(Module(3, 2), "", ConfigStore, QDateTime(QDate(2025, 1, 31), QTime(23, 59)));
        std::vector<BackupEntry> all = store.List();
        QCOMPARE(all.size(), 4u);
        for (std::size_t i = 1; i < all.size(); ++i)
            QVERIFY(all[i - 1].when > all[i].when);
        const std::vector<BackupEntry> three = store.List(3);
        QCOMPARE(three.size(), 3u);
        QCOMPARE(three[0].when, At(999, 1));
        QCOMPARE(store.List(5).size(), 1u);
        QVERIFY(store.List(4).empty());
    }

    void foreignFilesLeftOut_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("notes") << "notes.txt";
        QTest::newRow("month 13") << "20261309-151203-123_a003_unknown_factory-reset.txt";
        QTest::newRow("address beyond a byte") << "20261209-151203-123_a256_unknown_factory-reset.txt";
        QTest::newRow("other ending") << "20261209-151203-123_a003_unknown_factory-reset.txt.bak";
        QTest::newRow("unknown overwrite") << "20261209-151203-123_a003_unknown_erase.txt";
        QTest::newRow("module with a blank") << "20261209-151203-123_a003_HX7 S-1.3_factory-reset.txt";
        QTest::newRow("range beyond int") << "20261209-151203-123_a003_unknown_store-4-99999999999.txt";
    }
    void foreignFilesLeftOut()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("20261209-151203-124_a003_unknown_factory-reset.txt")));
        const BackupStore store(dir.path());
        QVERIFY(store.List().empty());
        // Nor does a foreign file stand in for a backup, nor is it written over.
        QVERIFY(store.Keep(Module(3), "", Overwrite{true}, At(123)).written);
        QCOMPARE(store.List().size(), 1u);
        QVERIFY(!store.Remove(file.fileName()));
        QVERIFY(file.exists());
    }

    void failuresSaySo()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString folder = dir.filePath(QStringLiteral("blocker/backups"));
        const BackupStore store(folder);
        const BackupStore::Kept kept = store.Keep(Module(3), "", ConfigStore);
        QVERIFY(kept.path.isEmpty());
        QVERIFY(!kept.written);
        QVERIFY2(kept.error.contains(folder), qPrintable(kept.error));
        QVERIFY(store.List().empty());

        QString reason;
        const BackupStore ok(dir.path());
        const QString path = ok.Keep(Module(3), "", ConfigStore).path;
        QVERIFY(ok.Remove(path, &reason));
        QVERIFY(!QFile::exists(path));
        QVERIFY(!ok.Remove(path, &reason));
        QVERIFY(!reason.isEmpty());
    }

    void missingFolderIsMade()
    {
        QTemporaryDir dir;
        const BackupStore store(dir.filePath(QStringLiteral("a/b/backups")));
        QVERIFY(store.List().empty());
        QVERIFY(store.Keep(Module(3), "", ConfigStore).written);
        QCOMPARE(store.List().size(), 1u);
    }

    void defaultFolderFollowsXdg()
    {
        QTemporaryDir dir;
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path()));
        const QString folder = DefaultBackupFolder();
        qputenv("XDG_DATA_HOME", saved);
        QCOMPARE(folder, dir.path() + QStringLiteral("/hx7conf/backups"));
        QCOMPARE(BackupStore().folder(), DefaultBackupFolder());
    }

    void overwriteText_data()
    {
        QTest::addColumn<Overwrite>("overwrite");
        QTest::addColumn<QString>("text");
        QTest::newRow("config") << ConfigStore << "uložení konfigurace";
        QTest::newRow("config and routes") << Overwrite{false, 4, 248} << "uložení konfigurace a všech cest";
        QTest::newRow("route 1") << Overwrite{false, 32, 41} << "uložení cesty 1";
        QTest::newRow("route 16") << Overwrite{false, 182, 191} << "uložení cesty 16";
        QTest::newRow("route 17, a short slot") << Overwrite{false, 192, 198} << "uložení cesty 17";
        QTest::newRow("route 24") << Overwrite{false, 241, 247} << "uložení cesty 24";
        QTest::newRow("route 16 and a byte more") << Overwrite{false, 182, 192} << "uložení bajtů 182..192";
        QTest::newRow("config less a byte") << Overwrite{false, 4, 30} << "uložení bajtů 4..30";
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
