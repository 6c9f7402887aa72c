// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu's work on the document: open (with the question about unsaved changes), save, save as, the
// recent files, the printed sheet and its PDF, and the comparison with a backup.
#pragma once

#include "configsheet.h"

#include <QList>
#include <QObject>
#include <functional>

class QAction;
class QWidget;

namespace hx7 {

class ConfigDocument;
class Prompts;
class Settings;
class TransferPresenter;

class FileCommands : public QObject
{
    Q_OBJECT
public:
    FileCommands(ConfigDocument &document, Prompts &prompts, const Settings &settings, TransferPresenter &presenter,
                 QWidget &window);

    // The menu items that list the recent files, and the separator before them.
    void SetRecentItems(QList<QAction *> items, QAction *separator);
    void FillRecentMenu();
    // What the sheet says beside the image, besides the module: whether it is an HX7S.
    void SetSheetHx7S(std::function<bool()> hx7s) { m_hx7s = std::move(hx7s); }
    // The open layout's names for the sheet's numbers.
    void SetNames(std::function<CommandNames()> names) { m_names = std::move(names); }
    // "Uložit" of a document that is a layout's entry: saved into the entry by the layout.
    void SetEntrySaver(std::function<bool()> save) { m_saveEntry = std::move(save); }

    // Asks about unsaved changes before they are replaced; false when the user chose to stop.
    bool MayReplaceData();
    void Open();                        // asks for a file
    void OpenPath(const QString &path); // asks about unsaved changes first
    void OpenRecent(const QString &path);
    bool SaveAs();      // "Uložit data": always asks for a name; false when cancelled or failed
    bool SaveInPlace(); // "Uložit": into the document's file (a layout's entry: through it); asks only without one
    void Print();
    void ExportPdf();
    void CompareWithBackup(const QString &path);

Q_SIGNALS:
    void StatusMessage(const QString &text, int timeout);

private:
    void Load(const QString &path);
    bool WriteFile(const QString &path);
    void RememberFile(const QString &path);
    SheetInfo Sheet() const;

    ConfigDocument &m_document;
    Prompts &m_prompts;
    const Settings &m_settings;
    TransferPresenter &m_presenter;
    QWidget &m_window;
    QList<QAction *> m_recentItems;
    QAction *m_recentSeparator = nullptr;
    std::function<bool()> m_hx7s;
    std::function<CommandNames()> m_names;
    std::function<bool()> m_saveEntry;
};

} // namespace hx7
