// SPDX-License-Identifier: GPL-3.0-or-later
// The backup history window.
#include "backupswindow.h"

#include "dialogparts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <set>

namespace hx7 {

namespace {
enum Column { ColWhen, ColModule, ColDecoder, ColAddress, ColFollowed, ColumnCount };

QString ModuleCell(const BackupEntry &entry)
{
    return entry.module.isEmpty() ? QCoreApplication::translate("hx7", "neznámý") : entry.module;
}
} // namespace

TBackupsWindow::TBackupsWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TBackupsWindow"));
    setWindowTitle(tr("Zálohy modulů"));
    setModal(false);

    OpenFolder = [](const QString &folder) { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); };
    ConfirmDelete = [this](const QString &question) {
        return QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    ShowWarning = [this](const QString &message) { QMessageBox::warning(this, windowTitle(), message); };

    CBmodul = Named(new QComboBox(this), "CBmodul");
    CBmodul->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto *LBmodul = BuddyLabel(tr("Zobrazit:"), CBmodul, this, QStringLiteral("LBmodul"));

    LBprazdno = Named(new QLabel(this), "LBprazdno");
    LBprazdno->setTextInteractionFlags(Qt::TextSelectableByMouse); // the folder path, to copy out

    TableZalohy = Named(new QTableWidget(0, ColumnCount, this), "TableZalohy");
    TableZalohy->setAccessibleName(windowTitle());
    TableZalohy->setHorizontalHeaderLabels(
        {tr("Datum a čas"), tr("Modul"), tr("DCC adr."), tr("Adresa"), tr("Následovalo")});
    TableZalohy->verticalHeader()->hide();
    TableZalohy->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableZalohy->setSelectionBehavior(QAbstractItemView::SelectRows);
    TableZalohy->setSelectionMode(QAbstractItemView::SingleSelection);
    TableZalohy->setWordWrap(false);
    TableZalohy->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TableZalohy->horizontalHeader()->setSectionResizeMode(ColFollowed, QHeaderView::Stretch);

    BTnacist = Named(new QPushButton(tr("Načíst do programu"), this), "BTnacist");
    BTnacist->setToolTip(tr("Načte zálohu do programu jako soubor dat; do modulu se nic neposílá"));
    BTporovnat = Named(new QPushButton(tr("Porovnat s programem"), this), "BTporovnat");
    auto *BTslozka = Named(new QPushButton(tr("Otevřít složku"), this), "BTslozka");
    BTsmazat = Named(new QPushButton(tr("Smazat"), this), "BTsmazat");
    auto *BTzavrit = Named(new QPushButton(tr("Zavřít"), this), "BTzavrit");
    // Enter closes the window and never deletes: no button takes Enter because it has the focus.
    for (QPushButton *button : {BTnacist, BTporovnat, BTslozka, BTsmazat, BTzavrit})
        button->setAutoDefault(false);
    BTzavrit->setDefault(true);

    connect(CBmodul, &QComboBox::currentIndexChanged, this, &TBackupsWindow::FillTable);
    connect(TableZalohy, &QTableWidget::itemSelectionChanged, this, &TBackupsWindow::UpdateButtons);
    connect(TableZalohy, &QTableWidget::cellDoubleClicked, this, [this] {
        if (const BackupEntry *entry = Selected())
            emit LoadRequested(entry->path);
    });
    connect(BTnacist, &QPushButton::clicked, this, [this] {
        if (const BackupEntry *entry = Selected())
            emit LoadRequested(entry->path);
    });
    connect(BTporovnat, &QPushButton::clicked, this, [this] {
        if (const BackupEntry *entry = Selected())
            emit CompareRequested(entry->path);
    });
    connect(BTslozka, &QPushButton::clicked, this, &TBackupsWindow::BTslozkaClick);
    connect(BTsmazat, &QPushButton::clicked, this, &TBackupsWindow::BTsmazatClick);
    connect(BTzavrit, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(Row({LBmodul, CBmodul, nullptr}));
    layout->addWidget(LBprazdno);
    layout->addWidget(TableZalohy);
    layout->addLayout(Row({BTnacist, BTporovnat, BTsmazat, nullptr, BTslozka, BTzavrit}));
    resize(760, 380);
    Refresh();
}

void TBackupsWindow::SetStore(const BackupStore &store)
{
    m_store = store;
    Refresh();
}

void TBackupsWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Backups are taken while the window is closed (or copied in by hand): each opening lists them anew.
    if (!event->spontaneous())
        Refresh();
}

void TBackupsWindow::Refresh()
{
    m_all = m_store.List();
    LBprazdno->setText(
        tr("Zatím žádné zálohy; program je bude ukládat do složky %1").arg(QDir::toNativeSeparators(m_store.folder())));
    LBprazdno->setVisible(m_all.empty());
    CBmodul->setEnabled(!m_all.empty());
    FillFilter();
    FillTable();
}

