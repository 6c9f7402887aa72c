// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the main window (construction, start-up sequence, first paint) and the memory it takes.
// Run offscreen: QT_QPA_PLATFORM=offscreen build/bench/bench_startup
#include "fakes.h"
#include "hx7Main.h"
#include "prompts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

namespace {

class SilentPrompts : public hx7::Prompts
{
public:
    void Warning(QWidget *, const QString &) override {}
    void Information(QWidget *, const QString &) override {}
    bool AskYesNo(QWidget *, const QString &) override { return false; }
    bool WarnYesCancel(QWidget *, const QString &) override { return false; }
    SaveChoice AskSaveChanges(QWidget *) override { return SaveChoice::Cancel; }
    CloseChoice AskCloseDuringTransfer(QWidget *) override { return CloseChoice::Cancel; }
    bool AskEitherOr(QWidget *, const QString &, const QString &, const QString &) override { return false; }
    void About(QWidget *, const QString &, const QString &) override {}
    QString SaveFileName(QWidget *) override { return {}; }
    QString OpenFileName(QWidget *) override { return {}; }
    QString PdfFileName(QWidget *) override { return {}; }
    QString CsvFileName(QWidget *, bool *) override { return {}; }
    QString LayoutFolder(QWidget *, bool) override { return {}; }
    std::optional<QString> AskText(QWidget *, const QString &, const QString &) override { return std::nullopt; }
};

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer total;
    total.start();
    QApplication app(argc, argv);
    const qint64 appReady = total.nsecsElapsed();

    QTemporaryDir dir;
    hx7::Settings settings(dir.filePath(QStringLiteral("hx7conf.ini")));
    hx7::SharedData data;
    hx7test::FakeSerialPort port;
    hx7::SerialLink link(port, [](int) { return QStringLiteral("COM1"); });
    SilentPrompts prompts;
    QElapsedTimer window;
    window.start();
    hx7::TMainForm1 form(data, link, settings, prompts);
    form.show();
    form.FormCreate();
    form.grab(); // the first full paint
    const qint64 windowReady = window.nsecsElapsed();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("QApplication %.1f ms, main window with its dialogs and first paint %.1f ms, total %.1f ms, "
                "peak RSS %.1f MiB\n",
                appReady / 1e6, windowReady / 1e6, total.nsecsElapsed() / 1e6, usage.ru_maxrss / 1024.0);
    return 0;
}
