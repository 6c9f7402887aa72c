// SPDX-License-Identifier: GPL-3.0-or-later
// The traffic monitor window.
#include "monitorwindow.h"

#include "dialogparts.h"
#include "savefile.h"
#include "trafficlog.h"

#include <QFileDialog>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace hx7 {

MonitorWindow::MonitorWindow(TrafficLog &log, QWidget *parent) : QWidget(parent, Qt::Window), m_log(log)
{
    setObjectName(QStringLiteral("MonitorWindow"));
    setWindowTitle(tr("Monitor komunikace"));
    resize(820, 440);

    MEmonitor1 = Named(new QPlainTextEdit(this), "MEmonitor1");
    MEmonitor1->setAccessibleName(windowTitle());
    MEmonitor1->setReadOnly(true);
    MEmonitor1->setLineWrapMode(QPlainTextEdit::NoWrap);
    MEmonitor1->setMaximumBlockCount(TrafficLog::MaxLines);
    MEmonitor1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    BTpauza1 = Named(new QPushButton(tr("Pozastavit"), this), "BTpauza1");
    BTpauza1->setToolTip(tr("Zastaví výpis; záznam běží dál a po pokračování se doplní"));
    auto *BTvymazat1 = Named(new QPushButton(tr("Vymazat"), this), "BTvymazat1");
    auto *BTulozit1 = Named(new QPushButton(tr("Uložit…"), this), "BTulozit1");
    BTulozit1->setToolTip(tr("Uloží celý záznam do textového souboru"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(MEmonitor1);
    layout->addLayout(Row({BTpauza1, BTvymazat1, nullptr, BTulozit1}));

    connect(BTpauza1, &QPushButton::clicked, this, &MonitorWindow::BTpauza1Click);
    connect(BTvymazat1, &QPushButton::clicked, this, &MonitorWindow::BTvymazat1Click);
    connect(BTulozit1, &QPushButton::clicked, this, &MonitorWindow::BTulozit1Click);
    connect(&m_log, &TrafficLog::LineAdded, this, &MonitorWindow::LineAdded);
    connect(&m_log, &TrafficLog::Cleared, MEmonitor1, &QPlainTextEdit::clear);
}

void MonitorWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Restoring a minimised window is no new opening: the record goes on.
    if (event->spontaneous())
        return;
    // A window opened again starts running, with all that the log holds.
    m_paused = false;
    BTpauza1->setText(tr("Pozastavit"));
    ShowAllLines();
    m_log.Start();
}

void MonitorWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        m_log.Stop();
}

void MonitorWindow::keyPressEvent(QKeyEvent *event)
{
    // A window beside the main window, not a dialog, but Escape closes it all the same.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MonitorWindow::LineAdded(const QString &text)
{
    if (!m_paused)
        MEmonitor1->appendPlainText(text);
}

void MonitorWindow::ShowAllLines()
{
    QStringList lines;
    for (const TrafficLine &line : m_log.Lines())
        lines << line.Text();
    MEmonitor1->setPlainText(lines.join(QLatin1Char('\n')));
    MEmonitor1->moveCursor(QTextCursor::End);
}

void MonitorWindow::BTpauza1Click()
{
    m_paused = !m_paused;
    BTpauza1->setText(m_paused ? tr("Pokračovat") : tr("Pozastavit"));
    if (m_paused) {
        m_pausedAt = m_log.TotalAdded();
        return;
    }
    // The lines recorded meanwhile, as far as the log still holds them.
    const auto &lines = m_log.Lines();
    const qint64 missed = std::min<qint64>(m_log.TotalAdded() - m_pausedAt, static_cast<qint64>(lines.size()));
    for (auto it = lines.end() - missed; it != lines.end(); ++it)
        MEmonitor1->appendPlainText(it->Text());
}

void MonitorWindow::BTvymazat1Click()
{
    m_log.Clear();
}

void MonitorWindow::BTulozit1Click()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Uložit záznam komunikace"), tr("komunikace.txt"),
                                                      tr("Textové soubory (*.txt);;Všechny soubory (*)"));
    if (path.isEmpty())
        return;
    QString reason;
    if (!SaveWhole(path, m_log.AsText(), &reason))
        QMessageBox::warning(this, tr("Varování"), TrafficLog::SaveErrorText(path, reason));
}

} // namespace hx7
