// SPDX-License-Identifier: GPL-3.0-or-later
// The words of a transfer, for the views that show them (the main window's boxes, hx7ctl's stderr): the
// controller reports outcomes, questions and counts as values, and each view puts them into words from here.
#pragma once

#include "transferoutcome.h"

#include <QString>

namespace hx7 {

class TransferController;

// What the user is told of an outcome, in Czech (the source language): empty for the outcomes that pass in
// silence and for the signal table, whose message depends on writing the dump.
QString OutcomeSourceText(TransferOutcome outcome);
// That text in the user's language.
QString OutcomeText(TransferOutcome outcome);
// A failure is shown as a warning, the rest as information.
bool IsFailure(TransferOutcome outcome);
// The question a transfer waits on, in the user's language.
QString QuestionText(TransferQuestion question, const QuestionFacts &facts);
// After a failed or stopped store: how many bytes of its range the module acknowledged, and the backup taken
// before it (a file; empty when none was), in the user's language.
QString StoreLeftText(const TransferController &controller, const QString &backup);
// A store dialog closed with OK and nothing chosen.
QString NoScopeText();
// A module whose firmware lacks the newer functions has answered.
QString OldFirmwareText();
// The developer's signal table has been written to its file.
QString SignalTableDoneText();

} // namespace hx7
