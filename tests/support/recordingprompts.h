// Prompts that record what the main window shows and answer from the test's script.
#pragma once

#include "prompts.h"

#include <QStringList>

namespace hx7test {

class RecordingPrompts : public hx7::Prompts
{
public:
    void Warning(QWidget *, const QString &text) override { Shown << QStringLiteral("warning: ") + text; }
    void Information(QWidget *, const QString &text) override { Shown << QStringLiteral("information: ") + text; }
    bool AskYesNo(QWidget *, const QString &text) override
    {
        Shown << QStringLiteral("question: ") + text;
        return Answer;
    }
    bool WarnYesCancel(QWidget *, const QString &text) override
    {
        Shown << QStringLiteral("warning?: ") + text;
        return Answer;
    }
    void About(QWidget *, const QString &title, const QString &text) override
    {
        Shown << QStringLiteral("about: ") + title + QLatin1Char('|') + text;
    }
    QString SaveFileName(QWidget *) override { return SavePath; }
    QString OpenFileName(QWidget *) override { return OpenPath; }

    QStringList Shown;
    bool Answer = true;
    QString SavePath;
    QString OpenPath;
};

} // namespace hx7test
