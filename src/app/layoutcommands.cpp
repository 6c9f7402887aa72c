// SPDX-License-Identifier: GPL-3.0-or-later
#include "layoutcommands.h"

#include "configdocument.h"
#include "filecommands.h"
#include "layoutcheckwindow.h"
#include "layoutcsv.h"
#include "layoutreport.h"
#include "planwindow.h"
#include "profile.h"
#include "prompts.h"
#include "savefile.h"
#include "settings.h"
#include "transferpresenter.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace hx7 {

namespace {

// The recent layouts live beside the recent files, in a section of their own: [Layouts] Open= the layout open
// when the program ended, Layout1..Layout8 the folders last opened, newest first.
const QString Section = QStringLiteral("Layouts");
constexpr int RecentLayoutCount = 8;

QStringList RecentLayouts(const ProfileFile &profile)
{
    QStringList folders;
    for (int i = 1; i <= RecentLayoutCount; ++i)
        if (const QString f = profile.readString(Section, QStringLiteral("Layout%1").arg(i)).value_or(QString());
            !f.isEmpty() && !folders.contains(f))
            folders << f;
    return folders;
}

bool WriteRecentLayouts(const ProfileFile &profile, const QStringList &folders)
{
    for (int i = 1; i <= RecentLayoutCount; ++i)
        if (!profile.writeString(Section, QStringLiteral("Layout%1").arg(i), folders.value(i - 1)))
            return false;
    return true;
}

QStringList EntryNames(const Layout &layout, const QStringList &ids)
{
    QStringList names;
    for (const QString &id : ids)
        if (const LayoutEntry *e = layout.Find(id))
            names << QStringLiteral("%1 (%2)").arg(e->name, e->place.isEmpty() ? e->id : e->place);
    return names;
}

} // namespace

LayoutCommands::LayoutCommands(ConfigDocument &document, Prompts &prompts, const Settings &settings,
                               FileCommands &files, TransferPresenter &presenter, QWidget &window)
    : QObject(&window), m_document(document), m_prompts(prompts), m_settings(settings), m_files(files),
      m_presenter(presenter), m_window(window), m_roster(new RosterWindow(&window)),
      m_planWindow(new PlanWindow(&window)), m_checkWindow(new LayoutCheckWindow(&window))
{
    connect(m_roster, &RosterWindow::AddRequested, this, &LayoutCommands::Add);
    connect(m_roster, &RosterWindow::OpenRequested, this, [this](const QString &id) { OpenEntry(id); });
    const auto openAt = [this](const QString &id, int route) { OpenEntry(id, route); };
    connect(m_roster, &RosterWindow::FindRequested, this, [this] { Identify(false); });
    connect(m_roster, &RosterWindow::CompareRequested, this, [this] { Identify(true); });
    connect(m_roster, &RosterWindow::BackupsRequested, this, &LayoutCommands::BackupsRequested);
    connect(m_roster, &RosterWindow::LayoutChanged, this, &LayoutCommands::Changed);
    connect(m_planWindow, &PlanWindow::OpenRequested, this, openAt);
    connect(m_checkWindow, &LayoutCheckWindow::OpenRequested, this, openAt);
    // After the presenter's own words, from the event loop: what follows may start the next transfer.
    connect(&m_presenter, &TransferPresenter::TransferEnded, this, &LayoutCommands::TransferEnded,
            Qt::QueuedConnection);
    m_files.SetEntrySaver([this] { return SaveIntoEntry(); });
    m_files.SetNames([this] { return Names(); });
}

LayoutCommands::~LayoutCommands()
{
    // The roster outlives this object by a little (both belong to the window): it must not see the layout go.
    m_roster->SetLayout(nullptr, nullptr, nullptr);
}

CommandNames LayoutCommands::Names() const
{
    return m_layout ? NamesOf(*m_layout, m_plan) : CommandNames();
}

QString LayoutCommands::EntryTitle() const
{
    const LayoutEntry *entry = m_layout ? m_layout->Find(m_document.EntryId()) : nullptr;
    return entry ? tr("%1 – kolejiště %2").arg(entry->name, m_layout->name) : QString();
}

void LayoutCommands::SetRecentItems(QList<QAction *> items, QAction *separator)
{
    m_recentItems = std::move(items);
    m_recentSeparator = separator;
    for (QAction *item : std::as_const(m_recentItems))
        connect(item, &QAction::triggered, this, [this, item] { OpenRecent(item->data().toString()); });
}

