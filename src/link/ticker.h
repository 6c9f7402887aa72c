// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a transfer to its end outside the main window: ticks until the controller is idle.
#pragma once

#include "seriallink.h"
#include "transfercontroller.h"

namespace hx7 {

class Ticker
{
public:
    virtual ~Ticker() = default;
    // Returns the number of ticks run; none when the controller is already idle.
    virtual int RunUntilIdle(SerialLink &link, TransferController &controller) = 0;
};

// The real 100 ms timer, as the main window drives the controller: receive step, then one tick.
class TimerTicker : public Ticker
{
public:
    int RunUntilIdle(SerialLink &link, TransferController &controller) override;
};

} // namespace hx7
