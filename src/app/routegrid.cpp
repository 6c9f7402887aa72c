// SPDX-License-Identifier: GPL-3.0-or-later
#include "routegrid.h"

#include "routecodec.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <numeric>

namespace hx7 {

namespace {
constexpr int ColumnWidths[9] = {25, 42, 47, 46, 47, 48, 48, 45, 132};

// Route 24 gives the widest number and signal, a long route with the highest turnout and signal command numbers
// the rest.
QStringList WidestRow()
{
    RouteRecord longest;
    longest.Position.fill(1);
    longest.TurnoutNumber.fill(1020);
    longest.SpeedCode = 255;
    longest.RepeatFlag = 1;
    QStringList widest = RouteGridRow(0, longest);
    widest.replace(0, QString::number(RouteCount));
    widest.replace(1, RouteGridRow(RouteCount - 1, longest)[1]);
    return widest;
}

// "57: Odjezd Lhota, Zhlaví sudá", or that nothing on the layout serves 57.
QString NumberLine(const CommandNames &names, int number)
{
    const QString serving = names.serving(number);
    return serving.isEmpty() ? QCoreApplication::translate("hx7", "%1: na kolejišti nic").arg(number)
                             : QStringLiteral("%1: %2").arg(number).arg(serving);
}
} // namespace

RouteGrid::RouteGrid(QWidget *parent) : QTableWidget(RouteCount, 9, parent)
{
    setObjectName(QStringLiteral("Table1"));
    setHorizontalHeaderLabels(RouteGridHeader());
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(true);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: yellow; border: 1px solid #a0a0a0; padding: 2px; }"));
    verticalHeader()->setDefaultSectionSize(std::max(19, fontMetrics().height() + 4));
    for (int r = 0; r < RouteCount; ++r)
        for (int c = 0; c < 9; ++c)
            setItem(r, c, new QTableWidgetItem);
    selectRow(0);
    connect(this, &QTableWidget::cellDoubleClicked, this, &RouteGrid::OpenRequested);
    // The header row cannot be selected; a double click on it opens the route of the selected row.
    connect(horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, &RouteGrid::OpenRequested);

    // Wide enough for the widest text each column can hold in this font and language, never narrower than the
    // classic layout.
    const QStringList widest = WidestRow();
    const QFontMetrics metrics(font());
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < 9; ++c) {
        const int text = metrics.horizontalAdvance(widest[c]) + 12;
        m_columnWidths[c] = std::max({ColumnWidths[c], text, horizontalHeader()->sectionSizeHint(c)});
        setColumnWidth(c, m_columnWidths[c]);
        width += columnWidth(c);
    }
    setMinimumWidth(width);
    // Tall enough to show all 24 routes at once.
    const int height = horizontalHeader()->sizeHint().height() + RouteCount * verticalHeader()->defaultSectionSize() +
                       2 * frameWidth();
    setMinimumHeight(std::min(height, 200));
    m_whole = {width, height};
    viewport()->installEventFilter(this);
}

void RouteGrid::Refresh(const RouteTable &routes)
{
    for (int i = 0; i < RouteCount; ++i) {
        const QStringList cells = RouteGridRow(i, routes[i]);
        for (int c = 0; c < cells.size(); ++c)
            item(i, c)->setText(cells[c]);
    }
    m_routes = routes;
    SetToolTips();
}

void RouteGrid::SetNames(const CommandNames &names)
{
    m_names = names;
    SetToolTips();
}

void RouteGrid::SetToolTips()
{
    // Columns 2..7 hold the turnouts, 8 the follow-on signal; without a layout no cell has a tooltip.
    for (int i = 0; i < RouteCount; ++i) {
        const RouteRecord &route = m_routes[i];
        for (int t = 0; t < TurnoutsPerRoute; ++t) {
            const bool named = m_names.Known() && t < SlotTurnouts(i) && route.TurnoutNumber[t] > 0;
            item(i, 2 + t)->setToolTip(named ? NumberLine(m_names, route.TurnoutNumber[t]) : QString());
        }
        const bool signal = m_names.Known() && route.SpeedCode >= 2;
        item(i, 8)->setToolTip(signal ? NumberLine(m_names, 2 * route.SpeedCode - 3) : QString());
    }
}

int RouteGrid::SelectedRoute() const
{
    int row = currentRow();
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (!rows.isEmpty()) {
        row = rows.first().row();
        for (const QModelIndex &index : rows)
            row = std::min(row, index.row());
    }
    return std::clamp(row + 1, 1, RouteCount);
}

void RouteGrid::keyPressEvent(QKeyEvent *event)
{
    // The keys that open an item in a list, as a double click does.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
    case Qt::Key_Space:
        Q_EMIT OpenRequested();
        return;
    default:
        QTableWidget::keyPressEvent(event);
    }
}

bool RouteGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == viewport() && event->type() == QEvent::Resize)
        ShareColumnWidth();
    return QTableWidget::eventFilter(watched, event);
}

void RouteGrid::ShareColumnWidth()
{
    // Room beyond what the columns need is shared among them by their width, so a wider window shows wider
    // columns instead of an empty strip; they never become narrower than their text.
    const std::array<int, 9> &base = m_columnWidths;
    const int natural = std::accumulate(base.begin(), base.end(), 0);
    const int room = viewport()->width();
    if (room <= natural)
        return;
    int given = 0;
    for (int c = 0; c < 9; ++c) {
        const int width = c == 8 ? room - given : base[c] + (room - natural) * base[c] / natural;
        setColumnWidth(c, width);
        given += width;
    }
}

} // namespace hx7
