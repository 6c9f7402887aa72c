// SPDX-License-Identifier: GPL-3.0-or-later
// The backup history window over a real folder of backups taken by BackupStore::Keep.
#include "backupswindow.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace hx7;

namespace {

ImageBytes Module(int decoderAddress, int mark = 0)
{
    ImageBytes image{};
    image.fill(static_cast<std::uint8_t>(mark));
    image[AddressCodeByte] = static_cast<std::uint8_t>(decoderAddress);
    return image;
}

QDateTime At(int minute)
{
    return QDateTime(QDate(2026, 12, 9), QTime(15, minute, 3, 123));
}

// Three backups, listed newest first: C (address 3), B (address 5), A (address 3).
struct Rig {
    Rig()
    {
        a = store.Keep(Module(3), ModuleIdentity{'S', 0x13}, {false, AddressCodeByte, RouteAreaBegin - 1}, At(10)).path;
        b = store.Keep(Module(5), std::nullopt, {true}, At(11)).path;
        c = store.Keep(Module(3, 1), ModuleIdentity{'D', 0x13}, {false, 192, 198}, At(12)).path;
        window.ConfirmDelete = [this](const QString &question) {
            questions << question;
            return answer;
        };
        window.ShowWarning = [this](const QString &message) { warnings << message; };
        window.OpenFolder = [this](const QString &folder) { opened << folder; };
        window.SetStore(store);
        window.show();
    }
    template <typename T> T *Find(const char *name) const { return window.findChild<T *>(QLatin1String(name)); }
    QTableWidget *Table() const { return Find<QTableWidget>("TableZalohy"); }
    void Select(int row) const { Table()->selectRow(row); }
    void Click(const char *button) const { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
    QString Row(int row) const
    {
        QStringList cells;
        for (int column = 0; column < Table()->columnCount(); ++column)
            cells << Table()->item(row, column)->text();
        return cells.join('|');
    }
    QStringList Column(int column) const
    {
        QStringList cells;
        for (int row = 0; row < Table()->rowCount(); ++row)
            cells << Row(row).split('|')[column];
        return cells;
    }

    QTemporaryDir dir;
    BackupStore store{dir.path()};
    QString a, b, c;
    bool answer = false;
    QStringList questions, warnings, opened;
    TBackupsWindow window;
};

} // namespace

class TestBackupsWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listsNewestFirst()
    {
        Rig rig;
        QStringList rows;
        for (int row = 0; row < rig.Table()->rowCount(); ++row)
            rows << rig.Row(row);
        QCOMPARE(rows, (QStringList{"2026-12-09 15:12:03|HX7 V 1.3|3|9|uložení cesty 17",
                                    "2026-12-09 15:11:03|neznámý|5|17|reset do počátečního nastavení",
                                    "2026-12-09 15:10:03|HX7S V 1.3|3|9|uložení konfigurace"}));
        QVERIFY(!rig.Find<QLabel>("LBprazdno")->isVisible());
        QVERIFY(!rig.Find<QPushButton>("BTsmazat")->isEnabled()); // nothing selected yet
    }

