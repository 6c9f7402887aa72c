// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the route table, the menu, "Test comm", the transfer progress and the 100 ms timer
// that drives the serial link and the transfer controller.
#pragma once

#include "backups.h"
#include "configsheet.h"
#include "hx7_var1.h"
#include "portprober.h"
#include "seriallink.h"
#include "settings.h"
#include "trafficlog.h"
#include "transfercontroller.h"
#include "transferview.h"
#include "verifydetails.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QMainWindow>
#include <memory>

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QUndoStack;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;

namespace hx7 {

class Prompts;
class TCestaForm1;
class TBackupsWindow;
class THelpWindow;
class TDlgStore1;
class TFormKonfDCC;
class TManualForm2;
class TOKcommDlg;
class VerifyDetails;
class MonitorWindow;

class TMainForm1 : public QMainWindow, public TransferView
{
    Q_OBJECT
public:
    // probePort: the port object the module search opens the candidates on (a QSerialPort when null).
    TMainForm1(SharedData &data, SerialLink &link, const Settings &settings, Prompts &prompts,
               QWidget *parent = nullptr, SerialPort *probePort = nullptr);
    ~TMainForm1() override;

    // Start-up: settings, image defaults, routes, grid, developer item, serial port, timer.
    void FormCreate();

    void RefreshRouteGrid();
    int SelectedRoute() const; // 1..24
    TransferController &Controller() { return m_controller; }
    PortProber &Prober() { return *m_prober; }
    bool DeveloperMode = false;

    // Handlers, public so that tests can run them as a click would.
    void Timer1Timer();
    void ReadData1Click();
    void VerifData1Click();
    void UlozitData1Click();
    void Inicnastaven1Click();
    void Uloit1Click();    // "Uložit data": always asks for a name (Save As)
    void Ulozit1Click();   // "Uložit": into the file the data came from or was saved to; asks only without one
    void Zastavit1Click(); // Stop (the button beside the progress bar, Escape)
    // SIGTERM (a session logging out): what "stop and quit" does, with the words on stderr, and no question.
    void Terminate();
    void Nast1Click();
    void LoadFile(const QString &path); // through the loader, as "Načíst data" loads the file chosen
    void CompareWithBackup(const QString &path);
    void ZalohyModulu1Click();
    void Tisk1Click();
    void ExportPdf1Click();
    void KonfiguraceModulu1Click();
    void OpenRecent(const QString &path);
    // The image differs from what was last loaded, saved, read or stored (the title's modified mark).
    bool IsModified() const;
    // For the undo steps: puts the module's bytes of image back and shows them.
    void RestoreImage(const ImageBytes &image);
    QUndoStack &UndoStack() { return *m_undo; }
    void Table1DblClick();
    void KonfiguraceRS2321Click();
    void RychlyPrenos1Click();
    void MonitorKomunikace1Click();
    void JazykClick(const QString &language); // "cs" or "en", from the next start on
    void Oprogramu1Click();

