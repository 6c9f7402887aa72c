// SPDX-License-Identifier: GPL-3.0-or-later
// "Moduly kolejiště": the open layout's entries in a table to sort and filter, with what this computer last did
// with each module. Renaming, editing, removing to the layout's trash and bringing back are done here, on the
// layout's files; adding, opening, finding the connected module and comparing with it are the main window's,
// through the signals, as they need the document and the serial link.
#pragma once

#include "backups.h"
#include "layout.h"
#include "layoutstate.h"

#include <QDialog>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace hx7 {

// The fields of an entry as the user edits them: name, place, group, comment, expected type, planned. Enter is
// OK once the name is given and every text is fit for the layout's files; Escape cancels.
class EntryDialog : public QDialog
{
    Q_OBJECT
public:
    EntryDialog(const LayoutEntry &entry, const QStringList &groups, QWidget *parent = nullptr);
    LayoutEntry Entry() const { return m_entry; }
    void accept() override;

private:
    LayoutEntry m_entry;
    QLineEdit *EDnazev;
    QLineEdit *EDmisto;
    QComboBox *CBskupina;
    QLineEdit *EDpoznamka;
    QComboBox *CBtyp;
    QCheckBox *CHplanovany;
    QLabel *LBchyba;
};

// A window of its own, not modal, as the backups window: created once, shown when asked.
class RosterWindow : public QDialog
{
    Q_OBJECT
public:
    enum class AddSource { Image, File, Module };
    explicit RosterWindow(QWidget *parent = nullptr);

    // What the table shows and changes; nothing while no layout is open. The caller keeps them alive and
    // calls Refresh() when it changes the layout itself.
    void SetLayout(Layout *layout, const LayoutState *state, const BackupStore *backups);
    void Refresh(); // the selected entry stays selected while it is there
    QString SelectedId() const;
    // The entries a search found, selected; the note above the table says what the search found.
    void SelectIds(const QStringList &ids);
    void SetNote(const QString &text, bool warning = false);

    // Seams for the tests; the defaults open the entry dialog, a question box, a warning box and a list of the
    // trash to pick from (its trash name; empty when cancelled).
    std::function<bool(LayoutEntry &entry, const QStringList &groups)> EditEntry;
    std::function<bool(const QString &question)> Confirm;
    std::function<void(const QString &message)> ShowWarning;
    std::function<QString(const std::vector<TrashedEntry> &trash)> ChooseTrashed;

Q_SIGNALS:
    void AddRequested(hx7::RosterWindow::AddSource source);
    void OpenRequested(const QString &id);
    void FindRequested();
    void CompareRequested();
    void BackupsRequested(int addressCode);
    void LayoutChanged(); // an entry was edited, removed or brought back here

private:
    void FitWidth();
    QTableWidget *BuildTable();
    QPushButton *BuildAddButton(QWidget *box);
    QWidget *BuildButtons();
    void FillRow(int row, const LayoutEntry &entry);
    void MarkShared(int row, const LayoutEntry &entry);
    void ApplyFilter();
    void UpdateButtons();
    void EditClick();
    void RemoveClick();
    void TrashClick();
    void BackupsClick();
    bool WriteEntry(const LayoutEntry &entry);
    const LayoutEntry *Selected() const;

    Layout *m_layout = nullptr;
    const LayoutState *m_state = nullptr;
    const BackupStore *m_backups = nullptr;
    QLabel *LBkolejiste;
    QLabel *LBnalez;
    QLineEdit *EDfiltr;
    QTableWidget *TableModuly;
    QList<QPushButton *> m_entryButtons;  // need a selected entry
    QList<QPushButton *> m_layoutButtons; // need a layout
};

QString ChooseTrashedDialog(QWidget *parent, const std::vector<TrashedEntry> &trash);

} // namespace hx7
