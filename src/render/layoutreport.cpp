// SPDX-License-Identifier: GPL-3.0-or-later
// The layout report. The chart is laid out first (each row as tall as its references need) and painted page by
// page after, so every page can say how many there are; the sheets follow, painted by the sheet's own code.
#include "layoutreport.h"

#include "configsheet.h"
#include "pageunits.h"
#include "routecodec.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QPainter>

namespace hx7 {

namespace {

using namespace page;

const QColor ConflictInk(0xC0, 0x00, 0x00);
const QColor ConflictShade(0xFF, 0xE4, 0xE4);

enum Column { ColNumbers, ColServers, ColReferences, ColMark, ColumnCount };
constexpr qreal ColumnShares[ColumnCount] = {12, 60, 84, 24};

// A row of the chart: one number, or a run of numbers with the same decoders that nothing refers to.
struct ChartRow {
    enum Mark { Fine, Conflict, Unserved };
    QString cells[ColumnCount];
    Mark mark = Fine;
    bool note = false; // a line across the table, in its first cell
    qreal height = 0;
};

// A number named by hundreds of routes would make a row taller than a page: the list stops and says how many more.
constexpr int MostInCell = 12;
QString ListText(const QStringList &items, const QString &separator)
{
    if (items.size() <= MostInCell)
        return items.join(separator);
    return items.mid(0, MostInCell).join(separator) + separator +
           QCoreApplication::translate("hx7", "… a dalších %1").arg(items.size() - MostInCell);
}

// "1, 4-9, 12": ascending numbers with their runs joined.
QString RunsText(const std::vector<int> &numbers)
{
    QStringList runs;
    for (size_t i = 0; i < numbers.size(); ++i) {
        size_t j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1)
            ++j;
        runs << RangeText(numbers[i], numbers[j]);
        i = j;
    }
    return runs.join(QStringLiteral(", "));
}

// "Odjezd Lhota: výhybka v cestách 1, 4; navazující návěst v cestách 2" - one part per module, in the plan's order:
// a number that many routes name stays a few lines on paper.
QStringList ReferencesText(const Layout &layout, const std::vector<PlanReference> &references)
{
    QStringList ids;
    for (const PlanReference &r : references)
        if (!ids.contains(r.id))
            ids << r.id;
    QStringList parts;
    for (const QString &id : ids) {
        std::vector<int> turnouts, followOns; // routes, ascending as the plan lists them
        for (const PlanReference &r : references) {
            std::vector<int> &routes = r.turnout ? turnouts : followOns;
            if (r.id == id && (routes.empty() || routes.back() != r.route))
                routes.push_back(r.route);
        }
        const LayoutEntry *entry = layout.Find(id);
        const QString name = entry && !entry->name.isEmpty() ? entry->name : id;
        QStringList said;
        if (!turnouts.empty())
            said << QCoreApplication::translate("hx7", "výhybka v cestách %1").arg(RunsText(turnouts));
        if (!followOns.empty())
            said << QCoreApplication::translate("hx7", "navazující návěst v cestách %1").arg(RunsText(followOns));
        parts << QStringLiteral("%1: %2").arg(name, said.join(QStringLiteral("; ")));
    }
    return parts;
}

ChartRow RowOf(const Layout &layout, const PlanNumber &n, int last)
{
    ChartRow row;
    row.cells[ColNumbers] = RangeText(n.number, last);
    QStringList servers;
    for (const PlanServer &s : n.servers)
        servers << ServerText(layout, s);
    row.cells[ColServers] = servers.isEmpty() ? QCoreApplication::translate("hx7::PlanWindow", "na kolejišti nic")
                                              : ListText(servers, QStringLiteral(" + "));
    row.cells[ColReferences] = ListText(ReferencesText(layout, n.references), QStringLiteral(" \u00B7 "));
    row.mark = n.Conflict() ? ChartRow::Conflict : n.servers.empty() ? ChartRow::Unserved : ChartRow::Fine;
    row.cells[ColMark] = row.mark == ChartRow::Conflict   ? QCoreApplication::translate("hx7", "konflikt")
                         : row.mark == ChartRow::Unserved ? QCoreApplication::translate("hx7", "bez dekodéru")
                                                          : QString();
    return row;
}

std::vector<ChartRow> ChartRows(const Layout &layout, const AddressPlan &plan)
{
    std::vector<ChartRow> rows;
    const auto &numbers = plan.numbers;
    for (size_t i = 0; i < numbers.size(); ++i) {
        // A module's four numbers make one row while nothing refers to them.
        size_t j = i;
        while (numbers[i].references.empty() && j + 1 < numbers.size() && numbers[j + 1].references.empty() &&
               numbers[j + 1].number == numbers[j].number + 1 && numbers[j + 1].servers == numbers[i].servers)
            ++j;
        rows.push_back(RowOf(layout, numbers[i], numbers[j].number));
        i = j;
    }
    // A module without a sheet is said, not left out in silence.
    QStringList unusable;
    for (const LayoutEntry &e : layout.entries)
        if (!e.Usable())
            unusable << (e.name.isEmpty() ? e.id : e.name);
    ChartRow note;
    note.note = true;
    if (numbers.empty())
        note.cells[0] = QCoreApplication::translate("hx7", "Na kolejišti zatím nic neobsluhuje žádné číslo povelu.");
    if (!unusable.isEmpty())
        note.cells[0] += QCoreApplication::translate("hx7", " Bez listu konfigurace (soubor chybí nebo je vadný): %1.")
                             .arg(unusable.join(QStringLiteral(", ")));
    if (!note.cells[0].isEmpty()) {
        note.cells[0] = note.cells[0].trimmed();
        rows.push_back(note);
    }
    return rows;
}

class Chart
{
public:
    Chart(QPainter &painter, QPagedPaintDevice &device, const Layout &layout, const AddressPlan &plan)
        : m_painter(painter), m_device(device), m_layout(layout), m_plan(plan)
    {}

