// SPDX-License-Identifier: GPL-3.0-or-later
// What a transfer is made of, as data: a store is a backup read, the address check, the writes, a read back of
// what was written and the restart frame, each present or not as the user chose. The controller walks the plan.
#pragma once

#include "frames.h"
#include "hx7_var1.h"
#include "transferoutcome.h"

#include <QByteArray>
#include <vector>

namespace hx7 {

struct PlanStep {
    enum Kind {
        Query,        // the version query
        AddressRead,  // byte 4 read once after the query: which module of a layout answered
        Read,         // bytes into the image
        Verify,       // bytes compared with the image
        Backup,       // bytes 0..248 kept before an overwrite
        AddressCheck, // the module's address code read before a store (its range: the writes')
        Write,        // bytes first..last written
        ReadBack,     // the written bytes read back and compared with what was written
        SignalTable,  // the developer's signal table
        Restart,      // the restart frame behind a store
        FactoryReset, // the factory reset frame, at the next tick
        OneShot,      // any other frame nothing answers, at the next tick
    } kind;
    int first = 0;
    int last = -1;
    QByteArray frame = {}; // OneShot's frame
};
using TransferPlan = std::vector<PlanStep>;

// The exchange a step's frames belong to.
Exchange ExchangeOfStep(PlanStep::Kind kind);
// What the view calls the step: the address check is the start of the writes; the restart and one-shot frames
// are None.
TransferStep ViewStepOf(PlanStep::Kind kind);

TransferPlan QueryPlan();
// The query, then the module's address code (byte 4): nothing written, under a second.
TransferPlan IdentifyPlan();
TransferPlan ReadPlan();
TransferPlan VerifyPlan();
TransferPlan SignalTablePlan();
TransferPlan OneShotPlan(const QByteArray &frame);
// A store of first..last: backed up first, read back after, the module restarted at the end, as asked.
TransferPlan StorePlan(int first, int last, bool backup, bool readBack, bool restart);
TransferPlan FactoryResetPlan(bool backup);

} // namespace hx7