void LayoutCommands::OpenRecent(const QString &folder)
{
    if (IsLayoutFolder(folder)) {
        OpenFolder(folder);
        return;
    }
    // Moved or deleted since (a stick not plugged in): it leaves the list, as a recent file does.
    const ProfileFile profile(m_settings.path());
    QStringList folders = RecentLayouts(profile);
    folders.removeAll(folder);
    WriteRecentLayouts(profile, folders);
    FillRecentMenu();
    m_prompts.Warning(&m_window, tr("Kolejiště %1 už neexistuje; ze seznamu posledních kolejišť bylo odebráno.")
                                     .arg(QDir::toNativeSeparators(folder)));
}

void LayoutCommands::FillRecentMenu()
{
    const QStringList folders = RecentLayouts(ProfileFile(m_settings.path()));
    for (int i = 0; i < m_recentItems.size(); ++i) {
        QAction *item = m_recentItems[i];
        item->setVisible(i < folders.size());
        item->setData(folders.value(i));
        item->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(folders.value(i))));
    }
    if (m_recentSeparator)
        m_recentSeparator->setVisible(!folders.isEmpty());
}

bool LayoutCommands::RememberLayout(const QString &folder)
{
    const ProfileFile profile(m_settings.path());
    QStringList folders = RecentLayouts(profile);
    folders.removeAll(folder);
    folders.prepend(folder);
    const bool ok = WriteRecentLayouts(profile, folders.mid(0, RecentLayoutCount)) &&
                    profile.writeString(Section, QStringLiteral("Open"), folder);
    FillRecentMenu();
    return ok;
}

void LayoutCommands::OpenAtStart(const QString &folder)
{
    if (!folder.isEmpty()) {
        OpenFolder(folder);
        return;
    }
    // The layout of the last session, quietly: a folder that has gone since (a removed stick) is no error.
    const QString last = ProfileFile(m_settings.path()).readString(Section, QStringLiteral("Open")).value_or(QString());
    if (!last.isEmpty() && IsLayoutFolder(last))
        OpenFolder(last, false);
}

void LayoutCommands::New()
{
    const QString folder = m_prompts.LayoutFolder(&m_window, true);
    if (folder.isEmpty())
        return;
    const std::optional<QString> name =
        m_prompts.AskText(&m_window, tr("Název kolejiště:"), QFileInfo(folder).fileName());
    if (!name)
        return;
    QString error;
    const QString named = name->trimmed().isEmpty() ? QFileInfo(folder).fileName() : name->trimmed();
    if (!CreateLayout(folder, named, &error)) {
        m_prompts.Warning(&m_window, error);
        return;
    }
    OpenFolder(folder);
}

void LayoutCommands::Open()
{
    const QString folder = m_prompts.LayoutFolder(&m_window, false);
    if (!folder.isEmpty())
        OpenFolder(folder);
}

bool LayoutCommands::OpenFolder(const QString &path, bool showRoster)
{
    const QString folder = QFileInfo(path).absoluteFilePath();
    QString error;
    std::optional<Layout> opened = OpenLayout(folder, &error);
    if (!opened) {
        m_prompts.Warning(&m_window, error);
        return false;
    }
    // The document stays, but no longer as an entry of the layout that is closed.
    if (!m_document.EntryId().isEmpty()) {
        if (!m_files.MayReplaceData())
            return false;
        m_document.TieToEntry({});
    }
    m_layout = std::move(opened);
    m_state = std::make_unique<LayoutState>(folder);
    m_roster->SetLayout(&*m_layout, m_state.get(), &m_presenter.Backups());
    if (!RememberLayout(folder))
        m_prompts.Warning(&m_window, SettingsWriteErrorText(m_settings.path()));
    Changed();
    if (showRoster)
        ShowRoster();
    // Every open is checked; the check shows itself only when it found something.
    if (!CheckLayout(*m_layout, m_plan, m_state.get()).empty())
        ShowCheck();
    return true;
}

