// SPDX-License-Identifier: GPL-3.0-or-later
// "Zálohy modulů": the backups the program took before overwriting a module, newest first, to load one back
// into the program, compare it with the program's data, or delete it. The window only lists and deletes;
// loading and comparing are the caller's, through LoadRequested and CompareRequested.
#pragma once

#include "backups.h"

#include <QDialog>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace hx7 {

// A window of its own, not modal: create it once, show() it when asked; it lists the folder again each time
// it opens.
class TBackupsWindow : public QDialog
{
    Q_OBJECT
public:
    explicit TBackupsWindow(QWidget *parent = nullptr);

    void SetStore(const BackupStore &store);
    const BackupStore &Store() const { return m_store; }
    // Lists the folder again; the selected backup stays selected while its file is there.
    void Refresh();
    // The selected backup's file; empty when none is selected.
    QString SelectedPath() const;

    // Seams for the tests; the defaults open the file manager and ask or warn with a message box.
    std::function<void(const QString &folder)> OpenFolder;
    std::function<bool(const QString &question)> ConfirmDelete;
    std::function<void(const QString &message)> ShowWarning;

Q_SIGNALS:
    void LoadRequested(const QString &path);
    void CompareRequested(const QString &path);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FillFilter();
    void FillTable();
    void UpdateButtons();
    void WidenForColumns();
    void BTslozkaClick();
    void BTsmazatClick();
    const BackupEntry *Selected() const;

    BackupStore m_store;
    std::vector<BackupEntry> m_all;   // the folder as last listed
    std::vector<BackupEntry> m_shown; // the table's rows, in order
    QComboBox *CBmodul;
    QTableWidget *TableZalohy;
    QLabel *LBprazdno;
    QPushButton *BTnacist;
    QPushButton *BTporovnat;
    QPushButton *BTsmazat;
};

} // namespace hx7
