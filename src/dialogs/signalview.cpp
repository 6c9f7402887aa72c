// SPDX-License-Identifier: GPL-3.0-or-later
// The blinking signal picture.
#include "signalview.h"

#include "signalpicture.h"

#include <QPainter>
#include <algorithm>

namespace hx7 {

SignalView::SignalView(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // About the pace of a real signal's flashing lamp.
    m_blink.setInterval(500);
    connect(&m_blink, &QTimer::timeout, this, [this] {
        m_flashOn = !m_flashOn;
        update();
    });
    SetCode(-1);
}

void SignalView::SetCode(int code)
{
    m_code = code;
    const auto lamps = AspectLamps(code);
    const bool flashes = lamps && std::find(lamps->begin(), lamps->end(), LampState::Flashing) != lamps->end();
    // A new aspect starts lit, as the module lights it.
    m_flashOn = true;
    if (flashes)
        m_blink.start();
    else
        m_blink.stop();
    update();
}

void SignalView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintSignal(painter, QRectF(rect()).adjusted(1, 1, -1, -1), m_code, m_flashOn);
}

void AddAspectIcons(QComboBox *list)
{
    for (int k = 0; k < list->count(); ++k)
        list->setItemIcon(k, SignalIcon(k));
    // The head is tall and narrow: a taller icon than the square default keeps its lamps apart.
    list->setIconSize(QSize(10, 22));
}

} // namespace hx7
