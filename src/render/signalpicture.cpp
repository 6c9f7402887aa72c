// SPDX-License-Identifier: GPL-3.0-or-later
// The signal picture.
#include "signalpicture.h"

#include "hx7_var1.h"

#include <QIconEngine>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>
#include <string_view>

namespace hx7 {

namespace {

// The lamp patterns read from the Czech aspect texts when the program is compiled: the letters stand in
// their lamp's place, so a text whose bracket does not fit the head stops the build.
struct ParsedPattern {
    LampPattern lamps{};
    bool valid = false;
};

constexpr ParsedPattern ParsePattern(std::string_view text)
{
    // The letter of each lamp as the texts write it (UTF-8).
    constexpr std::string_view letters[LampCount] = {"\xC5\xBE", "z", "\xC4\x8D", "b", "\xC5\xBE"};
    ParsedPattern p;
    std::size_t at = text.find('[');
    const std::size_t end = text.find(']');
    if (at == std::string_view::npos || end == std::string_view::npos || end < at)
        return p;
    ++at;
    int lamp = 0;
    while (at < end) {
        if (lamp >= LampCount)
            return p;
        if (text[at] == '-') {
            p.lamps[lamp++] = LampState::Dark;
            ++at;
            continue;
        }
        if (text.substr(at, letters[lamp].size()) != letters[lamp])
            return p;
        at += letters[lamp].size();
        const bool flashing = at < end && text[at] == '*';
        if (flashing)
            ++at;
        p.lamps[lamp++] = flashing ? LampState::Flashing : LampState::Lit;
    }
    p.valid = lamp == LampCount;
    return p;
}

constexpr std::array<ParsedPattern, AspectCount> ParseAll()
{
    std::array<ParsedPattern, AspectCount> all{};
    for (int k = 0; k < AspectCount; ++k)
        all[k] = ParsePattern(AspectSourceTexts[k]);
    return all;
}

constexpr std::array<ParsedPattern, AspectCount> Patterns = ParseAll();

constexpr bool AllValid()
{
    for (const ParsedPattern &p : Patterns)
        if (!p.valid)
            return false;
    return true;
}
static_assert(AllValid(), "every aspect text needs five lamps in its bracket, by the letters of their places");
static_assert(Patterns[8].lamps[3] == LampState::Flashing && Patterns[8].lamps[2] == LampState::Lit);

// The head in units of the lamp pitch: lamps one pitch apart, with room at the sides for the rays.
constexpr qreal HeadWidth = 1.7;
constexpr qreal HeadHeight = 5.5;
constexpr qreal LampRadius = 0.33;

struct Geometry {
    QRectF head;
    qreal pitch;
};

Geometry Fit(const QRectF &rect)
{
    const qreal pitch = std::min(rect.width() / HeadWidth, rect.height() / HeadHeight);
    const QSizeF size(HeadWidth * pitch, HeadHeight * pitch);
    return {QRectF(rect.center() - QPointF(size.width() / 2, size.height() / 2), size), pitch};
}

const QColor Plate(0x14, 0x14, 0x14);
const QColor PlateEdge(0x80, 0x80, 0x80);
// Dark lamps: nearly the plate's black inside a grey ring, so that in grey print a lit red or green lamp,
// whose grey is not much lighter, is still told by its fill and its white rim.
const QColor DarkLamp(0x2C, 0x2C, 0x2C);
const QColor DarkLampRing(0x60, 0x60, 0x60);

} // namespace

std::optional<LampPattern> AspectLamps(int code)
{
    if (code < 0 || code >= AspectCount)
        return std::nullopt;
    return Patterns[code].lamps;
}

QColor LampColour(int lamp)
{
    static const QColor colours[LampCount] = {QColor(0xFF, 0xC4, 0x00), QColor(0x00, 0xC0, 0x40),
                                              QColor(0xE8, 0x10, 0x10), QColor(0xF8, 0xF8, 0xF8),
                                              QColor(0xFF, 0xC4, 0x00)};
    return colours[std::clamp(lamp, 0, LampCount - 1)];
}

QPointF LampCentre(const QRectF &rect, int lamp)
{
    const Geometry g = Fit(rect);
    return {g.head.center().x(), g.head.top() + (0.75 + lamp) * g.pitch};
}

void PaintSignal(QPainter &painter, const QRectF &rect, int code, bool flashOn)
{
    const Geometry g = Fit(rect);
    const qreal p = g.pitch;
    if (p <= 0)
        return;
    // One device pixel in the painter's units: thin lines stay visible down to icon size, on any screen.
    const qreal px =
        1 / (painter.device()->devicePixelRatioF() * std::max(std::abs(painter.worldTransform().m22()), 1e-6));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    // The head: a black plate with round ends, edged so that it stands out on a dark window too.
    painter.setPen(QPen(PlateEdge, std::max(0.06 * p, 0.5 * px)));
    painter.setBrush(Plate);
    painter.drawRoundedRect(g.head, 0.5 * g.head.width(), 0.5 * g.head.width());

    const std::optional<LampPattern> lamps = AspectLamps(code);
    if (!lamps) {
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(std::max(1, qRound(2.2 * p)));
        painter.setFont(font);
        painter.setPen(QColor(0xF0, 0xF0, 0xF0));
        painter.drawText(g.head, Qt::AlignCenter, QStringLiteral("?"));
        painter.restore();
        return;
    }
    for (int k = 0; k < LampCount; ++k) {
        const QPointF c = LampCentre(rect, k);
        const LampState state = (*lamps)[k];
        const bool lit = state == LampState::Lit || (state == LampState::Flashing && flashOn);
        if (state == LampState::Flashing) {
            // Eight short rays around the lamp, the sign a signal diagram gives a flashing light: drawn light
            // on the black plate, they read in black-and-white print as they do in colour, and stay in the
            // dark phase, so a blinking lamp is known as such at any moment.
            painter.setPen(QPen(LampColour(k).lighter(130), std::max(0.09 * p, 0.6 * px), Qt::SolidLine, Qt::RoundCap));
            for (int r = 0; r < 8; ++r) {
                const qreal angle = r * M_PI / 4;
                const QPointF d(qCos(angle), qSin(angle));
                painter.drawLine(c + d * 0.42 * p, c + d * 0.56 * p);
            }
        }
        // A light rim tells a lit red or green lamp from a dark one in grey print; an icon a few pixels high
        // has no room for it, and larger lamps instead.
        const bool small = p < 8 * px;
        if (small)
            painter.setPen(Qt::NoPen);
        else
            painter.setPen(lit ? QPen(Qt::white, 0.08 * p) : QPen(DarkLampRing, 0.05 * p));
        painter.setBrush(lit ? LampColour(k) : DarkLamp);
        const qreal radius = (small ? 0.42 : LampRadius) * p;
        painter.drawEllipse(c, radius, radius);
    }
    painter.restore();
}

QImage SignalImage(int code, QSize size, qreal dpr, bool flashOn)
{
    QImage image(size * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintSignal(painter, QRectF(QPointF(0, 0), QSizeF(size)), code, flashOn);
    return image;
}

namespace {

// Draws the picture at the size and scale each paint asks for, so that it is sharp on any screen.
class SignalIconEngine : public QIconEngine
{
public:
    explicit SignalIconEngine(int code) : m_code(code) {}
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.45);
        PaintSignal(*painter, rect, m_code);
        painter->restore();
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1);
    }
    // QIcon asks for size in device pixels already and sets the pixmap's ratio itself.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal) override
    {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        }
        return QPixmap::fromImage(image);
    }
    QIconEngine *clone() const override { return new SignalIconEngine(m_code); }
    QString key() const override { return QStringLiteral("hx7signal"); }

private:
    int m_code;
};

} // namespace

QIcon SignalIcon(int code)
{
    return QIcon(new SignalIconEngine(code));
}

} // namespace hx7
