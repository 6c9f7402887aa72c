// SPDX-License-Identifier: GPL-3.0-or-later
// The layout's windows offscreen: the address plan's rows and marks, the check's lines, what a double click or
// Enter opens, and the route table's tooltips that name what serves each number.
#include "layoutcheckwindow.h"
#include "planwindow.h"
#include "routegrid.h"
#include "samplelayout.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using namespace hx7;

namespace {

const QColor Red(0xC0, 0x00, 0x00);

template <typename T> T *Find(const QWidget &window, const char *name)
{
    T *w = window.findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

struct Opened {
    QString id;
    int route = 0;
};

// The one OpenRequested the spy saw; an empty id when there was none.
Opened Signalled(QSignalSpy &spy)
{
    if (spy.count() != 1)
        return {QStringLiteral("signals: %1").arg(spy.count()), 0};
    const QList<QVariant> args = spy.takeFirst();
    return {args[0].toString(), args[1].toInt()};
}

void DoubleClick(QAbstractItemView *view, const QModelIndex &index)
{
    view->scrollTo(index);
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at); // the view takes a double click where it was pressed
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class TestLayoutWindows : public QObject
{
    Q_OBJECT
    const Layout m_layout = sample::Lhota();
    const AddressPlan m_plan = MakeAddressPlan(m_layout);

private Q_SLOTS:
    // Some of the plan's 18 rows: a number with two references takes two rows, its number and servers on the first.
    void planRows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("servers");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<bool>("red");
        QTest::newRow("turnout") << 0 << "57"
                                 << "Odjezd Lhota, Zhlaví sudá"
                                 << "Odjezd Lhota, cesta 1, výhybka 1" << false;
        QTest::newRow("its second reference") << 1 << ""
                                              << ""
                                              << "Vjezd Lhota, cesta 2, výhybka 1" << false;
        QTest::newRow("nothing refers") << 2 << "58"
                                        << "Odjezd Lhota, Zhlaví sudá"
                                        << "" << false;
        QTest::newRow("planned, follow-on signal") << 5 << "61"
                                                   << "Vjezd Lhota (plánovaný)"
                                                   << "Odjezd Lhota, cesta 1, navazující návěst" << false;
        QTest::newRow("module and other decoder") << 7 << "63"
                                                  << "Vjezd Lhota (plánovaný) + Točna"
                                                  << "" << true;
        QTest::newRow("two other decoders") << 14 << "70"
                                            << "Točna + Brána"
                                            << "" << true;
        QTest::newRow("nothing serves it") << 17 << "999"
                                           << "na kolejišti nic"
                                           << "Odjezd Lhota, cesta 1, výhybka 2" << true;
    }
    void planRows()
    {
        QFETCH(int, row);
        QFETCH(QString, number);
        QFETCH(QString, servers);
        QFETCH(QString, reference);
        QFETCH(bool, red);
        PlanWindow window;
        window.Show(m_layout, m_plan);
        const QAbstractItemModel *model = Find<QTableView>(window, "TablePlan")->model();
        QCOMPARE(model->rowCount(), 18);
        QCOMPARE(model->index(row, 0).data().toString(), number);
        QCOMPARE(model->index(row, 1).data().toString(), servers);
        QCOMPARE(model->index(row, 2).data().toString(), reference);
        for (int column : {0, 1})
            QCOMPARE(model->index(row, column).data(Qt::ForegroundRole).value<QColor>() == Red,
                     red && !number.isEmpty());
        QCOMPARE(Find<QLabel>(window, "LBvolna")->text(),
                 QStringLiteral("Nejnižší volná adresa dekodéru pro nový modul: 1 (čísla povelů 1-4)"));
    }

    // A reference opens its module at its route; the servers' column, or a row without a reference, the module
    // that serves the number; another decoder has nothing to open.
    void planOpens_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("route");
        QTest::newRow("reference") << 17 << 2 << "odjezd" << 1;
        QTest::newRow("second reference") << 1 << 2 << "vjezd" << 2;
        QTest::newRow("number with a reference") << 5 << 0 << "odjezd" << 1;
        QTest::newRow("servers of a conflict") << 7 << 1 << "vjezd" << 0;
        QTest::newRow("other decoders only") << 14 << 2 << "" << 0;
    }
    void planOpens()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, id);
        QFETCH(int, route);
        for (const bool byKey : {false, true}) {
            PlanWindow window;
            window.Show(m_layout, m_plan);
            window.show();
            QSignalSpy spy(&window, &PlanWindow::OpenRequested);
            auto *table = Find<QTableView>(window, "TablePlan");
            const QModelIndex index = table->model()->index(row, column);
            if (byKey) {
                table->setFocus();
                table->setCurrentIndex(index);
                QTest::keyClick(table, Qt::Key_Return);
                QVERIFY(window.isVisible()); // Enter on a row never closes the window
            } else {
                DoubleClick(table, index);
            }
            if (id.isEmpty()) {
                QCOMPARE(spy.count(), 0);
                continue;
            }
            const Opened opened = Signalled(spy);
            QCOMPARE(opened.id, id);
            QCOMPARE(opened.route, route);
        }
    }

    // Escape closes the window, and so does Enter on its button.
    void keysClose_data()
    {
        QTest::addColumn<bool>("plan");
        QTest::addColumn<int>("key");
        QTest::newRow("plan, Escape") << true << int(Qt::Key_Escape);
        QTest::newRow("plan, Enter on Zavřít") << true << int(Qt::Key_Return);
        QTest::newRow("check, Escape") << false << int(Qt::Key_Escape);
        QTest::newRow("check, Enter on Zavřít") << false << int(Qt::Key_Return);
    }
    void keysClose()
    {
        QFETCH(bool, plan);
        QFETCH(int, key);
        PlanWindow planWindow;
        LayoutCheckWindow checkWindow;
        QDialog &window = plan ? static_cast<QDialog &>(planWindow) : checkWindow;
        planWindow.Show(m_layout, m_plan);
        checkWindow.Show(m_layout, CheckLayout(m_layout, m_plan));
        window.show();
        // Escape where the focus is when the window opens, the table or list.
        QWidget *view = plan ? static_cast<QWidget *>(Find<QTableView>(window, "TablePlan"))
                             : Find<QListWidget>(window, "ListProblemy");
        QWidget *target = key == Qt::Key_Escape ? view : Find<QPushButton>(window, "BTzavrit");
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QVERIFY(!window.isVisible());
    }

    // One line per problem, in the check's order; each opens its first module at its route.
    void checkLines_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("id"); // empty: nothing to open
        QTest::addColumn<int>("route");
        QTest::newRow("overlap") << 0 << "Čísla povelů 63-64 obsluhuje více dekodérů: Vjezd Lhota; Točna."
                                 << "vjezd" << 0;
        QTest::newRow("overlap of other decoders") << 1 << "Číslo povelu 70 obsluhuje více dekodérů: Točna; Brána."
                                                   << "" << 0;
        QTest::newRow("route turnout") << 2
                                       << "Odjezd Lhota, cesta 1: výhybku 2 s číslem 999 na kolejišti nic neovládá."
                                       << "odjezd" << 1;
        QTest::newRow("broken file") << 3 << "Rozbitý: Neznámý format dat !rozbity.txt"
                                     << "rozbity" << 0;
    }
    void checkLines()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(QString, id);
        QFETCH(int, route);
        for (const bool byKey : {false, true}) {
            LayoutCheckWindow window;
            window.Show(m_layout, CheckLayout(m_layout, m_plan));
            window.show();
            QSignalSpy spy(&window, &LayoutCheckWindow::OpenRequested);
            auto *list = Find<QListWidget>(window, "ListProblemy");
            QCOMPARE(list->count(), 4);
            QCOMPARE(list->item(line)->text(), text);
            if (byKey) {
                list->setFocus();
                list->setCurrentRow(line);
                QTest::keyClick(list, Qt::Key_Enter);
                QVERIFY(window.isVisible());
            } else {
                DoubleClick(list, list->model()->index(line, 0));
            }
            if (id.isEmpty()) {
                QCOMPARE(spy.count(), 0);
                continue;
            }
            const Opened opened = Signalled(spy);
            QCOMPARE(opened.id, id);
            QCOMPARE(opened.route, route);
        }
    }

    // Nothing found: the list says so on a line that opens nothing, and Enter closes the window.
    void checkOfACleanLayout()
    {
        Layout clean;
        clean.name = QStringLiteral("Čistá");
        clean.entries.push_back(sample::Entry("a", "A", "", 1));
        LayoutCheckWindow window;
        window.Show(clean, CheckLayout(clean, MakeAddressPlan(clean)));
        window.show();
        QSignalSpy spy(&window, &LayoutCheckWindow::OpenRequested);
        auto *list = Find<QListWidget>(window, "ListProblemy");
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Kolejiště je v pořádku: kontrola nenašla žádný problém."));
        DoubleClick(list, list->model()->index(0, 0));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(spy.count(), 0);
        QVERIFY(!window.isVisible());
    }

    // The route table's cells name what serves their number once a layout gives names, and only then.
    void routeTableToolTips_data()
    {
        QTest::addColumn<bool>("layout");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("turnout") << true << 2 << "57: Odjezd Lhota, Zhlaví sudá";
        QTest::newRow("unserved turnout") << true << 3 << "999: na kolejišti nic";
        QTest::newRow("unused turnout") << true << 4 << "";
        QTest::newRow("follow-on signal") << true << 8 << "61: Vjezd Lhota (plánovaný)";
        QTest::newRow("no layout") << false << 2 << "";
        QTest::newRow("no layout, signal") << false << 8 << "";
    }
    void routeTableToolTips()
    {
        QFETCH(bool, layout);
        QFETCH(int, column);
        QFETCH(QString, toolTip);
        QWidget parent;
        RouteGrid grid(&parent);
        RouteTable routes;
        DecodeRoutes(m_layout.Find(QStringLiteral("odjezd"))->image.data(), routes);
        // Names before or after the routes: either order gives the tooltips.
        if (layout)
            grid.SetNames(NamesOf(m_layout, m_plan));
        grid.Refresh(routes);
        QCOMPARE(grid.item(0, column)->toolTip(), toolTip);
        grid.SetNames({});
        QCOMPARE(grid.item(0, column)->toolTip(), QString());
    }
};

QTEST_MAIN(TestLayoutWindows)
#include "test_layoutwindows.moc"
