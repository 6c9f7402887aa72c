// What the transfer controller shows, on a terminal: messages on stderr, a progress bar when stderr
// is a terminal, questions answered by --yes or at the terminal.
#pragma once

#include "configtextfile.h"
#include "transferview.h"

#include <QStringList>
#include <QTextStream>
#include <functional>
#include <optional>

namespace hx7 {

class ConsoleView : public TransferView
{
public:
    // ask: puts a yes/no question to the user; true only on yes.
    ConsoleView(QTextStream &err, bool progressBar, std::function<bool(const QString &)> ask);

    void SetProgress(int position) override;
    void SetProgressVisible(bool visible) override;
    void SetVersionText(const QString &text) override { VersionText = text; }
    void CheckHx7S() override {}
    void RoutesChanged() override {}
    void Warning(const QString &text) override;
    void Information(const QString &text) override;
    bool Confirm(const QString &text) override;
    void Finished(TransferOutcome outcome) override;
    void ByteDiffers(int address, std::uint8_t imageByte, std::uint8_t moduleByte) override;

    bool AssumeYes = false;
    QString VersionText;
    QStringList Informations;
    // "ADDR: file XX module YY  what the byte holds", only for the addresses in Compared
    QStringList Differences;
    HeldAddresses Compared = HeldAddresses().set();
    std::optional<TransferOutcome> Outcome; // how the last transfer ended

private:
    void EndProgressLine();

    QTextStream &m_err;
    bool m_progressBar;
    bool m_progressShown = false;
    std::function<bool(const QString &)> m_ask;
};

} // namespace hx7
