// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration sheet. Its texts are those of the dialogs, the byte map and hx7ctl show; a few headings
// are looked up in the context of the window that shows them, so that the sheet calls things as the
// program does.
#include "configsheet.h"

#include "optiontext.h"
#include "pageunits.h"
#include "signalpicture.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <set>

namespace hx7 {

namespace {

using namespace page;

const QColor Shade(0xF0, 0xF0, 0xF0);

QString NotInFile()
{
    return QCoreApplication::translate("hx7", "není v souboru");
}

bool RouteInFile(const SheetInfo &info, int i)
{
    for (int b = RouteSlotOffset(i); b < RouteSlotOffset(i + 1); ++b)
        if (!info.held.test(b))
            return false;
    return true;
}

// The command numbers the routes in the file name: their turnouts and follow-on signals.
std::set<int> RouteNumbers(const SharedData &data, const SheetInfo &info)
{
    std::set<int> numbers;
    for (int i = 0; i < RouteCount; ++i) {
        if (!RouteInFile(info, i))
            continue;
        const RouteRecord &route = data.RouteTable[i];
        for (int t = 0; t < SlotTurnouts(i); ++t)
            if (route.TurnoutNumber[t] > 0)
                numbers.insert(route.TurnoutNumber[t]);
        if (route.SpeedCode >= 2)
            numbers.insert(2 * route.SpeedCode - 3);
    }
    return numbers;
}

// Consecutive numbers that the same decoders serve (or nothing does) print as one line: "57-59: Odjezd Lhota".
struct NamedRun {
    int first = 0;
    int last = 0;
    QString serving;
};

std::vector<NamedRun> NamedRuns(const std::set<int> &numbers, const CommandNames &names)
{
    std::vector<NamedRun> runs;
    for (int number : numbers) {
        const QString serving = names.serving(number);
        if (!runs.empty() && runs.back().last + 1 == number && runs.back().serving == serving)
            runs.back().last = number;
        else
            runs.push_back({number, number, serving});
    }
    return runs;
}

class Sheet
{
public:
    Sheet(QPainter &painter, QPagedPaintDevice &device, const SharedData &data, const SheetInfo &info)
        : m_device(device), m_data(data), m_info(info), m_options(DecodeOptions(data.ConfigImage.data())),
          m_lines(OptionLines(m_options)), m_painter(painter)
    {}

    void Paint()
    {
        m_painter.save();
        const qreal scale = m_device.logicalDpiX() / 25.4 / Mm;
        m_painter.scale(scale, scale);
        m_area = QRectF(0, 0, m_device.width() / scale, m_device.height() / scale);
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.setRenderHint(QPainter::TextAntialiasing);
        PaintOptionsPage();
        Footer(1);
        m_device.newPage();
        PaintRoutesPage();
        Footer(2);
        m_painter.restore();
    }

private:
    void SetFont(qreal points, bool bold = false) { page::SetFont(m_painter, points, bold); }
    qreal LineHeight() const { return page::LineHeight(m_painter); }
    // One line of text at y in the columns left..right; returns the y below it.
    qreal Text(qreal x, qreal y, qreal width, const QString &text, const QColor &colour = Ink,
               int flags = Qt::AlignLeft)
    {
        m_painter.setPen(colour);
        m_painter.drawText(QRectF(x, y, width, LineHeight()), flags | Qt::AlignVCenter | Qt::TextSingleLine,
                           m_painter.fontMetrics().elidedText(text, Qt::ElideRight, int(width)));
        return y + LineHeight();
    }
    qreal Heading(qreal x, qreal y, qreal width, const QString &text)
    {
        SetFont(10, true);
        y = Text(x, y + 2 * Mm, width, text);
        m_painter.setPen(QPen(Rule, 0.3 * Mm));
        m_painter.drawLine(QPointF(x, y), QPointF(x + width, y));
        return y + 1 * Mm;
    }
    // "name   value" for each option line of section, the value as the file holds it; where the module
    // ignores what the file holds, the reason follows on a line of its own, across the column.
    qreal Options(qreal x, qreal y, qreal width, qreal reach, OptionSection section)
    {
        SetFont(9);
        // The values line up behind the section's longest name, as far right as its longest value lets them;
        // a value may reach that far beyond the column, into the gap between the columns.
        const auto valueOf = [&](const OptionLine &line) {
            return m_info.held.test(line.byte) ? line.detail : NotInFile();
        };
        const QFontMetricsF metrics = m_painter.fontMetrics();
        qreal names = 0, values = 0;
        for (const OptionLine &line : m_lines)
            if (line.field->section == section) {
                names = std::max(names, metrics.horizontalAdvance(line.name));
                values = std::max(values, metrics.horizontalAdvance(valueOf(line)));
            }
        // A millimetre to spare: the text is drawn with whole-pixel metrics, which may come out a little wider.
        const qreal valueX = std::max(width * 0.5, std::min(names + 3 * Mm, width + reach - values - 1 * Mm));
        for (const OptionLine &line : m_lines) {
            if (line.field->section != section)
                continue;
            const bool held = m_info.held.test(line.byte);
            Text(x, y, valueX - 1 * Mm, line.name);
            y = Text(x + valueX, y, width + reach - valueX, valueOf(line), held ? Ink : Grey);
            if (held && !line.remark.isEmpty()) {
                SetFont(8);
                y = Text(x + 3 * Mm, y, width + reach - 3 * Mm, QLatin1Char('(') + line.remark + QLatin1Char(')'));
                SetFont(9);
            }
        }
        return y;
    }

