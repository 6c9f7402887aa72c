// SPDX-License-Identifier: GPL-3.0-or-later
// What the transfer controller shows or asks; the main window implements it, tests record it.
#pragma once

#include "backups.h"
#include "transferoutcome.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace hx7 {

class TransferView
{
public:
    virtual ~TransferView() = default;
    virtual void SetProgress(int position) = 0; // 0..100
    virtual void SetProgressVisible(bool visible) = 0;
    virtual void RoutesChanged() = 0; // the route table was decoded anew
    virtual void Warning(const QString &text) = 0;
    virtual void Information(const QString &text) = 0;
    // A transfer waits for the user's Yes or No (the controller holds it until TransferController::Answer).
    // A view that answers at once (a script, a test) returns the answer; a window returns nothing, shows the
    // question without blocking and answers when the user has chosen.
    // facts: what the question is about, for the view's words (QuestionText).
    virtual std::optional<bool> Ask(TransferQuestion question, const QuestionFacts &facts) = 0;
    // The module's bytes 0..248, read before followed overwrites them: the view keeps them (a backup file).
    // False, with *why in the user's language, when it could not.
    virtual bool KeepBackup(const ImageBytes &module, const Overwrite &followed, QString *why) = 0;
    // A step of a transfer begins (a version query's too: the module it finds is the one the program talks to from
    // then on, none until it answers): number of count (a store with its backup and verify has three).
    virtual void StepStarted(TransferStep step, int number, int count)
    {
        (void)step;
        (void)number;
        (void)count;
    }
    // A transfer has ended (the controller is idle again by then); the view puts the outcome into words.
    virtual void Finished(TransferOutcome outcome) = 0;
    // A verify found the module's byte at address different from the image's (for a detailed report).
    virtual void ByteDiffers(int address, std::uint8_t imageByte, std::uint8_t moduleByte)
    {
        (void)address;
        (void)imageByte;
        (void)moduleByte;
    }
};

} // namespace hx7
