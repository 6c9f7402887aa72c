// SPDX-License-Identifier: GPL-3.0-or-later
// The address plan window. A layout of hundreds of modules refers to tens of thousands of numbers from its routes,
// so the table is a model over the plan that makes a row's texts only when the view shows the row.
#include "planwindow.h"

#include "dialogparts.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace hx7 {

namespace {
enum Column { ColNumber, ColServer, ColReference, ColumnCount };
const QColor ConflictColour(0xC0, 0x00, 0x00);
} // namespace

// One row per reference to a number, one row for a number nothing refers to; the number and what serves it stand
// on its first row.
class PlanModel : public QAbstractTableModel
{
public:
    struct Row {
        int number = 0;     // index into the plan's numbers
        int reference = -1; // index into its references; -1: none
    };

    void Reset(const Layout &layout, const AddressPlan &plan)
    {
        beginResetModel();
        m_layout = layout;
        m_plan = plan;
        m_rows.clear();
        m_servers.clear();
        for (int n = 0; n < int(m_plan.numbers.size()); ++n) {
            const PlanNumber &number = m_plan.numbers[n];
            m_servers << ServersText(number);
            m_rows.push_back({n, number.references.empty() ? -1 : 0});
            for (int r = 1; r < int(number.references.size()); ++r)
                m_rows.push_back({n, r});
        }
        endResetModel();
    }
    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : ColumnCount; }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        static const char *const heads[ColumnCount] = {QT_TRANSLATE_NOOP("hx7::PlanWindow", "Číslo"),
                                                       QT_TRANSLATE_NOOP("hx7::PlanWindow", "Obsluhuje"),
                                                       QT_TRANSLATE_NOOP("hx7::PlanWindow", "Odkazuje na něj")};
        return PlanWindow::tr(heads[section]);
    }
    QVariant data(const QModelIndex &index, int role) const override;

    const PlanNumber &Number(int row) const { return m_plan.numbers[m_rows[row].number]; }
    const PlanReference *Reference(int row) const
    {
        const int r = m_rows[row].reference;
        return r < 0 ? nullptr : &Number(row).references[r];
    }
    int Rows() const { return int(m_rows.size()); }
    const AddressPlan &Plan() const { return m_plan; }

private:
    QString ServersText(const PlanNumber &number) const
    {
        if (number.servers.empty())
            return PlanWindow::tr("na kolejišti nic");
        QStringList servers;
        for (const PlanServer &s : number.servers)
            servers << ServerText(m_layout, s);
        return servers.join(QStringLiteral(" + "));
    }
    QVariant FirstRowData(const PlanNumber &number, int column, int role) const;

    Layout m_layout;
    AddressPlan m_plan;
    std::vector<Row> m_rows;
    QStringList m_servers; // per number
};

QVariant PlanModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= Rows())
        return {};
    const int row = index.row();
    if (index.column() == ColReference) {
        const PlanReference *r = Reference(row);
        if (role == Qt::DisplayRole)
            return r ? ReferenceText(m_layout, *r) : QString();
        if (role == Qt::ToolTipRole && r)
            return PlanWindow::tr("Dvojklik otevře modul v této cestě");
        return {};
    }
    // A number's further rows carry only their reference.
    if (row > 0 && m_rows[row - 1].number == m_rows[row].number)
        return {};
    if (role == Qt::DisplayRole)
        return index.column() == ColNumber ? QVariant(Number(row).number) : QVariant(m_servers[m_rows[row].number]);
    return FirstRowData(Number(row), index.column(), role);
}

QVariant PlanModel::FirstRowData(const PlanNumber &number, int column, int role) const
{
    const bool unserved = number.servers.empty();
    switch (role) {
    case Qt::ForegroundRole:
        return number.Conflict() || unserved ? QVariant(ConflictColour) : QVariant();
    case Qt::FontRole: {
        QFont font;
        font.setBold(number.Conflict());
        font.setItalic(column == ColServer && std::any_of(number.servers.begin(), number.servers.end(),
                                                          [](const PlanServer &s) { return s.planned; }));
        return font;
    }
    case Qt::ToolTipRole:
        if (number.Conflict())
            return PlanWindow::tr("Toto číslo obsluhuje více dekodérů: na jeden povel reagují všechny");
        if (unserved)
            return PlanWindow::tr("Toto číslo na kolejišti nic neobsluhuje: cesty, které ho uvádějí, se nikdy nesplní");
        return {};
    case Qt::TextAlignmentRole:
        return column == ColNumber ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    default:
        return {};
    }
}

