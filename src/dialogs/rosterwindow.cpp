// SPDX-License-Identifier: GPL-3.0-or-later
// The roster window and the dialog of an entry's fields.
#include "rosterwindow.h"

#include "dialogparts.h"
#include "layoutplan.h"
#include "moduleidentity.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <map>

namespace hx7 {

namespace {

// "~/kluby/zalesi": the folder as its owner thinks of it, shorter than the whole path.
QString FolderText(const QString &folder)
{
    const QString home = QDir::homePath();
    const QString path = QDir(folder).absolutePath();
    if (path.startsWith(home + QLatin1Char('/')))
        return QDir::toNativeSeparators(QStringLiteral("~") + path.mid(home.size()));
    return QDir::toNativeSeparators(path);
}

enum Column {
    ColName,
    ColPlace,
    ColGroup,
    ColType,
    ColAddress,
    ColCommands,
    ColRead,
    ColStored,
    ColVerified,
    ColBackups,
    ColPlanned,
    ColumnCount
};
constexpr int IdRole = Qt::UserRole;
constexpr int SortRole = Qt::UserRole + 1;

// Sorted by a key of its own: numbers as numbers, an empty cell after every filled one.
class RosterItem : public QTableWidgetItem
{
public:
    RosterItem(const QString &text, const QString &key) : QTableWidgetItem(text) { setData(SortRole, key); }
    bool operator<(const QTableWidgetItem &other) const override
    {
        return QString::localeAwareCompare(data(SortRole).toString(), other.data(SortRole).toString()) < 0;
    }
};

QString NumberKey(int n)
{
    return QStringLiteral("%1").arg(n, 6, 10, QLatin1Char('0'));
}

QString TextKey(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("\U0010FFFF") : text.toLower();
}

QString TimeText(const QDateTime &when)
{
    return when.isValid() ? when.toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
}

// What the module last said of itself, or else what the entry expects it to be.
QString TypeText(const LayoutEntry &entry, const EntryRecord &record)
{
    if (record.lastType)
        return ModuleIdentity(record.lastType, std::uint8_t(record.lastVersion)).AnswerText();
    if (entry.expectedType)
        return QCoreApplication::translate("hx7", "%1 (očekávaný)")
            .arg(ModuleIdentity(entry.expectedType, 0).TypeName());
    return {};
}

std::map<int, int> BackupCounts(const BackupStore *backups)
{
    std::map<int, int> counts;
    if (backups)
        for (const BackupEntry &b : backups->List())
            ++counts[b.decoderAddress];
    return counts;
}

const char *const TypeLetters = "\0DVS";

} // namespace

EntryDialog::EntryDialog(const LayoutEntry &entry, const QStringList &groups, QWidget *parent)
    : QDialog(parent), m_entry(entry)
{
    setObjectName(QStringLiteral("EntryDialog"));
    setWindowTitle(entry.id.isEmpty() ? tr("Nový modul kolejiště") : tr("Modul kolejiště %1").arg(entry.id));
    EDnazev = Named(new QLineEdit(entry.name, this), "EDnazev");
    EDmisto = Named(new QLineEdit(entry.place, this), "EDmisto");
    CBskupina = Named(new QComboBox(this), "CBskupina");
    CBskupina->setEditable(true);
    CBskupina->addItems(groups);
    CBskupina->setCurrentText(entry.group);
    EDpoznamka = Named(new QLineEdit(entry.comment, this), "EDpoznamka");
    CBtyp = Named(new QComboBox(this), "CBtyp");
    CBtyp->addItems({tr("neuvedeno"), QStringLiteral("HX7"), QStringLiteral("HX7V"), QStringLiteral("HX7S")});
    for (int i = 1; i < 4; ++i)
        if (entry.expectedType == TypeLetters[i])
            CBtyp->setCurrentIndex(i);
    CHplanovany =
        Named(new QCheckBox(tr("Plánovaný (modul ještě není, jeho adresy jsou rezervované)"), this), "CHplanovany");
    CHplanovany->setChecked(entry.planned);
    LBchyba = Named(new QLabel(this), "LBchyba");
    LBchyba->setStyleSheet(QStringLiteral("color: #b00000"));
    LBchyba->setWordWrap(true);
    auto *form = new QFormLayout;
    form->addRow(BuddyLabel(tr("&Název:"), EDnazev, this), EDnazev);
    form->addRow(BuddyLabel(tr("&Místo:"), EDmisto, this), EDmisto);
    form->addRow(BuddyLabel(tr("&Skupina:"), CBskupina, this), CBskupina);
    form->addRow(BuddyLabel(tr("&Poznámka:"), EDpoznamka, this), EDpoznamka);
    form->addRow(BuddyLabel(tr("Očekávaný &typ:"), CBtyp, this), CBtyp);
    form->addRow(CHplanovany);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &EntryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(LBchyba);
    layout->addWidget(buttons);
    EDnazev->setMinimumWidth(320);
    EDnazev->setFocus();
}

void EntryDialog::accept()
{
    LayoutEntry e = m_entry;
    e.name = EDnazev->text().trimmed();
    e.place = EDmisto->text().trimmed();
    e.group = CBskupina->currentText().trimmed();
    e.comment = EDpoznamka->text().trimmed();
    e.expectedType = TypeLetters[std::clamp(CBtyp->currentIndex(), 0, 3)];
    e.planned = CHplanovany->isChecked();
    QString why = e.name.isEmpty() ? tr("Zadejte název modulu.") : QString();
    for (const QString &text : {e.name, e.place, e.group})
        if (why.isEmpty())
            why = UnfitText(text);
    if (!why.isEmpty()) {
        LBchyba->setText(why); // the dialog stays, with what was typed
        return;
    }
    m_entry = e;
    QDialog::accept();
}

QString ChooseTrashedDialog(QWidget *parent, const std::vector<TrashedEntry> &trash)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("TrashDialog"));
    dialog.setWindowTitle(QCoreApplication::translate("hx7", "Koš kolejiště"));
    auto *list = Named(new QListWidget(&dialog), "ListKos");
    list->setAccessibleName(dialog.windowTitle());
    for (const TrashedEntry &t : trash) {
        auto *item = new QListWidgetItem(
            QCoreApplication::translate("hx7", "%1 (%2), odstraněno %3").arg(t.name, t.id, TimeText(t.removed)), list);
        item->setData(IdRole, t.trashName);
    }
    list->setCurrentRow(0);
    // Each removed module's line whole: names, ids and the time are long in every language.
    list->setMinimumWidth(std::min(list->sizeHintForColumn(0) + 2 * list->frameWidth() + 24, 1000));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
    QPushButton *back =
        buttons->addButton(QCoreApplication::translate("hx7", "Vrátit na kolejiště"), QDialogButtonBox::AcceptRole);
    back->setDefault(true);
    back->setEnabled(!trash.empty());
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted || !list->currentItem())
        return {};
    return list->currentItem()->data(IdRole).toString();
}