    // TransferView
    void SetProgress(int position) override;
    void SetProgressVisible(bool visible) override;
    void SetVersionText(const QString &text) override;
    void CheckHx7S() override;
    void RoutesChanged() override;
    void Warning(const QString &text) override;
    void Information(const QString &text) override;
    std::optional<bool> Ask(TransferQuestion question, const QString &text) override;
    bool KeepBackup(const ImageBytes &module, const Overwrite &followed, QString *why) override;
    void Finished(TransferOutcome outcome) override;
    void ByteDiffers(int address, std::uint8_t imageByte, std::uint8_t moduleByte) override;
    void StepStarted(TransferStep step, int number, int count) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void BuildMenu();
    void StartingOverwrite();
    SheetInfo Sheet() const;        // what the printed sheet says beside the image
    void Load(const QString &path); // LoadFile without the question
    bool SaveToFile();              // "Uložit data": false when cancelled or failed
    bool SaveInPlace();             // "Uložit": false when cancelled or failed
    bool WriteFile(const QString &path);
    void SetFile(const QString &path); // the save target (none for a backup)
    // After a stopped transfer: what it left, and for a half-written module the offer to restore its backup.
    void Stopped();
    // Asks whether to put the backup back (text: what the stop left) and starts the restore.
    void OfferRestore(QString text);
    void FinishedStatus(TransferOutcome outcome);
    // After every transfer (a factory reset too, which has no outcome): the actions again, and the close the
    // user asked to wait for, which a transfer that did not go well keeps from happening.
    void EndOfTransfer(bool wentWell);
    // The link commands that would do nothing while a transfer runs are disabled during it.
    void UpdateActions();
    // A dialog opened before a read ended and OK'd after it: whether its values may go over what was read.
    bool MayOverwriteRead(int readsBefore);
    void ShareColumnWidth();
    // Asks about unsaved changes before they are replaced; false when the user chose to stop.
    bool MayReplaceData();
    // After every change of the image: one undo step if it changed, and the title's mark.
    void ImageChanged(const QString &what);
    void UpdateTitle();
    void UpdateStatus();
    void RememberFile(const QString &path);
    void FillRecentMenu();
    QSize BuildGrid();                   // returns the size that shows the whole grid
    std::array<int, 9> m_columnWidths{}; // what each column needs, before extra room is shared
    // A menu item named name that runs handler, a member function or a lambda.
    template <typename Handler> QAction *AddAction(QMenu *menu, const char *name, const QString &text, Handler handler);

    SharedData &m_data;
    SerialLink &m_link;
    const Settings &m_settings;
    Prompts &m_prompts;
    TransferController m_controller;

    bool BeginPortSearch();
    void EndPortSearch();
    std::unique_ptr<SerialPort> m_ownProbePort;
    PortProber *m_prober;
    bool m_reopenAfterSearch = false;

    bool m_closed = false;

    QTableWidget *Table1;
    QPushButton *BTtest1;
    QLabel *LBverze1;
    QProgressBar *PBar1;
    QLabel *LBbar1;
    QTimer *Timer1;
    QAction *TypHX7S1;
    QAction *NastpoleSIG1;
    QAction *RychlyPrenos1;
    QPushButton *BTstop1;
    QList<QAction *> m_linkActions; // disabled while a transfer runs

    TDlgStore1 *m_storeDialog;
    TFormKonfDCC *m_configDialog;
    TManualForm2 *m_testDialog;
    TCestaForm1 *m_routeDialog;
    TOKcommDlg *m_commDialog;
    VerifyDetails *m_verifyDetails;
    TrafficLog m_trafficLog; // records only while the monitor is open
    MonitorWindow *m_monitor;
    QList<ByteDifference> m_differences; // of the running or last verify
    BackupStore m_backups;
    QString m_lastBackup; // the backup taken before the running or last overwrite
    TBackupsWindow *m_backupsWindow;
    THelpWindow *m_helpWindow;
    QString m_language = QStringLiteral("cs");
    QUndoStack *m_undo;
    ImageBytes m_clean{}; // the image as last loaded, saved, read or stored (per range)
    ImageBytes m_shown{}; // the image as the newest undo step left it
    QString m_filePath;   // the file last loaded or saved; empty after a read from the module
    QList<QAction *> m_recentActions;
    QAction *m_recentSeparator;
    QLabel *m_statusPort;
    QLabel *m_statusModule;
    QLabel *m_statusFast;
    QString m_moduleFound;    // what the last Test comm or search heard from the module
    QDateTime m_fileStamp;    // when the save target was last loaded or saved, to tell a change on disk
    ImageBytes m_readStart{}; // the image as it was when the running read began
    int m_readsTaken = 0;     // reads whose bytes went into the image, to tell one that ended under a dialog
    QElapsedTimer m_transferClock;
    bool m_closeWhenDone = false;       // "wait and close": the window closes when the transfer has ended
    bool m_lastTransferWentWell = true; // neither failed nor stopped
    bool m_quitAfterStop = false;       // "stop and quit"
    bool m_terminating = false;         // SIGTERM: nobody to ask
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
