// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's table of the 24 signal routes: one row a route, wide enough for the widest text each
// column can hold, sharing spare width among the columns; Enter, F2, Space or a double click open a route.
#pragma once

#include "commandnames.h"
#include "hx7_var1.h"

#include <QTableWidget>
#include <array>

namespace hx7 {

class RouteGrid : public QTableWidget
{
    Q_OBJECT
public:
    explicit RouteGrid(QWidget *parent);
    // The size that shows the whole grid.
    QSize WholeSize() const { return m_whole; }
    void Refresh(const RouteTable &routes);
    // The open layout's names for the tooltips beside each turnout and follow-on number; empty: none open.
    void SetNames(const CommandNames &names);
    int SelectedRoute() const; // 1..24

Q_SIGNALS:
    void OpenRequested(); // the selected route is to be edited

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ShareColumnWidth();
    void SetToolTips();
    std::array<int, 9> m_columnWidths{}; // what each column needs, before extra room is shared
    QSize m_whole;
    CommandNames m_names;
    RouteTable m_routes{}; // as last shown, for the tooltips when the names change
};

} // namespace hx7