    // The title, where the configuration came from, and the address large, as it is what the module is
    // found by on the layout; returns the y below them.
    qreal PaintTitle()
    {
        const qreal w = m_area.width();
        SetFont(16, true);
        qreal y = Text(0, 0, w, QCoreApplication::translate("hx7::TFormKonfDCC", "Konfigurace modulu HX7"));
        SetFont(9);
        const QString file = QCoreApplication::translate("hx7", "Soubor");
        const QString date = QCoreApplication::translate("hx7::TBackupsWindow", "Datum a čas");
        const QString module = QCoreApplication::translate("hx7::TBackupsWindow", "Modul");
        const QString layout = QCoreApplication::translate("hx7", "Kolejiště");
        // The values begin behind the longest name in the language shown, at least where they always began.
        qreal names = 30 * Mm;
        for (const QString &name : {file, date, module, layout})
            names = std::max(names, m_painter.fontMetrics().horizontalAdvance(name) + 3 * Mm);
        const auto info = [&](const QString &name, const QString &value) {
            Text(0, y, names, name);
            y = Text(names, y, w - names, value);
        };
        if (!m_info.fileName.isEmpty())
            info(file, QFileInfo(m_info.fileName).fileName());
        if (m_info.date.isValid())
            info(date, m_info.date.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
        if (!m_info.module.isEmpty())
            info(module, m_info.module);
        if (!m_info.entry.isEmpty())
            info(layout, m_info.entry);

        y += 2 * Mm;
        SetFont(12, true);
        qreal x = 0;
        for (const OptionLine &line : m_lines) {
            if (line.field->section != OptionSection::Address)
                continue;
            const QString text =
                line.name + QStringLiteral(": ") + (m_info.held.test(line.byte) ? line.value : NotInFile());
            Text(x, y, w / 2, text);
            x += w / 2;
        }
        return y + LineHeight();
    }

    void PaintOptionsPage()
    {
        const qreal w = m_area.width();
        const qreal top = PaintTitle();
        // The outputs have the longest names and values; the right column's values are short words.
        const qreal column = (w - 10 * Mm) * 0.54;
        const qreal rightColumn = w - 10 * Mm - column;
        qreal left = Heading(0, top, column, QCoreApplication::translate("hx7", "Spínací výstupy"));
        left = Options(0, left, column, 8 * Mm, OptionSection::Outputs);
        left = Heading(0, left, column, QCoreApplication::translate("hx7", "Dvojice návěstidel"));
        left = Options(0, left, column, 8 * Mm, OptionSection::SignalPairs);

        const qreal rx = column + 10 * Mm;
        qreal right =
            Heading(rx, top, rightColumn, QCoreApplication::translate("hx7::TFormKonfDCC", "Následná rychlost"));
        right = Options(rx, right, rightColumn, 0, OptionSection::FollowOnSpeeds);
        if (m_info.hx7s) {
            right = Heading(rx, right, rightColumn, QCoreApplication::translate("hx7::TFormKonfDCC", "Vstupy HX7S"));
            right = Options(rx, right, rightColumn, 0, OptionSection::Inputs);
        }
        PaintSignals(std::max(left, right) + 2 * Mm);
    }

    // The four signals side by side, each with its aspects A..D as pictures and texts.
    void PaintSignals(qreal y)
    {
        const qreal w = m_area.width();
        y = Heading(0, y, w, QCoreApplication::translate("hx7::TFormKonfDCC", "Návěstní znaky"));
        const qreal column = w / SignalCount;
        // What is left of the page, shared by the four aspects, a picture at most 3 cm high.
        const qreal bottom = m_area.height() - 10 * Mm;
        const qreal block = std::min(33 * Mm, (bottom - y - 8 * Mm) / AspectsPerSignal);
        const qreal picture = block - 3 * Mm;
        const qreal pictureWidth = picture * 0.36;
        for (int s = 0; s < SignalCount; ++s) {
            const qreal x = s * column;
            SetFont(11, true);
            qreal by = Text(x, y, column, QCoreApplication::translate("hx7", "Návěstidlo %1").arg(SignalNames[s]));
            for (int a = 0; a < AspectsPerSignal; ++a) {
                const bool held = m_info.held.test(AspectByte(s, a));
                const int code = m_options.Aspects[s][a];
                SetFont(10, true);
                Text(x, by, 5 * Mm, QString(QLatin1Char(AspectLetterText(a))));
                PaintSignal(m_painter, QRectF(x + 5 * Mm, by, pictureWidth, picture), held ? code : -1);
                SetFont(8);
                const QRectF textRect(x + 6 * Mm + pictureWidth, by, column - 8 * Mm - pictureWidth, picture);
                m_painter.setPen(held ? Ink : Grey);
                // A known text begins with its code; an unknown code is named by its number.
                const QString text = !held ? NotInFile()
                                     : AspectLamps(code)
                                         ? AspectCodeText(code)
                                         : QString::number(code) + QStringLiteral(" ") + AspectCodeText(code);
                // The texts line their patterns up with blanks that mean nothing on paper.
                m_painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text.simplified());
                by += block;
            }
        }
    }

