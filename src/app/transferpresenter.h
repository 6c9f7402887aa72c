// SPDX-License-Identifier: GPL-3.0-or-later
// Between the transfer controller and the main window: it owns the controller, is its view, turns each outcome
// into words, boxes and the status line, keeps the progress bar, the stop button and the backups, and knows
// what a close means while a transfer runs. The window only lays out widgets and menus.
#pragma once

#include "backups.h"
#include "bytemap.h"
#include "transfercontroller.h"
#include "transferview.h"

#include <QElapsedTimer>
#include <QObject>

class QAction;
class QHBoxLayout;
class QLabel;
class QMainWindow;
class QProgressBar;
class QPushButton;

namespace hx7 {

class ConfigDocument;
class Prompts;
class VerifyDetails;

class TransferPresenter : public QObject, public TransferView
{
    Q_OBJECT
public:
    TransferPresenter(ConfigDocument &document, SerialLink &link, Prompts &prompts, QMainWindow &window);

    TransferController &Controller() { return m_controller; }
    const BackupStore &Backups() const { return m_backups; }
    // The progress bar, its label and the stop button, placed in the window's bottom row.
    void AddProgressWidgets(QHBoxLayout *row, QWidget *parent);
    // Disabled while a transfer runs: the link commands that would do nothing then.
    void SetLinkControls(QList<QAction *> actions, QWidget *testButton);

    // One 100 ms step, after the link's receive step.
    void Tick();
    void StartRead(); // the caller has asked about unsaved changes
    void StartVerify();
    void StartStore(int scope, int route, bool backup, bool verify);
    void StartFactoryReset();
    void Stop();
    // SIGTERM: nobody to ask. Stops what runs as "stop and quit" does; true when the window may close now.
    bool Terminate();
    bool Terminating() const { return m_terminating; }
    void MarkTerminating() { m_terminating = true; }
    // A dialog opened before a read ended and OK'd after it: whether its values may go over what was read.
    int ReadsTaken() const { return m_readsTaken; }
    bool MayOverwriteRead(int readsBefore);
    // The window is asked to close: false when it stays open (a transfer changes the module and the user chose
    // to wait or stop, or Escape). A read or verify is stopped, so that it cannot end under the next question.
    bool MayClose();
    // The close was cancelled after MayClose (unsaved changes): the restore a quit left unoffered is offered.
    void CloseCancelled();
    void WindowClosed() { m_windowClosed = true; }
    // Differences to show in their window: the image's side is program.
    void ShowDifferences(const ImageBytes &program, const QList<ByteDifference> &differences,
                         const QString &otherName = {});

    // Whether the last read's bytes went into the image (the user may have kept the edits made while it ran).
    bool LastReadTaken() const { return m_lastReadTaken; }
    // The bytes the running or last verify found different.
    int DifferenceCount() const { return int(m_differences.size()); }
    bool DiffersAt(int address) const; // the last verify found byte address different

    // TransferView
    void SetProgress(int position) override;
    void SetProgressVisible(bool visible) override;
    void RoutesChanged() override;
    void Warning(const QString &text) override;
    void Information(const QString &text) override;
    std::optional<bool> Ask(TransferQuestion question, const QuestionFacts &facts) override;
    bool KeepBackup(const ImageBytes &module, const Overwrite &followed, QString *why) override;
    void Finished(TransferOutcome outcome) override;
    void ByteDiffers(int address, std::uint8_t imageByte, std::uint8_t moduleByte) override;
    void StepStarted(TransferStep step, int number, int count) override;

Q_SIGNALS:
    void BackupKept();
    // A version query was answered (not a search, not what a store learnt of the module later).
    void ModuleAnswered(const ModuleIdentity &module);
    // Every transfer's end, after the presenter has shown it (a version query's too: Identified).
    void TransferEnded(hx7::TransferOutcome outcome);
    void CloseWindow(); // a transfer the window was to close after has ended well, or "stop and quit" stopped it

private:
    void UpdateActions();
    void StartingOverwrite();
    void ShowStatus(const QString &text, int timeout = 0);
    void FinishedStatus(TransferOutcome outcome);
    QString Seconds() const; // since the transfer began, as the status line shows it: "2.8"
    QString StoredStatus() const;
    void Identified();
    bool ReadTaken(); // false when the user kept the edits made while the read ran
    void Stored();
    void Verified(TransferOutcome outcome);
    void SignalTableRead();
    QString StoppedText(bool *offer);
    void Stopped();
    void OfferRestore(QString text);
    void EndOfTransfer(bool wentWell);

    ConfigDocument &m_document;
    SerialLink &m_link;
    Prompts &m_prompts;
    QMainWindow &m_window;
    TransferController m_controller;
    BackupStore m_backups;
    VerifyDetails *m_verifyDetails;
    QProgressBar *PBar1 = nullptr;
    QLabel *LBbar1 = nullptr;
    QPushButton *BTstop1 = nullptr;
    QList<QAction *> m_linkActions;
    QWidget *m_testButton = nullptr;

    QList<ByteDifference> m_differences; // of the running or last verify
    QString m_lastBackup;                // the backup taken before the running or last overwrite
    ImageBytes m_readStart{};            // the image as it was when the running read began
    int m_readsTaken = 0;                // reads whose bytes went into the image
    bool m_lastReadTaken = false;
    QElapsedTimer m_transferClock;
    bool m_closeWhenDone = false;       // "wait and close": the window closes when the transfer has ended
    bool m_lastTransferWentWell = true; // neither failed nor stopped
    bool m_quitAfterStop = false;       // "stop and quit"
    bool m_terminating = false;         // SIGTERM: nobody to ask
    bool m_windowClosed = false;
    bool m_storing = false; // a store or restore runs: its end tells the module's address code
    // The backup a stopped store may be restored from, and the range that store may have written.
    struct RestoreOffer {
        QString backup;
        int first = 0;
        int last = -1;
        int addressCode = -1; // what the restore last started from it expected in byte 4
    } m_restoreOffer;
    QString m_unofferedRestore; // what a store stopped to quit left, while its restore has not been offered
};

} // namespace hx7
