// SPDX-License-Identifier: GPL-3.0-or-later
#include "transferplan.h"

namespace hx7 {

Exchange ExchangeOfStep(PlanStep::Kind kind)
{
    switch (kind) {
    case PlanStep::Query:
        return Exchange::Version;
    case PlanStep::AddressRead:
    case PlanStep::Read:
    case PlanStep::Verify:
    case PlanStep::Backup:
    case PlanStep::AddressCheck:
    case PlanStep::ReadBack:
        return Exchange::Read;
    case PlanStep::Write:
        return Exchange::Write;
    case PlanStep::SignalTable:
        return Exchange::SignalTable;
    default:
        return Exchange::NoReply;
    }
}

TransferStep ViewStepOf(PlanStep::Kind kind)
{
    switch (kind) {
    case PlanStep::Query:
    case PlanStep::AddressRead: // one step to the user: which module is it
        return TransferStep::Query;
    case PlanStep::Read:
        return TransferStep::Read;
    case PlanStep::Verify:
        return TransferStep::Verify;
    case PlanStep::Backup:
        return TransferStep::Backup;
    case PlanStep::AddressCheck:
    case PlanStep::Write:
        return TransferStep::Write;
    case PlanStep::ReadBack:
        return TransferStep::VerifyWritten;
    case PlanStep::SignalTable:
        return TransferStep::SignalTable;
    case PlanStep::FactoryReset:
        return TransferStep::Reset;
    default:
        return TransferStep::None;
    }
}

TransferPlan QueryPlan()
{
    return {{PlanStep::Query}};
}
TransferPlan IdentifyPlan()
{
    return {{PlanStep::Query}, {PlanStep::AddressRead, AddressCodeByte, AddressCodeByte}};
}
TransferPlan ReadPlan()
{
    return {{PlanStep::Read, 0, LastTransferAddress}};
}
TransferPlan VerifyPlan()
{
    return {{PlanStep::Verify, 0, LastTransferAddress}};
}
TransferPlan SignalTablePlan()
{
    return {{PlanStep::SignalTable, 0, PoleSigBytes - 1}};
}
TransferPlan OneShotPlan(const QByteArray &frame)
{
    return {{PlanStep::OneShot, 0, -1, frame}};
}

TransferPlan StorePlan(int first, int last, bool backup, bool readBack, bool restart)
{
    TransferPlan plan;
    if (backup)
        plan.push_back({PlanStep::Backup, 0, LastTransferAddress});
    plan.push_back({PlanStep::AddressCheck, first, last}); // it asks for byte 4 whatever the range
    plan.push_back({PlanStep::Write, first, last});
    if (readBack)
        plan.push_back({PlanStep::ReadBack, first, last});
    if (restart)
        plan.push_back({PlanStep::Restart});
    return plan;
}

TransferPlan FactoryResetPlan(bool backup)
{
    TransferPlan plan;
    if (backup)
        plan.push_back({PlanStep::Backup, 0, LastTransferAddress});
    plan.push_back({PlanStep::FactoryReset});
    return plan;
}

} // namespace hx7