    void PaintRoutesPage()
    {
        const qreal w = m_area.width();
        qreal y = Heading(0, 0, w, QCoreApplication::translate("hx7::TMainForm1", "Návěstní cesty"));
        // poř., náv., six turnouts, the following aspect.
        // The following aspect takes the most: "by signal 507, repeater" in any language must not be cut short;
        // the other columns share what it leaves.
        qreal widths[9] = {10, 17, 18, 18, 18, 18, 18, 18, 45};
        qreal scale = 0;
        for (qreal v : widths)
            scale += v;
        scale = w / scale;
        SetFont(9);
        RouteRecord longest;
        longest.SpeedCode = 255; // a whole byte: signal 507, the highest number a route can name
        longest.RepeatFlag = 1;
        const qreal follow = m_painter.fontMetrics().horizontalAdvance(RouteGridRow(0, longest).value(8)) + 3 * Mm;
        if (follow > widths[8] * scale) {
            const qreal rest = (w - follow) / (w - widths[8] * scale);
            for (qreal &v : widths)
                v *= rest;
            widths[8] = follow / scale;
        }
        const auto row = [&](const QStringList &cells, bool bold, const QColor &colour, bool shaded) {
            // The header a point smaller: the English turnout heads are longer than the cells.
            SetFont(bold ? 8 : 9, bold);
            const qreal h = 7 * Mm;
            if (shaded)
                m_painter.fillRect(QRectF(0, y, w, h), Shade);
            qreal x = 0;
            for (int c = 0; c < cells.size() && c < 9; ++c) {
                const qreal cw = widths[c] * scale;
                m_painter.setPen(colour);
                m_painter.drawText(QRectF(x + 1 * Mm, y, cw - 2 * Mm, h), Qt::AlignLeft | Qt::AlignVCenter,
                                   m_painter.fontMetrics().elidedText(cells[c], Qt::ElideRight, int(cw - 2 * Mm)));
                x += cw;
            }
            m_painter.setPen(QPen(Rule, 0.2 * Mm));
            m_painter.drawLine(QPointF(0, y + h), QPointF(w, y + h));
            y += h;
        };
        row(RouteGridHeader(), true, Ink, false);
        for (int i = 0; i < RouteCount; ++i) {
            const RouteRecord &route = m_data.RouteTable[i];
            QStringList cells = RouteGridRow(i, route);
            const bool inFile = RouteInFile(m_info, i);
            if (!inFile) {
                // Number and signal stay; the turnouts are unknown, and the route is not inactive.
                cells = cells.mid(0, 2);
                cells << QStringList(TurnoutsPerRoute, QString()) << NotInFile();
            }
            row(cells, false, inFile && route.SpeedCode != 0 ? Ink : Grey, i % 2 == 1);
        }
        if (m_info.names.Known())
            PaintNumberNames(y);
    }

