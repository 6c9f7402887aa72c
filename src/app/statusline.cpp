// SPDX-License-Identifier: GPL-3.0-or-later
#include "statusline.h"

#include "seriallink.h"
#include "settings.h"

#include <QLabel>
#include <QPainter>
#include <QStatusBar>

namespace hx7 {

namespace {
// A status bar text that does not fit is cut with "…"; the whole of it is in the tooltip.
class ElidingLabel : public QLabel
{
public:
    using QLabel::QLabel;
    QSize minimumSizeHint() const override
    {
        return {fontMetrics().horizontalAdvance(QStringLiteral("COM1") + QChar(0x2026)), 0};
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect area = contentsRect();
        painter.drawText(area, Qt::AlignVCenter | Qt::AlignLeft,
                         fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
    }
};

QLabel *Named(QLabel *label, const char *name)
{
    label->setObjectName(QLatin1String(name));
    return label;
}
} // namespace

StatusLine::StatusLine(QStatusBar &bar, const SerialLink &link)
    : QObject(&bar), m_link(link), m_port(Named(new ElidingLabel(&bar), "LBport1")),
      m_module(Named(new QLabel(&bar), "LBmodul1")), m_fast(Named(new QLabel(&bar), "LBrychly1"))
{
    bar.addWidget(m_port, 1);
    bar.addWidget(m_module);
    bar.addPermanentWidget(m_fast);
}

void StatusLine::Update(const std::optional<ModuleIdentity> &module, bool fast)
{
    const int n = m_link.ComPortNumber;
    const QString device = m_link.DeviceName(n);
    QString port =
        device.isEmpty() ? ComPortName(n) : ComPortName(n) + QStringLiteral(" (") + device + QLatin1Char(')');
    if (m_link.IsOpen()) {
        port += QStringLiteral(": ") + tr("otevřen");
    } else {
        const QString reason = SerialLink::OpenFailureReason(m_link.LastOpenFailure()).section(QLatin1Char('\n'), 0, 0);
        port += QStringLiteral(": ") + (reason.isEmpty() ? tr("zavřen") : tr("nelze otevřít – %1").arg(reason));
    }
    m_port->setText(port);
    m_port->setToolTip(port); // the whole of it, where the bar cuts it short
    m_module->setText(module ? tr("modul %1").arg(module->AnswerText()) : QString());
    m_fast->setText(fast ? tr("rychlý přenos") : tr("přenos po taktech"));
}

} // namespace hx7
