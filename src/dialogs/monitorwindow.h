// SPDX-License-Identifier: GPL-3.0-or-later
// "Monitor komunikace": the traffic log as it happens, in a window that stays open beside the main
// window. It only shows the log; recording runs exactly while the window is open.
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace hx7 {

class TrafficLog;

class MonitorWindow : public QWidget
{
    Q_OBJECT
public:
    // A window of its own (not modal); closing hides it and keeps it for the next opening.
    explicit MonitorWindow(TrafficLog &log, QWidget *parent = nullptr);

    bool IsPaused() const { return m_paused; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void LineAdded(const QString &text);
    void BTpauza1Click();
    void BTvymazat1Click();
    void BTulozit1Click();
    void ShowAllLines();

    TrafficLog &m_log;
    QPlainTextEdit *MEmonitor1;
    QPushButton *BTpauza1;
    bool m_paused = false;
    qint64 m_pausedAt = 0; // the log's TotalAdded() when the view froze
};

} // namespace hx7