    // What serves each number the routes name, in two columns below the routes, as far as the page has room; the
    // rest is counted, and the layout's address chart lists them all.
    void PaintNumberNames(qreal y)
    {
        const std::vector<NamedRun> runs = NamedRuns(RouteNumbers(m_data, m_info), m_info.names);
        if (runs.empty())
            return;
        const qreal w = m_area.width();
        y = Heading(0, y + 1 * Mm, w, QCoreApplication::translate("hx7", "Co na kolejišti obsluhuje čísla v cestách"));
        SetFont(8);
        const qreal bottom = m_area.height() - 2 * LineHeight();
        const int perColumn = std::max(1, int((bottom - y) / LineHeight()));
        const int room = 2 * perColumn;
        for (int at = 0; at < int(runs.size()); ++at) {
            const qreal x = at / perColumn * w / 2;
            const qreal ly = y + at % perColumn * LineHeight();
            if (int(runs.size()) > room && at == room - 1) {
                int rest = 0;
                for (int r = at; r < int(runs.size()); ++r)
                    rest += runs[r].last - runs[r].first + 1;
                Text(x, ly, w / 2 - 2 * Mm,
                     QCoreApplication::translate("hx7", "… a dalších %1 (viz plán adres kolejiště)").arg(rest), Grey);
                break;
            }
            const NamedRun &run = runs[at];
            const QString numbers = run.first == run.last ? QString::number(run.first)
                                                          : QStringLiteral("%1-%2").arg(run.first).arg(run.last);
            Text(x, ly, w / 2 - 2 * Mm,
                 run.serving.isEmpty() ? QCoreApplication::translate("hx7", "%1: na kolejišti nic").arg(numbers)
                                       : QStringLiteral("%1: %2").arg(numbers, run.serving),
                 run.serving.isEmpty() ? QColor(0xC0, 0x00, 0x00) : Ink);
        }
    }

    void Footer(int page)
    {
        SetFont(8);
        const qreal y = m_area.height() - LineHeight();
        m_painter.setPen(QPen(Rule, 0.2 * Mm));
        m_painter.drawLine(QPointF(0, y), QPointF(m_area.width(), y));
        Text(0, y, m_area.width() * 0.7, QFileInfo(m_info.fileName).fileName(), Grey);
        Text(m_area.width() * 0.7, y, m_area.width() * 0.3,
             QCoreApplication::translate("hx7", "strana %1 z %2").arg(page).arg(ConfigSheetPages), Grey,
             Qt::AlignRight);
    }

    QPagedPaintDevice &m_device;
    const SharedData &m_data;
    const SheetInfo &m_info;
    const ModuleOptions m_options;
    const QList<OptionLine> m_lines;
    QPainter &m_painter;
    QRectF m_area;
};

} // namespace

void PaintConfigSheetPages(QPainter &painter, QPagedPaintDevice &device, const SharedData &data, const SheetInfo &info)
{
    Sheet(painter, device, data, info).Paint();
}

void PaintConfigSheet(QPagedPaintDevice &device, const SharedData &data, const SheetInfo &info)
{
    QPainter painter;
    if (!painter.begin(&device))
        return;
    PaintConfigSheetPages(painter, device, data, info);
    painter.end();
}

bool WritePdf(const QString &path, const QString &title, const std::function<void(QPagedPaintDevice &)> &paint,
              QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = WriteErrorText(path);
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                         QPageLayout::Millimeter));
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("hx7conf"));
        paint(writer);
    }
    if (!file.commit()) {
        if (error)
            *error = WriteErrorText(path);
        return false;
    }
    return true;
}

bool WriteConfigSheetPdf(const QString &path, const SharedData &data, const SheetInfo &info, QString *error)
{
    return WritePdf(
        path, QCoreApplication::translate("hx7::TFormKonfDCC", "Konfigurace modulu HX7"),
        [&](QPagedPaintDevice &device) { PaintConfigSheet(device, data, info); }, error);
}

} // namespace hx7