    void Paint()
    {
        m_painter.save();
        const qreal scale = m_device.logicalDpiX() / 25.4 / Mm;
        m_painter.scale(scale, scale);
        m_area = QRectF(0, 0, m_device.width() / scale, m_device.height() / scale);
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.setRenderHint(QPainter::TextAntialiasing);
        m_rows = ChartRows(m_layout, m_plan);
        const std::vector<size_t> pages = Pages();
        for (size_t p = 0; p < pages.size(); ++p) {
            if (p > 0)
                m_device.newPage();
            qreal y = p == 0 ? Title() : 0;
            y = Row(y, Header(), true);
            const size_t end = p + 1 < pages.size() ? pages[p + 1] : m_rows.size();
            for (size_t r = pages[p]; r < end; ++r)
                y = Row(y, m_rows[r], false);
            Footer(int(p) + 1, int(pages.size()));
        }
        m_painter.restore();
    }

private:
    void SetFont(qreal points, bool bold = false) { page::SetFont(m_painter, points, bold); }
    qreal LineHeight() const { return page::LineHeight(m_painter); }
    qreal Width(int column) const
    {
        qreal all = 0;
        for (qreal share : ColumnShares)
            all += share;
        return m_area.width() * ColumnShares[column] / all;
    }
    qreal Text(qreal x, qreal y, qreal width, const QString &text, const QColor &colour = Ink)
    {
        m_painter.setPen(colour);
        if (!m_measuring)
            m_painter.drawText(QRectF(x, y, width, LineHeight()), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                               m_painter.fontMetrics().elidedText(text, Qt::ElideRight, int(width)));
        return y + LineHeight();
    }
    ChartRow Header() const
    {
        ChartRow header;
        const char *const heads[ColumnCount] = {
            QT_TRANSLATE_NOOP("hx7::PlanWindow", "Číslo"), QT_TRANSLATE_NOOP("hx7::PlanWindow", "Obsluhuje"),
            QT_TRANSLATE_NOOP("hx7::PlanWindow", "Odkazuje na něj"), QT_TRANSLATE_NOOP("hx7", "Pozn.")};
        for (int c = 0; c < ColumnCount; ++c)
            header.cells[c] = QCoreApplication::translate(c == ColMark ? "hx7" : "hx7::PlanWindow", heads[c]);
        return header;
    }
    qreal Title();
    std::vector<size_t> Pages();
    qreal Measure(const ChartRow &row);
    qreal Row(qreal y, const ChartRow &row, bool header);
    void Footer(int page, int pages);

