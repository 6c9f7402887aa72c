// SPDX-License-Identifier: GPL-3.0-or-later
#include "planwindow.h"

namespace hx7 {

PlanWindow::PlanWindow(QWidget *parent) : QDialog(parent) {}

void PlanWindow::Show(const Layout &, const AddressPlan &) {}

} // namespace hx7