void LayoutCommands::Changed()
{
    m_plan = m_layout ? MakeAddressPlan(*m_layout) : AddressPlan();
    if (m_layout && !m_document.EntryId().isEmpty() && !m_layout->Find(m_document.EntryId()))
        m_document.DetachFile(); // its files went to the layout's trash: nothing to save into any more
    if (m_layout && m_planWindow->isVisible())
        m_planWindow->Show(*m_layout, m_plan);
    if (m_layout && m_checkWindow->isVisible())
        m_checkWindow->Show(*m_layout, CheckLayout(*m_layout, m_plan, m_state.get()));
    Q_EMIT NamesChanged();
}

void LayoutCommands::Reload()
{
    // Someone changed the layout's files since they were read: read them again before using an entry.
    QString error;
    if (std::optional<Layout> fresh = OpenLayout(m_layout->folder, &error)) {
        m_layout = std::move(fresh);
        m_roster->SetLayout(&*m_layout, m_state.get(), &m_presenter.Backups());
        Changed();
    }
}

void LayoutCommands::ShowRoster()
{
    m_roster->Refresh();
    m_roster->show();
    m_roster->raise();
    m_roster->activateWindow();
}

void LayoutCommands::ShowPlan()
{
    if (!m_layout) {
        m_prompts.Information(&m_window, tr("Nejdřív otevřete kolejiště (Kolejiště → Otevřít kolejiště…)."));
        return;
    }
    m_planWindow->Show(*m_layout, m_plan);
    m_planWindow->show();
    m_planWindow->raise();
}

void LayoutCommands::ShowCheck()
{
    if (!m_layout) {
        m_prompts.Information(&m_window, tr("Nejdřív otevřete kolejiště (Kolejiště → Otevřít kolejiště…)."));
        return;
    }
    m_checkWindow->Show(*m_layout, CheckLayout(*m_layout, m_plan, m_state.get()));
    m_checkWindow->show();
    m_checkWindow->raise();
}

void LayoutCommands::Print()
{
    if (!m_layout)
        return ShowPlan(); // says what to do first
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog preview(&printer, &m_window);
    preview.setObjectName(QStringLiteral("LayoutPreview1"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *target) { PaintLayoutReport(*target, *m_layout, m_plan); });
    preview.exec();
}

void LayoutCommands::ExportCsv(bool plan)
{
    if (!m_layout)
        return ShowPlan();
    bool excel = false;
    const QString path = m_prompts.CsvFileName(&m_window, &excel);
    if (path.isEmpty())
        return;
    const CsvStyle style = excel ? CsvStyle::Excel : CsvStyle::Rfc4180;
    QString reason;
    if (!SaveWhole(path, plan ? PlanCsv(*m_layout, m_plan, style) : RosterCsv(*m_layout, *m_state, style), &reason))
        m_prompts.Warning(&m_window, reason.isEmpty() ? WriteErrorText(path) : WriteErrorText(path) + '\n' + reason);
}

void LayoutCommands::ExportPdf()
{
    if (!m_layout)
        return ShowPlan();
    const QString path = m_prompts.PdfFileName(&m_window);
    QString error;
    if (!path.isEmpty() && !WriteLayoutReportPdf(path, *m_layout, m_plan, &error))
        m_prompts.Warning(&m_window, error);
}

bool LayoutCommands::OpenEntry(const QString &id, int route, bool fromFile)
{
    if (!m_layout)
        return false;
    if (ChangedOnDisk(*m_layout) || ChangedOnDisk(*m_layout, id))
        Reload();
    const LayoutEntry *entry = m_layout->Find(id);
    if (!entry || !entry->Usable()) {
        m_prompts.Warning(&m_window, entry ? entry->problem : tr("Kolejiště nemá modul „%1“.").arg(id));
        return false;
    }
    if (m_document.EntryId() != id || (fromFile && m_document.IsModified())) {
        if (!m_files.MayReplaceData())
            return false;
        const LoadOutcome loaded = m_document.Load(m_layout->ConfigPath(id));
        if (loaded.status == LoadOutcome::Refused) {
            m_prompts.Warning(&m_window, loaded.message);
            return false;
        }
        m_document.TieToEntry(id);
    }
    if (route > 0)
        Q_EMIT RouteRequested(route);
    return true;
}

