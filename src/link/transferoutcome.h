// SPDX-License-Identifier: GPL-3.0-or-later
// How a transfer ended, as a value: the controller reports it, its owner (the main window, hx7ctl) decides what
// to show or which exit code to give; nothing has to read a shown text back to know what happened.
#pragma once

#include <QString>

namespace hx7 {

enum class TransferOutcome {
    Read,            // every byte came; the image and the routes hold them
    Equal,           // a verify found the module equal to the image
    Different,       // a verify found differences (each reported through ByteDiffers first)
    Stored,          // every byte was written and acknowledged
    SignalTableRead, // the 128 bytes of the signal table are in the image, for the owner to dump
    ReadFailed,      // a read, verify or signal-table read gave up after its retries
    StoreFailed,     // a write gave up after its retries
    CommFailed,      // the address check before a store had no answer
    Refused,         // the module's address did not match and the user chose not to store
    BackupFailed,    // the backup before an overwrite failed and the user chose not to go on: nothing was sent
    StoredDifferent, // every byte was acknowledged, but the verify after the store found differences
    StoreUnverified, // every byte was acknowledged, but the verify after the store could not read them back
    Stopped,         // the user (or a signal) stopped it; a store stops after the byte in flight
    Identified,      // the version query ended: TransferController::Identity() holds the module, or nothing
};

// What a transfer waits to be answered, Yes or No.
enum class TransferQuestion {
    AddressMismatch, // the module's address code is not the image's: store anyway?
    NoBackup,        // the backup before an overwrite failed: overwrite without one?
};

// The steps a transfer is made of, for the view to name the one that runs.
enum class TransferStep {
    None,
    Query,         // the type and version query
    Read,          // the module's bytes into the image
    Verify,        // the module compared with the image
    SignalTable,   // the developer's signal table
    Backup,        // the whole module kept before a store or a factory reset
    Write,         // the bytes of a store (or of a restore) into the module
    VerifyWritten, // the stored bytes read back
    Reset,         // the factory reset frame
};

// What a question is about, for the view to word it: the address codes of a mismatch; for an overwrite without
// a backup, whether a factory reset follows and why the backup failed (the view's own words from KeepBackup;
// empty when the module did not answer the backup's read).
struct QuestionFacts {
    int moduleAddressCode = -1;
    int imageAddressCode = -1;
    bool factoryReset = false;
    QString backupError;
};

} // namespace hx7