    QPainter &m_painter;
    QPagedPaintDevice &m_device;
    const Layout &m_layout;
    const AddressPlan &m_plan;
    std::vector<ChartRow> m_rows;
    QRectF m_area;
    bool m_measuring = false; // Text() only moves down, as the layout pass needs
};

// The layout's name and the date, the next free decoder address and what the marks mean; returns the y below.
qreal Chart::Title()
{
    const qreal w = m_area.width();
    SetFont(16, true);
    qreal y = Text(0, 0, w, QCoreApplication::translate("hx7", "Plán adres kolejiště „%1“").arg(m_layout.name));
    SetFont(9);
    y = Text(0, y, w,
             QCoreApplication::translate("hx7", "Vytištěno %1")
                 .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
    const int b = m_plan.nextFreeAddressCode;
    y = Text(0, y, w,
             b ? QCoreApplication::translate("hx7::PlanWindow",
                                             "Nejnižší volná adresa dekodéru pro nový modul: %1 (čísla povelů %2-%3)")
                     .arg(b)
                     .arg(FirstCommandNumber(b))
                     .arg(FirstCommandNumber(b) + 3)
               : QCoreApplication::translate(
                     "hx7::PlanWindow",
                     "Žádná adresa dekodéru %1..%2 není volná: každá má číslo povelu, které už něco obsluhuje")
                     .arg(FirstAddressCode)
                     .arg(LastAddressCode));
    SetFont(8);
    y = Text(
        0, y, w,
        QCoreApplication::translate("hx7", "konflikt: číslo obsluhuje více dekodérů, na jeden povel reagují všechny"),
        ConflictInk);
    y = Text(0, y, w,
             QCoreApplication::translate("hx7", "bez dekodéru: číslo, které cesta uvádí, na kolejišti nic neobsluhuje"),
             ConflictInk);
    return y + 2 * Mm;
}

// Where each page's rows begin; the first page begins below the title.
std::vector<size_t> Chart::Pages()
{
    m_measuring = true;
    qreal y = Title();
    m_measuring = false;
    SetFont(8, true);
    const qreal header = LineHeight() + 1.5 * Mm;
    SetFont(8);
    const qreal bottom = m_area.height() - 2 * LineHeight();
    std::vector<size_t> starts{0};
    y += header;
    for (size_t r = 0; r < m_rows.size(); ++r) {
        m_rows[r].height = Measure(m_rows[r]);
        if (y + m_rows[r].height > bottom && r > starts.back()) {
            starts.push_back(r);
            y = header;
        }
        y += m_rows[r].height;
    }
    return starts;
}

qreal Chart::Measure(const ChartRow &row)
{
    SetFont(9);
    const QFontMetricsF metrics = m_painter.fontMetrics();
    qreal h = LineHeight();
    for (int c : {ColNumbers, ColServers, ColReferences, ColMark}) {
        const qreal width = (row.note ? m_area.width() : Width(c)) - 2 * Mm;
        if (metrics.horizontalAdvance(row.cells[c]) > width)
            h = std::max(h, metrics.boundingRect(QRectF(0, 0, width, 1e7), Qt::TextWordWrap, row.cells[c]).height());
        if (row.note)
            break;
    }
    return h + 1.5 * Mm;
}

qreal Chart::Row(qreal y, const ChartRow &row, bool header)
{
    SetFont(header ? 8 : 9, header);
    const qreal h = header ? LineHeight() + 1.5 * Mm : row.height;
    const qreal w = m_area.width();
    if (row.mark == ChartRow::Conflict)
        m_painter.fillRect(QRectF(0, y, w, h), ConflictShade);
    qreal x = 0;
    for (int c = 0; c < ColumnCount; ++c) {
        const qreal cw = row.note ? w : Width(c);
        const bool marked = row.mark != ChartRow::Fine && (c == ColServers || c == ColMark);
        m_painter.setPen(marked ? ConflictInk : Ink);
        m_painter.drawText(QRectF(x + 1 * Mm, y + 0.75 * Mm, cw - 2 * Mm, h - 1.5 * Mm),
                           Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, row.cells[c]);
        x += cw;
        if (row.note)
            break;
    }
    m_painter.setPen(QPen(Rule, 0.2 * Mm));
    m_painter.drawLine(QPointF(0, y + h), QPointF(w, y + h));
    return y + h;
}

void Chart::Footer(int page, int pages)
{
    SetFont(8);
    const qreal y = m_area.height() - LineHeight();
    m_painter.setPen(QPen(Rule, 0.2 * Mm));
    m_painter.drawLine(QPointF(0, y), QPointF(m_area.width(), y));
    Text(0, y, m_area.width() * 0.6, m_layout.name, Grey);
    m_painter.drawText(QRectF(m_area.width() * 0.6, y, m_area.width() * 0.4, LineHeight()),
                       Qt::AlignRight | Qt::AlignVCenter,
                       QCoreApplication::translate("hx7", "plán adres, strana %1 z %2").arg(page).arg(pages));
}

SharedData SheetData(const LayoutEntry &entry)
{
    SharedData data;
    data.ConfigImage = entry.image;
    DecodeRoutes(data.ConfigImage.data(), data.RouteTable);
    return data;
}

void PaintReport(QPainter &painter, QPagedPaintDevice &device, const Layout &layout, const AddressPlan &plan)
{
    Chart(painter, device, layout, plan).Paint();
    SheetInfo info;
    info.names = NamesOf(layout, plan);
    for (const LayoutEntry &e : layout.entries) {
        if (!e.Usable())
            continue;
        info.fileName = layout.ConfigPath(e.id);
        info.date = e.stamp;
        info.hx7s = e.expectedType == 'S';
        info.held = e.held;
        info.entry = QStringLiteral("%1: %2").arg(layout.name, ServerText(layout, {e.id, false, e.planned}));
        device.newPage();
        PaintConfigSheetPages(painter, device, SheetData(e), info);
    }
}

} // namespace

void PaintLayoutReport(QPagedPaintDevice &device, const Layout &layout, const AddressPlan &plan)
{
    QPainter painter;
    if (!painter.begin(&device))
        return;
    PaintReport(painter, device, layout, plan);
    painter.end();
}

bool WriteLayoutReportPdf(const QString &path, const Layout &layout, const AddressPlan &plan, QString *error)
{
    return WritePdf(
        path, QCoreApplication::translate("hx7", "Plán adres kolejiště „%1“").arg(layout.name),
        [&](QPagedPaintDevice &device) { PaintLayoutReport(device, layout, plan); }, error);
}

} // namespace hx7
