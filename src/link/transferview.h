// SPDX-License-Identifier: GPL-3.0-or-later
// What the transfer controller shows or asks; the main window implements it, tests record it.
#pragma once

#include "backups.h"
#include "transferoutcome.h"

#include <QString>
#include <cstdint>

namespace hx7 {

class TransferView
{
public:
    virtual ~TransferView() = default;
    virtual void SetProgress(int position) = 0; // 0..100
    virtual void SetProgressVisible(bool visible) = 0;
    virtual void SetVersionText(const QString &text) = 0;
    virtual void CheckHx7S() = 0;     // the module reported the S variant
    virtual void RoutesChanged() = 0; // the route table was decoded anew
    virtual void Warning(const QString &text) = 0;
    virtual void Information(const QString &text) = 0;
    virtual bool Confirm(const QString &text) = 0; // Yes / No; true only on Yes
    // The module's bytes 0..248, read before followed overwrites them: the view keeps them (a backup file).
    // False, with *why in the user's language, when it could not.
    virtual bool KeepBackup(const ImageBytes &module, const Overwrite &followed, QString *why) = 0;
    // The backup before an overwrite failed (why says how): whether to overwrite without one. A view that
    // cannot ask a person (a script) says no.
    virtual bool GoOnWithoutBackup(const QString &why, bool factoryReset)
    {
        return Confirm(NoBackupQuestion(why, factoryReset));
    }
    // A step of a transfer begins: number of count (a store with its backup and verify has three).
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
