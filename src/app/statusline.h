// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's status bar: the port and whether it is open, the module the program talks to, and the pace.
#pragma once

#include "moduleidentity.h"

#include <QObject>
#include <optional>

class QLabel;
class QStatusBar;

namespace hx7 {

class SerialLink;

class StatusLine : public QObject
{
    Q_OBJECT
public:
    StatusLine(QStatusBar &bar, const SerialLink &link);
    void Update(const std::optional<ModuleIdentity> &module, bool fast);

private:
    const SerialLink &m_link;
    QLabel *m_port;
    QLabel *m_module;
    QLabel *m_fast;
};

} // namespace hx7
