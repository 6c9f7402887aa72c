// SPDX-License-Identifier: GPL-3.0-or-later
// "Kontrola kolejiště": one line per problem the layout check found; a double click opens the module at the route.
#pragma once

#include "layoutplan.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace hx7 {

class LayoutCheckWindow : public QDialog
{
    Q_OBJECT
public:
    explicit LayoutCheckWindow(QWidget *parent = nullptr);
    void Show(const Layout &layout, const std::vector<LayoutProblem> &problems); // fills the list again

Q_SIGNALS:
    void OpenRequested(const QString &id, int route); // route 0: the module, no route

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void OpenItem(QListWidgetItem *item);

    std::vector<LayoutProblem> m_problems;
    QListWidget *ListProblemy;
    QLabel *LBsouhrn;
};

} // namespace hx7
