// SPDX-License-Identifier: GPL-3.0-or-later
// One configuration as a document, without a window: what "modified" means after each way the image is
// replaced or put into a module, undo, the file it belongs to, and the module it was read from or stored into.
#include "configdocument.h"

#include "routecodec.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace hx7;

class TestConfigDocument : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each way the image changes, from a fresh document, and what it leaves: modified, the file, undo steps.
    void modifiedFollowsWhatTheModuleAndTheFileHold_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<bool>("hasFile");
        QTest::addColumn<int>("undoSteps");
        QTest::newRow("an edit") << "edit" << true << false << 1;
        QTest::newRow("an edit of nothing") << "no-op edit" << false << false << 0;
        QTest::newRow("a load") << "load" << false << true << 1;
        QTest::newRow("an edit, then a save") << "save" << false << true << 1;
        QTest::newRow("a read over an edit") << "read" << false << false << 2;
        QTest::newRow("an edit, stored whole") << "store all" << false << false << 1;
        // Only the range that went into the module is safe there.
        QTest::newRow("an edit of a route, the options stored") << "store options" << true << false << 1;
        QTest::newRow("a load from the backups folder") << "load backup" << false << false << 1;
    }
    void modifiedFollowsWhatTheModuleAndTheFileHold()
    {
        QFETCH(QString, change);
        QFETCH(bool, modified);
        QFETCH(bool, hasFile);
        QFETCH(int, undoSteps);
        QTemporaryDir dir;
        SharedData data;
        ConfigDocument document(data);
        document.SetBackupFolder(dir.filePath(QStringLiteral("backups")));
        document.New();
        QVERIFY(!document.IsModified());

        ImageBytes other = data.ConfigImage;
        other[AddressCodeByte] = 77;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("backups")));
        for (const char *name : {"other.txt", "backups/a.txt"})
            QVERIFY(SaveConfigText(dir.filePath(QLatin1String(name)), other, nullptr));

        const auto edit = [&](int at) {
            data.ConfigImage[at] ^= 0x01;
            document.Edited(QStringLiteral("edit"));
        };
        if (change == "edit") {
            edit(AddressCodeByte);
        } else if (change == "no-op edit") {
            document.Edited(QStringLiteral("nothing"));
        } else if (change == "load") {
            QCOMPARE(document.Load(dir.filePath(QStringLiteral("other.txt"))).status, LoadOutcome::Loaded);
            QCOMPARE(int(data.ConfigImage[AddressCodeByte]), 77);
        } else if (change == "save") {
            edit(AddressCodeByte);
            QVERIFY(document.Save(dir.filePath(QStringLiteral("saved.txt")), nullptr));
        } else if (change == "read") {
            edit(AddressCodeByte);
            data.ConfigImage = other; // what the controller put there
            document.ReadFromModule();
        } else if (change == "store all" || change == "store options") {
            edit(change == "store all" ? AddressCodeByte : RouteAreaBegin);
            const int last = change == "store all" ? LastTransferAddress : RouteAreaBegin - 1;
            document.StoredToModule(data.ConfigImage, AddressCodeByte, last);
        } else if (change == "load backup") {
            QCOMPARE(document.Load(dir.filePath(QStringLiteral("backups/a.txt"))).status, LoadOutcome::Loaded);
        }
        QCOMPARE(document.IsModified(), modified);
        QCOMPARE(!document.FilePath().isEmpty(), hasFile);
        QCOMPARE(document.UndoStack().count(), undoSteps);
    }

    // Undo puts the bytes back and the routes with them; "modified" compares with the last clean image, so
    // undoing an edit made after a save leaves nothing unsaved.
    void undoRestoresBytesAndRoutes()
    {
        SharedData data;
        ConfigDocument document(data);
        document.New();
        QSignalSpy replaced(&document, &ConfigDocument::ImageReplaced);
        const ImageBytes clean = data.ConfigImage;
        data.RouteTable[0].TurnoutNumber[0] = 321;
        EncodeRoutes(data.RouteTable, data.ConfigImage.data());
        document.Edited(QStringLiteral("cesta 1"));
        QVERIFY(document.IsModified());
        document.UndoStack().undo();
        QVERIFY(data.ConfigImage == clean);
        QVERIFY(data.RouteTable[0].TurnoutNumber[0] != 321);
        QVERIFY(!document.IsModified());
        QCOMPARE(replaced.count(), 1);
        document.UndoStack().redo();
        QCOMPARE(data.RouteTable[0].TurnoutNumber[0], 321);
    }

    // A file written by someone else since it was loaded is told apart from one only this document wrote.
    void fileChangedOnDisk()
    {
        QTemporaryDir dir;
        SharedData data;
        ConfigDocument document(data);
        document.New();
        const QString path = dir.filePath(QStringLiteral("a.txt"));
        QVERIFY(document.Save(path, nullptr));
        QVERIFY(!document.FileChangedOnDisk());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        file.close();
        QVERIFY(document.FileChangedOnDisk());
        QVERIFY(QFile::remove(path));
        QVERIFY(!document.FileChangedOnDisk()); // gone: saving writes it anew, nothing to lose
    }

    // The module as a value: its name for each type the module reports, and its address code once a read
    // or a store saw it.
    void moduleIdentity_data()
    {
        QTest::addColumn<char>("type");
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("answer");
        QTest::newRow("HX7, the label's width") << 'D' << 0x13 << "HX7  V 1.3"
                                                << "HX7  V 1.3";
        QTest::newRow("HX7V 2.10") << 'V' << 0x2A << "HX7V V 2.10"
                                   << "HX7V V 2.10";
        QTest::newRow("HX7S") << 'S' << 0x14 << "HX7S V 1.4"
                              << "HX7S V 1.4";
        QTest::newRow("unknown letter") << 'Q' << 0x14 << ""
                                        << "typ Q, verze 1.4";
        QTest::newRow("a byte that does not print") << '\x07' << 0x10 << ""
                                                    << "typ 0x07, verze 1.0";
    }
    void moduleIdentity()
    {
        QFETCH(char, type);
        QFETCH(int, version);
        QFETCH(QString, name);
        QFETCH(QString, answer);
        const ModuleIdentity module(type, std::uint8_t(version), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(module.Name(), name);
        QCOMPARE(module.AnswerText(), answer);

        SharedData data;
        ConfigDocument document(data);
        document.New();
        document.SetModule(module);
        data.ConfigImage[AddressCodeByte] = 42;
        document.ReadFromModule();
        QCOMPARE(document.Module()->addressCode, std::optional<int>(42));
        ImageBytes stored = data.ConfigImage;
        stored[AddressCodeByte] = 9;
        document.StoredToModule(stored, RouteAreaBegin, LastTransferAddress); // the routes only
        QCOMPARE(document.Module()->addressCode, std::optional<int>(42));
        document.StoredToModule(stored, AddressCodeByte, RouteAreaBegin - 1);
        QCOMPARE(document.Module()->addressCode, std::optional<int>(9));
        QCOMPARE(document.Module()->port, QStringLiteral("/dev/ttyUSB0"));
    }
};

QTEST_GUILESS_MAIN(TestConfigDocument)
#include "test_configdocument.moc"