void TBackupsWindow::FillFilter()
{
    const QVariant current = CBmodul->currentData();
    std::set<int> addresses;
    for (const BackupEntry &entry : m_all)
        addresses.insert(entry.decoderAddress);

    const QSignalBlocker blocker(CBmodul); // one table fill after, not one per item
    CBmodul->clear();
    CBmodul->addItem(tr("Všechny moduly"));
    for (int address : addresses)
        CBmodul->addItem(tr("DCC adr. %1 (adresa %2)").arg(address).arg(FirstCommandNumber(address)), address);
    // A module whose last backup was deleted is no longer offered; the list then shows all.
    CBmodul->setCurrentIndex(std::max(0, CBmodul->findData(current)));
}

void TBackupsWindow::FillTable()
{
    const QString selected = SelectedPath();
    const QVariant address = CBmodul->currentData();
    m_shown.clear();
    for (const BackupEntry &entry : m_all)
        if (!address.isValid() || entry.decoderAddress == address.toInt())
            m_shown.push_back(entry);

    const QSignalBlocker blocker(TableZalohy);
    TableZalohy->clearContents();
    TableZalohy->setRowCount(int(m_shown.size()));
    int selectedRow = -1;
    for (int row = 0; row < int(m_shown.size()); ++row) {
        const BackupEntry &e = m_shown[row];
        const QString cells[ColumnCount] = {BackupTimeText(e.when), ModuleCell(e), QString::number(e.decoderAddress),
                                            QString::number(FirstCommandNumber(e.decoderAddress)),
                                            OverwriteText(e.followed)};
        for (int column = 0; column < ColumnCount; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            if (column == ColDecoder || column == ColAddress)
                item->setTextAlignment(Qt::AlignCenter);
            TableZalohy->setItem(row, column, item);
        }
        TableZalohy->item(row, ColWhen)->setToolTip(QDir::toNativeSeparators(e.path));
        TableZalohy->item(row, ColFollowed)->setToolTip(cells[ColFollowed]);
        if (e.path == selected)
            selectedRow = row;
    }
    if (selectedRow >= 0)
        TableZalohy->selectRow(selectedRow);
    else
        TableZalohy->clearSelection();
    WidenForColumns();
    UpdateButtons();
}

// The window grows (never shrinks) until every column shows its text whole, as far as the screen lets it: what
// followed a backup is long in some languages.
void TBackupsWindow::WidenForColumns()
{
    const QAbstractItemView *view = TableZalohy; // its column hints are public here, protected in QTableView
    // The window's own margins and the table's frame, header and a scroll bar's room, as laid out (also before the
    // window is first shown, when the table's viewport has no size yet).
    layout()->activate();
    const QHeaderView *rows = TableZalohy->verticalHeader();
    int wanted = width() - TableZalohy->width() + 2 * TableZalohy->frameWidth() +
                 (rows->isHidden() ? 0 : rows->sizeHint().width()) +
                 style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, TableZalohy);
    for (int column = 0; column < ColumnCount; ++column)
        wanted += std::max(view->sizeHintForColumn(column), TableZalohy->horizontalHeader()->sectionSizeHint(column));
    if (const QScreen *shown = screen())
        wanted = std::min(wanted, shown->availableGeometry().width() - 32);
    if (wanted > width())
        resize(wanted, height());
}

const BackupEntry *TBackupsWindow::Selected() const
{
    const QList<QTableWidgetSelectionRange> ranges = TableZalohy->selectedRanges();
    if (ranges.isEmpty())
        return nullptr;
    const int row = ranges.front().topRow();
    return row >= 0 && row < int(m_shown.size()) ? &m_shown[row] : nullptr;
}

QString TBackupsWindow::SelectedPath() const
{
    const BackupEntry *entry = Selected();
    return entry ? entry->path : QString();
}

void TBackupsWindow::UpdateButtons()
{
    const bool any = Selected() != nullptr;
    for (QPushButton *button : {BTnacist, BTporovnat, BTsmazat})
        button->setEnabled(any);
}

void TBackupsWindow::BTslozkaClick()
{
    // The file manager cannot open a folder that is not there yet (before the first backup).
    QDir().mkpath(m_store.folder());
    OpenFolder(m_store.folder());
}

void TBackupsWindow::BTsmazatClick()
{
    const BackupEntry *entry = Selected();
    if (!entry)
        return;
    const BackupEntry chosen = *entry; // the question's event loop may refresh the rows
    if (!ConfirmDelete(tr("Smazat zálohu z %1 (modul %2)?").arg(BackupTimeText(chosen.when), ModuleCell(chosen))))
        return;
    QString reason;
    if (!m_store.Remove(chosen.path, &reason))
        ShowWarning(tr("Zálohu %1 nelze smazat: %2").arg(QDir::toNativeSeparators(chosen.path), reason));
    Refresh();
}

} // namespace hx7
