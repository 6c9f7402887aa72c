// SPDX-License-Identifier: GPL-3.0-or-later
// hx7ctl's layout commands that work on the layout's folder alone: make one, add, change and remove its entries
// and other decoders, list it, check it, show its address plan and write its report. The commands that also ask
// the connected module (identify, layout verify) share the other commands' session and live with them.
#pragma once

#include "ctlcommands.h"
#include "ctltable.h"
#include "hx7_var1.h"
#include "layout.h"

#include <optional>

namespace hx7 {

// Loads a configuration file into a default image; the reason in the user's language when it cannot be used.
std::optional<QString> LoadFile(const QString &path, SharedData &data, HeldAddresses &held);
// The layout in r.folder; nothing, with the reason said, when it is not one.
std::optional<Layout> OpenLayoutFor(const CtlRequest &r, CtlIo &io);

void ParseLayoutFolder(QStringList &arguments, CtlRequest &request); // DIR alone
void ParseLayoutNew(QStringList &arguments, CtlRequest &request);
void ParseLayoutAdd(QStringList &arguments, CtlRequest &request);
void ParseLayoutSet(QStringList &arguments, CtlRequest &request);
void ParseLayoutRemove(QStringList &arguments, CtlRequest &request);
void ParseLayoutOther(QStringList &arguments, CtlRequest &request);
void ParseLayoutPlan(QStringList &arguments, CtlRequest &request);
void ParseLayoutReport(QStringList &arguments, CtlRequest &request);

int RunLayoutNew(const CtlRequest &request, CtlIo &io);
int RunLayoutAdd(const CtlRequest &request, CtlIo &io);
int RunLayoutSet(const CtlRequest &request, CtlIo &io);
int RunLayoutRemove(const CtlRequest &request, CtlIo &io);
int RunLayoutOther(const CtlRequest &request, CtlIo &io);
int RunLayoutList(const CtlRequest &request, CtlIo &io);
int RunLayoutCheck(const CtlRequest &request, CtlIo &io);
int RunLayoutPlan(const CtlRequest &request, CtlIo &io);
int RunLayoutReport(const CtlRequest &request, CtlIo &io);

} // namespace hx7
