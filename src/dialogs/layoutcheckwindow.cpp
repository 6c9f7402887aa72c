// SPDX-License-Identifier: GPL-3.0-or-later
// The layout check window.
#include "layoutcheckwindow.h"

#include "dialogparts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace hx7 {

namespace {
constexpr int ProblemRole = Qt::UserRole; // the line's index into the problems; none on the all-clear line
}

LayoutCheckWindow::LayoutCheckWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("LayoutCheckWindow"));
    setWindowTitle(tr("Kontrola kolejiště"));

    LBsouhrn = Named(new QLabel(this), "LBsouhrn");
    ListProblemy = Named(new QListWidget(this), "ListProblemy");
    ListProblemy->setAccessibleName(windowTitle());
    ListProblemy->setUniformItemSizes(true);
    ListProblemy->setWordWrap(false);
    ListProblemy->setSpacing(2); // lines of one long sentence each read apart
    ListProblemy->installEventFilter(this);

    auto *BTzavrit = Named(new QPushButton(tr("Zavřít"), this), "BTzavrit");
    BTzavrit->setAutoDefault(false);
    BTzavrit->setDefault(true);

    connect(ListProblemy, &QListWidget::itemDoubleClicked, this, &LayoutCheckWindow::OpenItem);
    connect(BTzavrit, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LBsouhrn);
    layout->addWidget(ListProblemy);
    layout->addLayout(Row({nullptr, BTzavrit}));
    resize(720, 360);
}

void LayoutCheckWindow::Show(const Layout &layout, const std::vector<LayoutProblem> &problems)
{
    m_problems = problems;
    ListProblemy->clear();
    for (int i = 0; i < int(problems.size()); ++i) {
        auto *item = new QListWidgetItem(ProblemText(layout, problems[i]), ListProblemy);
        item->setData(ProblemRole, i);
        item->setToolTip(item->text());
    }
    if (problems.empty()) {
        // Said in the list, where the user looks for problems, and not selectable: there is nothing to open.
        auto *item = new QListWidgetItem(tr("Kolejiště je v pořádku: kontrola nenašla žádný problém."), ListProblemy);
        item->setFlags(Qt::ItemIsEnabled);
        LBsouhrn->setText(tr("Kontrola kolejiště „%1“ nenašla nic.").arg(layout.name));
    } else {
        LBsouhrn->setText(tr("Kontrola kolejiště „%1“: nalezené problémy: %2. Dvojklik otevře modul.")
                              .arg(layout.name)
                              .arg(problems.size()));
        ListProblemy->setCurrentRow(0);
    }
}

bool LayoutCheckWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Enter opens the line, as a double click does; the list would pass it on to the dialog, which closes.
    if (watched == ListProblemy && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !m_problems.empty()) {
            OpenItem(ListProblemy->currentItem());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LayoutCheckWindow::OpenItem(QListWidgetItem *item)
{
    if (!item || !item->data(ProblemRole).isValid())
        return;
    const LayoutProblem &p = m_problems[item->data(ProblemRole).toInt()];
    // Another decoder ("other:NAME") has no file to open; an overlap names the layout's modules first.
    if (p.ids.isEmpty() || p.ids.front().startsWith(QLatin1String("other:")))
        return;
    Q_EMIT OpenRequested(p.ids.front(), p.route);
}

} // namespace hx7
