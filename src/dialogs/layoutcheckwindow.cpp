// SPDX-License-Identifier: GPL-3.0-or-later
#include "layoutcheckwindow.h"

namespace hx7 {

LayoutCheckWindow::LayoutCheckWindow(QWidget *parent) : QDialog(parent) {}

void LayoutCheckWindow::Show(const Layout &, const std::vector<LayoutProblem> &) {}

} // namespace hx7