bool LayoutCommands::SaveIntoEntry()
{
    const QString id = m_document.EntryId();
    LayoutEntry *entry = m_layout ? m_layout->Find(id) : nullptr;
    if (!entry)
        return m_files.SaveAs(); // the entry is gone: the user says where the data go
    if (ChangedOnDisk(*m_layout, id) &&
        !m_prompts.AskYesNo(&m_window,
                            tr("Modul %1 kolejiště se od načtení změnil na disku. Přepsat ho?").arg(entry->name)))
        return false;
    LayoutEntry saved = *entry;
    saved.image = m_document.Image();
    QString error;
    if (!SaveEntry(*m_layout, saved, true, &error)) {
        m_prompts.Warning(&m_window, error);
        return false;
    }
    m_document.WrittenToFile();
    m_roster->Refresh();
    Changed(); // the address code or a route may have changed
    return true;
}

void LayoutCommands::Add(RosterWindow::AddSource source)
{
    switch (source) {
    case RosterWindow::AddSource::Image:
        return AddFromImage();
    case RosterWindow::AddSource::File:
        return AddFromFile();
    case RosterWindow::AddSource::Module:
        if (!m_presenter.Controller().IsIdle())
            return;
        NotOnLayout(ModuleIdentity()); // what the module is, its read will tell
        return;
    }
}

bool LayoutCommands::AskNewEntry(LayoutEntry &entry)
{
    return m_layout && m_roster->EditEntry(entry, m_layout->groups);
}

bool LayoutCommands::WriteNewEntry(LayoutEntry entry, bool becomesDocument)
{
    entry.id = MakeEntryId(entry.name, TakenIds(*m_layout));
    QString error;
    if (!SaveEntry(*m_layout, entry, true, &error)) {
        m_prompts.Warning(&m_window, error);
        return false;
    }
    if (becomesDocument) {
        // The document is the new entry's from now on: the program's data are what its file holds.
        m_document.Load(m_layout->ConfigPath(entry.id));
        m_document.TieToEntry(entry.id);
    }
    m_roster->Refresh();
    m_roster->SelectIds({entry.id});
    Changed();
    return true;
}

void LayoutCommands::AddFromImage()
{
    LayoutEntry entry;
    if (!AskNewEntry(entry))
        return;
    entry.image = m_document.Image();
    // Unsaved edits go into the new entry: nothing of them is lost, and the document is that entry now.
    WriteNewEntry(entry, true);
}

void LayoutCommands::AddFromFile()
{
    const QString path = m_prompts.OpenFileName(&m_window);
    if (path.isEmpty())
        return;
    LayoutEntry entry;
    const LoadOutcome loaded = LoadConfigText(path, entry.image);
    if (loaded.status == LoadOutcome::Refused) {
        m_prompts.Warning(&m_window, loaded.message);
        return;
    }
    entry.name = QFileInfo(path).completeBaseName();
    if (AskNewEntry(entry))
        WriteNewEntry(entry, false);
}

bool LayoutCommands::Identify(bool compare)
{
    if (!m_layout || !m_presenter.Controller().IsIdle())
        return false;
    m_roster->SetNote(tr("Hledá se připojený modul…"));
    m_afterIdentify = compare ? AfterIdentify::Compare : AfterIdentify::Select;
    if (m_presenter.Controller().StartIdentify())
        return true;
    m_afterIdentify = AfterIdentify::Nothing;
    m_roster->SetNote({});
    return false;
}

void LayoutCommands::TransferEnded(TransferOutcome outcome)
{
    if (!m_layout)
        return;
    const QString id = m_document.EntryId();
    switch (outcome) {
    case TransferOutcome::Identified:
        return Identified();
    case TransferOutcome::Read:
        return ReadTaken();
    case TransferOutcome::Stored:
        if (!id.isEmpty() && !m_presenter.Controller().IsRestore())
            Recorded(m_state->Stored(id), {});
        break;
    case TransferOutcome::Equal:
    case TransferOutcome::Different:
        // Only a verify of the entry as its file holds it says whether the module is in step with the layout, and
        // only when the module has the entry's address code: another board on the line is not this entry.
        if (!id.isEmpty() && !m_document.IsModified() && !m_presenter.DiffersAt(AddressCodeByte))
            Recorded(m_state->Verified(id, m_presenter.DifferenceCount()), {});
        break;
    default:
        m_addAfterRead.reset(); // a failed or stopped read adds nothing
        break;
    }
    m_roster->Refresh();
}

void LayoutCommands::Recorded(bool ok, const QString &error)
{
    // The records are this computer's only: a failure to keep one is said, and nothing else depends on it.
    if (!ok)
        m_prompts.Warning(&m_window, error.isEmpty() ? WriteErrorText(m_state->path()) : error);
}

