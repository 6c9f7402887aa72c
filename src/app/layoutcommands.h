// SPDX-License-Identifier: GPL-3.0-or-later
// The Layout menu's work: the open layout (its folder, its per-user records, its address plan), the roster, plan
// and check windows over it, an entry opened as the program's document and saved back into the entry, the
// connected module found on the layout and compared with its entry, the layout's report.
#pragma once

#include "layout.h"
#include "layoutplan.h"
#include "layoutstate.h"
#include "rosterwindow.h"
#include "transferoutcome.h"

#include <QObject>
#include <memory>
#include <optional>

class QAction;
class QWidget;

namespace hx7 {

class ConfigDocument;
class FileCommands;
class LayoutCheckWindow;
class PlanWindow;
class Prompts;
class Settings;
class TransferPresenter;

class LayoutCommands : public QObject
{
    Q_OBJECT
public:
    LayoutCommands(ConfigDocument &document, Prompts &prompts, const Settings &settings, FileCommands &files,
                   TransferPresenter &presenter, QWidget &window);
    ~LayoutCommands() override;

    const Layout *Current() const { return m_layout ? &*m_layout : nullptr; }
    RosterWindow &Roster() { return *m_roster; }
    // What the layout says about command numbers; empty while none is open.
    CommandNames Names() const;
    // "Vjezd Lhota – kolejiště Lhota" while the document is one of the layout's entries; empty otherwise.
    QString EntryTitle() const;

    // The menu items that list the recent layouts, and the separator before them.
    void SetRecentItems(QList<QAction *> items, QAction *separator);
    void FillRecentMenu();
    // At start: the folder given on the command line, else the layout open when the program last ended.
    void OpenAtStart(const QString &folder);

    void New();
    void Open();
    bool OpenFolder(const QString &folder, bool showRoster = true);
    void ShowRoster();
    void ShowPlan();
    void ShowCheck();
    void Print();
    void ExportPdf();
    void ExportCsv(bool plan); // the roster, or with plan the address plan
    // The entry's configuration becomes the document (asking about unsaved changes first); route > 0: that
    // route's editor opens then; fromFile: read again from the file when the document has unsaved changes.
    // False when the document is not the entry's.
    bool OpenEntry(const QString &id, int route = 0, bool fromFile = false);
    // "Uložit" while the document is an entry: into the entry's file, asking first when it changed on disk.
    bool SaveIntoEntry();
    // Asks the connected module its type, version and address code and selects its entry; compare: then
    // verifies the module against that entry. False when nothing was started (no layout, or a transfer runs).
    bool Identify(bool compare = false);

Q_SIGNALS:
    void NamesChanged();            // the layout was opened or changed: new names for the numbers
    void RouteRequested(int route); // the route editor of the document's route
    void BackupsRequested(int addressCode);

private:
    void OpenRecent(const QString &folder);
    void Add(RosterWindow::AddSource source);
    void AddFromImage();
    void AddFromFile();
    bool AskNewEntry(LayoutEntry &entry);
    bool WriteNewEntry(LayoutEntry entry, bool becomesDocument);
    void TransferEnded(TransferOutcome outcome);
    void Identified();
    void Matched(const QString &id, const ModuleIdentity &module, bool compare);
    void NotOnLayout(const ModuleIdentity &module);
    void Recorded(bool ok, const QString &error);
    void ReadTaken();
    void Changed();
    void Reload();
    bool RememberLayout(const QString &folder);

    ConfigDocument &m_document;
    Prompts &m_prompts;
    const Settings &m_settings;
    FileCommands &m_files;
    TransferPresenter &m_presenter;
    QWidget &m_window;
    std::optional<Layout> m_layout;
    std::unique_ptr<LayoutState> m_state;
    AddressPlan m_plan;
    RosterWindow *m_roster;
    PlanWindow *m_planWindow;
    LayoutCheckWindow *m_checkWindow;
    QList<QAction *> m_recentItems;
    QAction *m_recentSeparator = nullptr;

    enum class AfterIdentify { Nothing, Select, Compare } m_afterIdentify = AfterIdentify::Nothing;
    std::optional<LayoutEntry> m_addAfterRead; // "add from the module": the entry its read fills
};

} // namespace hx7