RosterWindow::RosterWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RosterWindow"));
    setWindowTitle(tr("Moduly kolejiště"));
    setModal(false);
    EditEntry = [this](LayoutEntry &entry, const QStringList &groups) {
        EntryDialog dialog(entry, groups, this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        entry = dialog.Entry();
        return true;
    };
    Confirm = [this](const QString &question) {
        return QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    ShowWarning = [this](const QString &message) { QMessageBox::warning(this, windowTitle(), message); };
    ChooseTrashed = [this](const std::vector<TrashedEntry> &trash) { return ChooseTrashedDialog(this, trash); };

    LBkolejiste = Named(new QLabel(this), "LBkolejiste");
    LBnalez = Named(new QLabel(this), "LBnalez");
    LBnalez->setWordWrap(true);
    LBnalez->hide();
    EDfiltr = Named(new QLineEdit(this), "EDfiltr");
    EDfiltr->setClearButtonEnabled(true);
    EDfiltr->setPlaceholderText(tr("název, místo, skupina, adresa…"));
    connect(EDfiltr, &QLineEdit::textChanged, this, &RosterWindow::ApplyFilter);
    auto *LBfiltr = BuddyLabel(tr("&Hledat:"), EDfiltr, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LBkolejiste);
    layout->addLayout(Row({LBfiltr, EDfiltr}));
    layout->addWidget(LBnalez);
    layout->addWidget(BuildTable(), 1);
    layout->addWidget(BuildButtons());
    resize(1100, 440);
    Refresh();
}

QTableWidget *RosterWindow::BuildTable()
{
    TableModuly = Named(new QTableWidget(0, ColumnCount, this), "TableModuly");
    TableModuly->setAccessibleName(windowTitle());
    TableModuly->setHorizontalHeaderLabels({tr("Název"), tr("Místo"), tr("Skupina"), tr("Typ a verze"), tr("DCC adr."),
                                            tr("Povely"), tr("Čteno"), tr("Uloženo"), tr("Ověřeno"), tr("Zálohy"),
                                            tr("Plánovaný")});
    TableModuly->verticalHeader()->hide();
    TableModuly->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableModuly->setSelectionBehavior(QAbstractItemView::SelectRows);
    TableModuly->setSelectionMode(QAbstractItemView::ExtendedSelection);
    TableModuly->setWordWrap(false);
    TableModuly->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TableModuly->horizontalHeader()->setStretchLastSection(true);
    TableModuly->setSortingEnabled(true);
    TableModuly->sortByColumn(ColName, Qt::AscendingOrder);
    connect(TableModuly, &QTableWidget::itemSelectionChanged, this, &RosterWindow::UpdateButtons);
    connect(TableModuly, &QTableWidget::cellDoubleClicked, this, [this] {
        if (const LayoutEntry *e = Selected())
            Q_EMIT OpenRequested(e->id);
    });
    return TableModuly;
}

QPushButton *RosterWindow::BuildAddButton(QWidget *box)
{
    auto *add = Named(new QPushButton(tr("&Přidat"), box), "BTpridat");
    add->setAutoDefault(false);
    auto *menu = new QMenu(add);
    Named(menu->addAction(tr("Z dat v &programu")), "PridatZProgramu")->setData(int(AddSource::Image));
    Named(menu->addAction(tr("Ze &souboru…")), "PridatZeSouboru")->setData(int(AddSource::File));
    Named(menu->addAction(tr("Z připojeného &modulu")), "PridatZModulu")->setData(int(AddSource::Module));
    connect(menu, &QMenu::triggered, this, [this](QAction *a) { Q_EMIT AddRequested(AddSource(a->data().toInt())); });
    add->setMenu(menu);
    return add;
}

QWidget *RosterWindow::BuildButtons()
{
    auto *box = new QWidget(this);
    const auto button = [&](const QString &text, const char *name) {
        auto *b = Named(new QPushButton(text, box), QLatin1String(name));
        b->setAutoDefault(false); // Enter closes the window, never removes an entry
        return b;
    };
    QPushButton *add = BuildAddButton(box);
    QPushButton *open = button(tr("&Otevřít"), "BTotevrit");
    QPushButton *edit = button(tr("&Upravit…"), "BTupravit");
    edit->setToolTip(tr("Přejmenovat modul, změnit jeho místo, skupinu, poznámku, očekávaný typ nebo plánovaný"));
    QPushButton *remove = button(tr("Odst&ranit…"), "BTodstranit");
    QPushButton *trash = button(tr("Ko&š…"), "BTkos");
    QPushButton *backups = button(tr("&Zálohy"), "BTzalohy");
    QPushButton *find = button(tr("&Najít připojený modul"), "BTnajit");
    QPushButton *compare = button(tr("Porovnat s &kolejištěm"), "BTporovnat");
    QPushButton *close = button(tr("Zavřít"), "BTzavrit");
    close->setDefault(true);
    compare->setToolTip(tr("Najde připojený modul na kolejišti a porovná ho s jeho souborem; výsledek se zapíše "
                           "do sloupce Ověřeno"));
    connect(open, &QPushButton::clicked, this, [this] {
        if (const LayoutEntry *e = Selected())
            Q_EMIT OpenRequested(e->id);
    });
    connect(edit, &QPushButton::clicked, this, &RosterWindow::EditClick);
    connect(remove, &QPushButton::clicked, this, &RosterWindow::RemoveClick);
    connect(trash, &QPushButton::clicked, this, &RosterWindow::TrashClick);
    connect(backups, &QPushButton::clicked, this, &RosterWindow::BackupsClick);
    connect(find, &QPushButton::clicked, this, &RosterWindow::FindRequested);
    connect(compare, &QPushButton::clicked, this, &RosterWindow::CompareRequested);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    m_entryButtons = {open, edit, remove, backups};
    m_layoutButtons = {add, trash, find, compare};
    auto *row = Row({add, open, edit, remove, trash, backups, nullptr, find, compare, close});
    row->setContentsMargins(0, 0, 0, 0);
    box->setLayout(row);
    return box;
}

void RosterWindow::BackupsClick()
{
    const LayoutEntry *e = Selected();
    if (!e)
        return;
    // The backups window would show every module's backups for a decoder address it has none of.
    if (!e->Usable() || !m_backups || m_backups->List(e->AddressCode()).empty()) {
        SetNote(tr("Modul %1 zatím nemá žádnou zálohu.").arg(e->name));
        return;
    }
    Q_EMIT BackupsRequested(e->AddressCode());
}

void RosterWindow::SetLayout(Layout *layout, const LayoutState *state, const BackupStore *backups)
{
    m_layout = layout;
    m_state = state;
    m_backups = backups;
    SetNote({});
    Refresh();
}

void RosterWindow::Refresh()
{
    const QString selected = SelectedId();
    LBkolejiste->setText(m_layout ? tr("Kolejiště %1 (%2)").arg(m_layout->name, FolderText(m_layout->folder))
                                  : tr("Žádné kolejiště není otevřené (Kolejiště → Otevřít kolejiště…)."));
    const QSignalBlocker blocker(TableModuly);
    TableModuly->setSortingEnabled(false); // rows stay where they are put while they are filled
    TableModuly->clearContents();
    TableModuly->setRowCount(m_layout ? int(m_layout->entries.size()) : 0);
    const std::map<int, int> counts = BackupCounts(m_layout ? m_backups : nullptr);
    for (int row = 0; m_layout && row < int(m_layout->entries.size()); ++row) {
        const LayoutEntry &e = m_layout->entries[row];
        FillRow(row, e);
        const auto count = counts.find(e.AddressCode());
        const int backups = e.Usable() && count != counts.end() ? count->second : 0;
        TableModuly->setItem(row, ColBackups, new RosterItem(QString::number(backups), NumberKey(backups)));
        MarkShared(row, e);
    }
    TableModuly->setSortingEnabled(true);
    SelectIds(selected.isEmpty() ? QStringList() : QStringList{selected});
    ApplyFilter();
    if (!isVisible())
        FitWidth();
}

// As wide as every column needs (the words of some languages are longer), within the screen.
void RosterWindow::FitWidth()
{
    const int table = TableModuly->horizontalHeader()->length() + 2 * TableModuly->frameWidth() +
                      TableModuly->verticalScrollBar()->sizeHint().width();
    const QMargins margins = layout()->contentsMargins();
    int wanted = std::max(table + margins.left() + margins.right(), 1100);
    if (const QScreen *shown = screen())
        wanted = std::min(wanted, shown->availableGeometry().width());
    resize(wanted, height());
}

// Two modules of one address code react to the same commands: the address says so at once, the layout check
// says what else serves those numbers.
void RosterWindow::MarkShared(int row, const LayoutEntry &e)
{
    if (!e.Usable())
        return;
    const auto shares = std::count_if(m_layout->entries.begin(), m_layout->entries.end(), [&](const LayoutEntry &o) {
        return o.Usable() && o.AddressCode() == e.AddressCode();
    });
    if (shares < 2)
        return;
    for (const int column : {ColAddress, ColCommands}) {
        QTableWidgetItem *item = TableModuly->item(row, column);
        item->setForeground(QColor(0xb0, 0, 0));
        item->setFont([&] {
            QFont bold = item->font();
            bold.setBold(true);
            return bold;
        }());
        item->setToolTip(tr("Tuto DCC adresu má na kolejišti i jiný modul: reagovaly by na stejné povely."));
    }
}

void RosterWindow::FillRow(int row, const LayoutEntry &e)
{
    const EntryRecord record = m_state ? m_state->Record(e.id) : EntryRecord();
    const int code = e.AddressCode();
    const int n = 4 * code - 3;
    const QString address = e.Usable()                            ? QString::number(code)
                            : e.state == LayoutEntry::MissingFile ? tr("chybí soubor")
                                                                  : tr("vadný soubor");
    const QString cells[ColumnCount] = {e.name,
                                        e.place,
                                        e.group,
                                        TypeText(e, record),
                                        address,
                                        e.Usable() ? RangeText(n, n + 3) : QString(),
                                        TimeText(record.read),
                                        TimeText(record.stored),
                                        LastVerifiedText(record),
                                        QString(),
                                        e.planned ? tr("ano") : QString()};
    for (int column = 0; column < ColumnCount; ++column) {
        const bool numeric = column == ColAddress || column == ColCommands;
        auto *item = new RosterItem(cells[column], numeric && e.Usable() ? NumberKey(code) : TextKey(cells[column]));
        if (numeric)
            item->setTextAlignment(Qt::AlignCenter);
        if (!e.Usable()) {
            item->setForeground(QColor(0xb0, 0, 0));
            item->setToolTip(e.problem);
        }
        TableModuly->setItem(row, column, item);
    }
    TableModuly->item(row, ColName)->setData(IdRole, e.id);
    if (e.Usable())
        TableModuly->item(row, ColName)->setToolTip(QDir::toNativeSeparators(m_layout->ConfigPath(e.id)));
    if (!e.comment.isEmpty())
        TableModuly->item(row, ColPlace)->setToolTip(e.comment);
}

void RosterWindow::ApplyFilter()
{
    const QString needle = EDfiltr->text().trimmed();
    for (int row = 0; row < TableModuly->rowCount(); ++row) {
        bool shown = needle.isEmpty();
        for (int column = 0; column < ColumnCount && !shown; ++column)
            if (const QTableWidgetItem *item = TableModuly->item(row, column))
                shown = item->text().contains(needle, Qt::CaseInsensitive);
        TableModuly->setRowHidden(row, !shown);
    }
    UpdateButtons();
}

void RosterWindow::UpdateButtons()
{
    const LayoutEntry *e = Selected();
    for (QPushButton *b : std::as_const(m_entryButtons))
        b->setEnabled(e != nullptr);
    for (QPushButton *b : std::as_const(m_layoutButtons))
        b->setEnabled(m_layout != nullptr);
}

const LayoutEntry *RosterWindow::Selected() const
{
    if (!m_layout)
        return nullptr;
    const QTableWidgetItem *current = TableModuly->item(TableModuly->currentRow(), ColName);
    if (!current || !current->isSelected() || TableModuly->isRowHidden(current->row()))
        return nullptr;
    return m_layout->Find(current->data(IdRole).toString());
}

QString RosterWindow::SelectedId() const
{
    const LayoutEntry *e = Selected();
    return e ? e->id : QString();
}

void RosterWindow::SelectIds(const QStringList &ids)
{
    TableModuly->clearSelection();
    bool first = true;
    for (int row = 0; row < TableModuly->rowCount(); ++row) {
        if (!ids.contains(TableModuly->item(row, ColName)->data(IdRole).toString()))
            continue;
        if (std::exchange(first, false))
            TableModuly->setCurrentCell(row, ColName, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        else
            TableModuly->selectionModel()->select(TableModuly->model()->index(row, ColName),
                                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
        TableModuly->setRowHidden(row, false);
    }
    UpdateButtons();
}

void RosterWindow::SetNote(const QString &text, bool warning)
{
    LBnalez->setText(text);
    LBnalez->setStyleSheet(warning ? QStringLiteral("color: #b00000; font-weight: bold") : QString());
    LBnalez->setVisible(!text.isEmpty());
}

bool RosterWindow::WriteEntry(const LayoutEntry &entry)
{
    // Someone else saved the entry since it was read: their change is not lost without asking.
    if (ChangedOnDisk(*m_layout, entry.id) &&
        !Confirm(tr("Modul %1 se od otevření kolejiště změnil na disku. Přepsat jeho popis?").arg(entry.id)))
        return false;
    QString error;
    if (!SaveEntry(*m_layout, entry, false, &error)) {
        ShowWarning(error);
        return false;
    }
    return true;
}

void RosterWindow::EditClick()
{
    const LayoutEntry *selected = Selected();
    if (!selected)
        return;
    LayoutEntry entry = *selected; // the dialog's event loop may refresh the rows
    if (!EditEntry(entry, m_layout->groups) || !WriteEntry(entry))
        return;
    Refresh();
    Q_EMIT LayoutChanged();
}

void RosterWindow::RemoveClick()
{
    const LayoutEntry *selected = Selected();
    if (!selected)
        return;
    const QString id = selected->id;
    if (!Confirm(tr("Odstranit modul %1 z kolejiště? Jeho soubory se přesunou do koše kolejiště, odkud ho lze "
                    "vrátit.")
                     .arg(selected->name)))
        return;
    QString error;
    if (!RemoveEntry(*m_layout, id, &error))
        ShowWarning(error);
    Refresh();
    Q_EMIT LayoutChanged();
}

void RosterWindow::TrashClick()
{
    if (!m_layout)
        return;
    const std::vector<TrashedEntry> trash = ListTrash(*m_layout);
    if (trash.empty()) {
        ShowWarning(tr("Koš kolejiště je prázdný."));
        return;
    }
    const QString chosen = ChooseTrashed(trash);
    if (chosen.isEmpty())
        return;
    QString error;
    if (!RestoreEntry(*m_layout, chosen, &error)) {
        ShowWarning(error);
        return;
    }
    Refresh();
    SelectIds({chosen.section(QLatin1Char('~'), 0, 0)});
    Q_EMIT LayoutChanged();
}

} // namespace hx7