PlanWindow::PlanWindow(QWidget *parent) : QDialog(parent), m_model(new PlanModel)
{
    setObjectName(QStringLiteral("PlanWindow"));
    setWindowTitle(tr("Plán adres"));
    m_model->setParent(this);

    LBvolna = Named(new QLabel(this), "LBvolna");
    LBvolna->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LBsouhrn = Named(new QLabel(this), "LBsouhrn");

    TablePlan = Named(new QTableView(this), "TablePlan");
    TablePlan->setAccessibleName(windowTitle());
    TablePlan->setModel(m_model);
    TablePlan->verticalHeader()->hide();
    TablePlan->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    TablePlan->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    TablePlan->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TablePlan->setSelectionBehavior(QAbstractItemView::SelectRows);
    TablePlan->setSelectionMode(QAbstractItemView::SingleSelection);
    TablePlan->setWordWrap(false);
    QHeaderView *header = TablePlan->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(true);
    TablePlan->setColumnWidth(
        ColNumber, std::max(header->sectionSizeHint(ColNumber), fontMetrics().horizontalAdvance("2044") + 16));
    TablePlan->setColumnWidth(ColServer, 300);
    TablePlan->installEventFilter(this);

    auto *BTzavrit = Named(new QPushButton(tr("Zavřít"), this), "BTzavrit");
    BTzavrit->setAutoDefault(false);
    BTzavrit->setDefault(true);

    connect(TablePlan, &QTableView::doubleClicked, this, &PlanWindow::OpenRow);
    connect(BTzavrit, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LBvolna);
    layout->addWidget(TablePlan);
    layout->addLayout(Row({LBsouhrn, nullptr, BTzavrit}));
    resize(760, 520);
}

void PlanWindow::Show(const Layout &layout, const AddressPlan &plan)
{
    m_model->Reset(layout, plan);
    TablePlan->setCurrentIndex(m_model->index(0, ColReference)); // Enter opens the first row from the start
    const int b = plan.nextFreeAddressCode;
    if (b)
        LBvolna->setText(tr("Nejnižší volná adresa dekodéru pro nový modul: %1 (čísla povelů %2-%3)")
                             .arg(b)
                             .arg(FirstCommandNumber(b))
                             .arg(FirstCommandNumber(b) + 3));
    else
        LBvolna->setText(tr("Žádná adresa dekodéru %1..%2 není volná: každá má číslo povelu, které už něco obsluhuje")
                             .arg(FirstAddressCode)
                             .arg(LastAddressCode));
    int conflicts = 0, unserved = 0;
    for (const PlanNumber &n : plan.numbers) {
        conflicts += n.Conflict();
        unserved += n.servers.empty();
    }
    LBsouhrn->setText(tr("Čísel povelů v plánu: %1, v konfliktu: %2, bez dekodéru: %3")
                          .arg(plan.numbers.size())
                          .arg(conflicts)
                          .arg(unserved));
}

bool PlanWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Enter opens the row, as a double click does; the table would pass it on to the dialog, which closes.
    if (watched == TablePlan && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OpenRow(TablePlan->currentIndex());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PlanWindow::OpenRow(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    // The reference's module at its route; on the server column, or where nothing refers, the serving module.
    const PlanReference *reference = m_model->Reference(index.row());
    if (reference && index.column() != ColServer) {
        Q_EMIT OpenRequested(reference->id, reference->route);
        return;
    }
    for (const PlanServer &s : m_model->Number(index.row()).servers)
        if (!s.other) {
            Q_EMIT OpenRequested(s.id, 0);
            return;
        }
}

} // namespace hx7
