// SPDX-License-Identifier: GPL-3.0-or-later
// "Plán adres": every command number in use on the layout, what serves it and what refers to it, conflicts in red,
// and the lowest free decoder address for a new module.
#pragma once

#include "layoutplan.h"

#include <QDialog>

class QLabel;
class QModelIndex;
class QTableView;

namespace hx7 {

class PlanModel;

class PlanWindow : public QDialog
{
    Q_OBJECT
public:
    explicit PlanWindow(QWidget *parent = nullptr);
    void Show(const Layout &layout, const AddressPlan &plan); // fills the table again

Q_SIGNALS:
    void OpenRequested(const QString &id, int route); // route 0: the module, no route

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void OpenRow(const QModelIndex &index);

    PlanModel *m_model;
    QTableView *TablePlan;
    QLabel *LBvolna;
    QLabel *LBsouhrn;
};

} // namespace hx7