    void filterByAddress_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("addresses");
        QTest::newRow("all") << 0 << "Všechny moduly" << QStringList{"3", "5", "3"};
        QTest::newRow("3") << 1 << "DCC adr. 3 (adresa 9)" << QStringList{"3", "3"};
        QTest::newRow("5") << 2 << "DCC adr. 5 (adresa 17)" << QStringList{"5"};
    }
    void filterByAddress()
    {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(QStringList, addresses);
        Rig rig;
        rig.Select(1); // B, address 5
        auto *combo = rig.Find<QComboBox>("CBmodul");
        QCOMPARE(combo->count(), 3);
        combo->setCurrentIndex(index);
        QCOMPARE(combo->currentText(), text);
        QCOMPARE(rig.Column(2), addresses);
        // What followed each backup is read whole, in the column or in its tooltip.
        for (int row = 0; row < rig.Table()->rowCount(); ++row) {
            const QTableWidgetItem *followed = rig.Table()->item(row, 4);
            QCOMPARE(followed->toolTip(), followed->text());
            QVERIFY(rig.Table()->columnWidth(4) >= rig.Table()->fontMetrics().horizontalAdvance(followed->text()));
        }
        QCOMPARE(rig.window.width(), 760); // the Czech columns fit its first width: no wider than they ask
        rig.window.Refresh(); // keeps the filter while the module has backups
        QCOMPARE(combo->currentIndex(), index);
        // A backup filtered out of sight is no longer selected: nothing to act on.
        const bool selected = addresses.contains("5");
        QCOMPARE(rig.window.SelectedPath(), selected ? rig.b : QString());
        for (const char *name : {"BTnacist", "BTporovnat", "BTsmazat"})
            QVERIFY2(rig.Find<QPushButton>(name)->isEnabled() == selected, name);
    }

    void requestsNameTheSelectedFile_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<bool>("load");
        QTest::newRow("Načíst") << QByteArray("BTnacist") << true;
        QTest::newRow("Porovnat") << QByteArray("BTporovnat") << false;
        QTest::newRow("double-click") << QByteArray() << true;
    }
    void requestsNameTheSelectedFile()
    {
        QFETCH(QByteArray, button);
        QFETCH(bool, load);
        Rig rig;
        QSignalSpy loads(&rig.window, &TBackupsWindow::LoadRequested);
        QSignalSpy compares(&rig.window, &TBackupsWindow::CompareRequested);
        rig.Select(1);
        QCOMPARE(rig.window.SelectedPath(), rig.b);
        if (button.isEmpty()) {
            QTableWidget *table = rig.Table();
            const QRect cell = table->visualItemRect(table->item(1, 1));
            // The view takes a double click only on the cell its press went to.
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        } else {
            rig.Click(button.constData());
        }
        QSignalSpy &fired = load ? loads : compares;
        QCOMPARE(fired.count(), 1);
        QCOMPARE(fired.front().front().toString(), rig.b);
        QCOMPARE((load ? compares : loads).count(), 0);
    }

    void deleteOnlyOnYes_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("goneBefore");
        QTest::addColumn<int>("warnings");
        QTest::newRow("No keeps the file") << false << false << 0;
        QTest::newRow("Yes deletes it") << true << false << 0;
        QTest::newRow("gone behind the window's back") << true << true << 1;
    }
    void deleteOnlyOnYes()
    {
        QFETCH(bool, answer);
        QFETCH(bool, goneBefore);
        QFETCH(int, warnings);
        Rig rig;
        rig.answer = answer;
        rig.Select(2);
        if (goneBefore)
            QVERIFY(QFile::remove(rig.a));
        rig.Click("BTsmazat");
        QCOMPARE(rig.questions.size(), 1);
        QVERIFY2(rig.questions[0].contains("2026-12-09 15:10:03") && rig.questions[0].contains("HX7S V 1.3"),
                 qPrintable(rig.questions[0]));
        QCOMPARE(QFile::exists(rig.a), !answer);
        QCOMPARE(rig.Column(0).contains("2026-12-09 15:10:03"), !answer);
        QCOMPARE(rig.window.SelectedPath(), answer ? QString() : rig.a);
        QCOMPARE(rig.warnings.size(), warnings);
        if (warnings)
            QVERIFY(rig.warnings[0].contains(QFileInfo(rig.a).fileName()));
    }

    void enterNeverDeletes()
    {
        Rig rig;
        rig.answer = true;
        rig.Select(0);
        rig.Find<QPushButton>("BTsmazat")->setFocus();
        QTest::keyClick(rig.Find<QPushButton>("BTsmazat"), Qt::Key_Return);
        QVERIFY(rig.questions.isEmpty());
        QVERIFY(QFile::exists(rig.c));
        QVERIFY(!rig.window.isVisible()); // Zavřít took it
    }

    void refreshKeepsSelectionAndShowsNewBackups()
    {
        Rig rig;
        rig.Select(1);
        rig.store.Keep(Module(7), std::nullopt, {true}, At(20));
        rig.window.hide();
        rig.window.show(); // each opening lists the folder again
        QCOMPARE(rig.Table()->rowCount(), 4);
        QCOMPARE(rig.Column(2).front(), "7");
        QCOMPARE(rig.window.SelectedPath(), rig.b);
        QCOMPARE(rig.Find<QComboBox>("CBmodul")->count(), 4);
    }

    void emptyFolder()
    {
        Rig rig;
        const QString folder = rig.dir.filePath("not/yet");
        rig.window.SetStore(BackupStore(folder));
        auto *label = rig.Find<QLabel>("LBprazdno");
        QVERIFY(label->isVisible());
        QVERIFY2(label->text().contains(folder), qPrintable(label->text()));
        QCOMPARE(rig.Table()->rowCount(), 0);
        rig.Click("BTslozka");
        QCOMPARE(rig.opened, QStringList{folder});
        QVERIFY(QFileInfo(folder).isDir());
    }
};

QTEST_MAIN(TestBackupsWindow)
#include "test_backupswindow.moc"
