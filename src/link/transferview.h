// What the transfer controller shows or asks; the main window implements it, tests record it.
#pragma once

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
