// Terminal output of the transfer controller.
#include "consoleview.h"

#include "bytemap.h"
#include "configtextfile.h"

namespace hx7 {

ConsoleView::ConsoleView(QTextStream &err, bool progressBar, std::function<bool(const QString &)> ask)
    : m_err(err), m_progressBar(progressBar), m_ask(std::move(ask))
{}

void ConsoleView::SetProgress(int position)
{
    if (!m_progressBar)
        return;
    constexpr int Width = 40;
    const int filled = position * Width / 100;
    m_err << '\r' << '[' << QString(filled, QLatin1Char('#')) << QString(Width - filled, QLatin1Char(' ')) << "] "
          << qSetFieldWidth(3) << position << qSetFieldWidth(0) << " %";
    m_err.flush();
    m_progressShown = true;
}

void ConsoleView::SetProgressVisible(bool visible)
{
    if (!visible)
        EndProgressLine();
}

void ConsoleView::EndProgressLine()
{
    if (m_progressShown) {
        m_err << '\n';
        m_err.flush();
        m_progressShown = false;
    }
}

void ConsoleView::Warning(const QString &text)
{
    EndProgressLine();
    m_err << text << '\n';
    m_err.flush();
}

void ConsoleView::Information(const QString &text)
{
    EndProgressLine();
    Informations << text;
}

void ConsoleView::Finished(TransferOutcome outcome)
{
    Outcome = outcome;
    // A success is told by the command itself: a verify prints its verdict on stdout.
    if (const QString text = OutcomeText(outcome); IsFailure(outcome) && !text.isEmpty())
        Warning(text);
}

bool ConsoleView::Confirm(const QString &text)
{
    EndProgressLine();
    if (AssumeYes)
        return true;
    // The message box's line break (LF CR) as a terminal line break.
    return m_ask && m_ask(QString(text).replace(QLatin1String("\n\r"), QLatin1String("\n")));
}

void ConsoleView::ByteDiffers(int address, std::uint8_t imageByte, std::uint8_t moduleByte)
{
    // A byte the file does not hold was filled in by default; it says nothing about the module.
    if (address < 0 || address >= ModuleBytes || !Compared.test(address))
        return;
    // Scripts read the line up to the module byte; what the byte holds follows for the person reading it.
    QString line = HexDigits(address, 4) + QStringLiteral(": file ") + HexDigits(imageByte, 2) +
                   QStringLiteral(" module ") + HexDigits(moduleByte, 2);
    // Named down to the fields the difference touches, as the verify details window names them: a byte
    // that differs only in a bit nothing uses says so.
    if (const QString description = DescribeAddressInFull(address, imageByte ^ moduleByte); !description.isEmpty())
        line += QStringLiteral("  ") + description;
    Differences << line;
}

} // namespace hx7
