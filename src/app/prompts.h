// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes and file dialogs of the main window, behind one object that tests replace.
#pragma once

#include <QString>
#include <memory>
#include <optional>

class QFileDialog;
class QWidget;

namespace hx7 {

class Prompts
{
public:
    enum class SaveChoice { Save, Discard, Cancel };
    // The window is closed while a transfer changes the module: wait for its end and close then, stop it
    // safely and stay, stop it and quit, or (Escape) neither.
    enum class CloseChoice { WaitThenClose, StopAndStay, StopAndQuit, Cancel };
    virtual ~Prompts() = default;
    // The data were changed and are about to be replaced or closed: save them first, throw them away, or stop.
    virtual SaveChoice AskSaveChanges(QWidget *parent) = 0;
    virtual CloseChoice AskCloseDuringTransfer(QWidget *parent) = 0;
    // A question with two answers named in words: true for first (the default), false for second or Escape.
    virtual bool AskEitherOr(QWidget *parent, const QString &text, const QString &first, const QString &second) = 0;
    virtual void Warning(QWidget *parent, const QString &text) = 0;
    virtual void Information(QWidget *parent, const QString &text) = 0;
    virtual bool AskYesNo(QWidget *parent, const QString &text) = 0;      // true on Yes
    virtual bool WarnYesCancel(QWidget *parent, const QString &text) = 0; // true on Yes
    virtual void About(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual QString SaveFileName(QWidget *parent) = 0; // empty when cancelled
    virtual QString OpenFileName(QWidget *parent) = 0; // empty when cancelled
    virtual QString PdfFileName(QWidget *parent) = 0;  // where to export the sheet; empty when cancelled
    // A layout's folder: one to make a new layout in (forNew), or one that holds a layout; empty when cancelled.
    virtual QString LayoutFolder(QWidget *parent, bool forNew) = 0;
    // Where to export a table as CSV, and for which spreadsheet (*excel: "CSV pro Excel"); empty when cancelled.
    virtual QString CsvFileName(QWidget *parent, bool *excel) = 0;
    // A line of text, with initial offered; nothing when cancelled.
    virtual std::optional<QString> AskText(QWidget *parent, const QString &label, const QString &initial) = 0;
};

// The real boxes and dialogs. The two file dialogs live as long as this object, so each offers the
// folder and name last chosen in it.
class QtPrompts : public Prompts
{
public:
    QtPrompts();
    ~QtPrompts() override;

    void Warning(QWidget *parent, const QString &text) override;
    void Information(QWidget *parent, const QString &text) override;
    bool AskYesNo(QWidget *parent, const QString &text) override;
    bool WarnYesCancel(QWidget *parent, const QString &text) override;
    SaveChoice AskSaveChanges(QWidget *parent) override;
    CloseChoice AskCloseDuringTransfer(QWidget *parent) override;
    bool AskEitherOr(QWidget *parent, const QString &text, const QString &first, const QString &second) override;
    void About(QWidget *parent, const QString &title, const QString &text) override;
    QString SaveFileName(QWidget *parent) override;
    QString OpenFileName(QWidget *parent) override;
    QString PdfFileName(QWidget *parent) override;
    QString LayoutFolder(QWidget *parent, bool forNew) override;
    QString CsvFileName(QWidget *parent, bool *excel) override;
    std::optional<QString> AskText(QWidget *parent, const QString &label, const QString &initial) override;

private:
    std::unique_ptr<QFileDialog> SaveDialog1;
    std::unique_ptr<QFileDialog> OpenDialog1;
};

} // namespace hx7
