// SPDX-License-Identifier: GPL-3.0-or-later
// Prompts that record what the main window shows and answer from the test's script.
#pragma once

#include "prompts.h"

#include <QStringList>
#include <functional>

namespace hx7test {

class RecordingPrompts : public hx7::Prompts
{
public:
    void Warning(QWidget *, const QString &text) override { Show(QStringLiteral("warning: ") + text); }
    void Information(QWidget *, const QString &text) override { Show(QStringLiteral("information: ") + text); }
    bool AskYesNo(QWidget *, const QString &text) override
    {
        Show(QStringLiteral("question: ") + text);
        return Answer;
    }
    bool WarnYesCancel(QWidget *, const QString &text) override
    {
        Shown << QStringLiteral("warning?: ") + text;
        return Answer;
    }
    SaveChoice AskSaveChanges(QWidget *) override
    {
        Shown << QStringLiteral("save?");
        return SaveAnswer;
    }
    CloseChoice AskCloseDuringTransfer(QWidget *) override
    {
        Show(QStringLiteral("close?"));
        return CloseAnswer;
    }
    bool AskEitherOr(QWidget *, const QString &text, const QString &first, const QString &second) override
    {
        Show(QStringLiteral("either: ") + text + QStringLiteral(" [") + first + QStringLiteral(" | ") + second +
             QLatin1Char(']'));
        return EitherAnswer;
    }
    void About(QWidget *, const QString &title, const QString &text) override
    {
        Shown << QStringLiteral("about: ") + title + QLatin1Char('|') + text;
    }
    QString SaveFileName(QWidget *) override { return SavePath; }
    QString OpenFileName(QWidget *) override { return OpenPath; }
    QString PdfFileName(QWidget *) override { return PdfPath; }
    QString CsvFileName(QWidget *, bool *excel) override
    {
        *excel = CsvForExcel;
        return CsvPath;
    }
    QString LayoutFolder(QWidget *, bool forNew) override
    {
        Shown << (forNew ? QStringLiteral("new layout folder?") : QStringLiteral("layout folder?"));
        return LayoutPath;
    }
    std::optional<QString> AskText(QWidget *, const QString &label, const QString &) override
    {
        Shown << QStringLiteral("text?: ") + label;
        return TextAnswer;
    }

    QStringList Shown;
    // Runs while a box is "open", as the event loop of a real message box would.
    std::function<void()> WhileShown;
    bool Answer = true;
    SaveChoice SaveAnswer = SaveChoice::Discard;
    CloseChoice CloseAnswer = CloseChoice::WaitThenClose;
    bool EitherAnswer = true;
    QString SavePath;
    QString OpenPath;
    QString PdfPath;
    QString CsvPath;
    bool CsvForExcel = false;
    QString LayoutPath;
    std::optional<QString> TextAnswer;

private:
    void Show(const QString &line)
    {
        Shown << line;
        if (WhileShown)
            WhileShown();
    }
};

} // namespace hx7test