void LayoutCommands::Identified()
{
    const AfterIdentify after = std::exchange(m_afterIdentify, AfterIdentify::Nothing);
    const std::optional<ModuleIdentity> &module = m_presenter.Controller().Identity();
    if (after == AfterIdentify::Nothing)
        return;
    if (!module || !module->addressCode) {
        m_roster->SetNote(module ? tr("Modul %1 neodpověděl na čtení své adresy.").arg(module->AnswerText())
                                 : tr("Žádný modul neodpovídá."),
                          true);
        return;
    }
    QStringList ids;
    for (const LayoutEntry &e : m_layout->entries)
        if (e.Usable() && e.AddressCode() == *module->addressCode)
            ids << e.id;
    m_roster->SelectIds(ids);
    if (ids.size() == 1)
        return Matched(ids.front(), *module, after == AfterIdentify::Compare);
    if (ids.isEmpty())
        return NotOnLayout(*module);
    const int n = int(ids.size()); // two or more; Czech says 2-4 and 5 and more in words of their own
    const QString text = (n <= 4 ? tr("Konflikt adres na kolejišti: DCC adresu %1 mají %n moduly: %2.", nullptr, n)
                                 : tr("Konflikt adres na kolejišti: DCC adresu %1 má %n modulů: %2.", nullptr, n))
                             .arg(*module->addressCode)
                             .arg(EntryNames(*m_layout, ids).join(QStringLiteral(", ")));
    m_roster->SetNote(text, true);
    m_prompts.Warning(m_roster->isVisible() ? static_cast<QWidget *>(m_roster) : &m_window, text);
}

void LayoutCommands::Matched(const QString &id, const ModuleIdentity &module, bool compare)
{
    const LayoutEntry *entry = m_layout->Find(id);
    QString text = tr("Připojený modul %1 (DCC adr. %2) je %3.")
                       .arg(module.AnswerText())
                       .arg(*module.addressCode)
                       .arg(EntryNames(*m_layout, {id}).join(QString()));
    const bool typeDiffers = entry->expectedType && entry->expectedType != module.type;
    if (typeDiffers)
        text += QLatin1Char(' ') +
                tr("Kolejiště u něj čeká typ %1.").arg(ModuleIdentity(entry->expectedType, 0).TypeName());
    m_roster->SetNote(text, typeDiffers);
    QString error;
    Recorded(m_state->Identified(id, module, &error), error);
    m_roster->Refresh();
    m_roster->SelectIds({id});
    // The module is compared with the entry as its file holds it, so that the result says whether the board is
    // in step with the layout.
    if (compare && OpenEntry(id, 0, true) && !m_document.IsModified())
        m_presenter.StartVerify();
}

void LayoutCommands::NotOnLayout(const ModuleIdentity &module)
{
    if (module.addressCode) {
        const QString text =
            tr("Připojený modul %1 (DCC adr. %2) na kolejišti není.").arg(module.AnswerText()).arg(*module.addressCode);
        m_roster->SetNote(text);
        if (!m_prompts.AskYesNo(m_roster->isVisible() ? static_cast<QWidget *>(m_roster) : &m_window,
                                text + QLatin1Char('\n') +
                                    tr("Přidat ho na kolejiště jako nový modul? Nejdřív se z něj načtou všechna "
                                       "data.")))
            return;
    }
    LayoutEntry entry;
    entry.expectedType = module.type == 'D' || module.type == 'V' || module.type == 'S' ? module.type : 0;
    if (!AskNewEntry(entry) || !m_files.MayReplaceData())
        return;
    m_addAfterRead = entry;
    m_presenter.StartRead();
}

void LayoutCommands::ReadTaken()
{
    std::optional<LayoutEntry> adding = std::exchange(m_addAfterRead, std::nullopt);
    if (!m_presenter.LastReadTaken())
        return; // the user kept the edits made while the read ran: the module's bytes went nowhere
    if (adding) {
        adding->image = m_document.Image();
        if (!WriteNewEntry(*adding, true))
            return;
        if (const std::optional<ModuleIdentity> &module = m_document.Module())
            Recorded(m_state->Identified(m_document.EntryId(), *module), {});
    }
    if (!m_document.EntryId().isEmpty())
        Recorded(m_state->Read(m_document.EntryId()), {});
    m_roster->Refresh();
}

} // namespace hx7
