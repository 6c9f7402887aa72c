// SPDX-License-Identifier: GPL-3.0-or-later
// The main window over one configuration document: the route table, the menu, "Test comm", the status bar and
// the 100 ms timer that drives the serial link; the transfer presenter between it and the transfer controller.
#pragma once

#include "configdocument.h"
#include "filecommands.h"
#include "hx7_var1.h"
#include "portprober.h"
#include "seriallink.h"
#include "settings.h"
#include "trafficlog.h"
#include "transferpresenter.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QUndoStack;
class QLabel;
class QPushButton;
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
class MonitorWindow;
class RouteGrid;
class StatusLine;
class LayoutCommands;

// The object name of the Jazyk menu's item of a language ("JazykCestina1" for "cs").
const char *LanguageActionName(const QString &code);

class TMainForm1 : public QMainWindow
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
    ConfigDocument &Document() { return m_document; }
    TransferController &Controller() { return m_presenter->Controller(); }
    PortProber &Prober() { return *m_prober; }
    bool DeveloperMode = false;

    // Handlers, public so that tests can run them as a click would.
    void Timer1Timer();
    void ReadData1Click();
    void VerifData1Click();
    void UlozitData1Click();
    void Inicnastaven1Click();
    void Zastavit1Click(); // Stop (the button beside the progress bar, Escape)
    // SIGTERM (a session logging out): what "stop and quit" does, with the words on stderr, and no question.
    void Terminate();
    void LoadFile(const QString &path); // through the loader, as "Načíst data" loads the file chosen
    // At start: the layout in folder (the command line's), else the one open when the program last ended.
    void OpenLayoutAtStart(const QString &folder = {});
    LayoutCommands &Layouts() { return *m_layouts; }
    void ExportPdf1Click();
    void KonfiguraceModulu1Click();
    // The image differs from what was last loaded, saved, read or stored (the title's modified mark).
    bool IsModified() const { return m_document.IsModified(); }
    // For the undo steps: puts the module's bytes of image back and shows them.
    void RestoreImage(const ImageBytes &image) { m_document.Restore(image); }
    QUndoStack &UndoStack() { return m_document.UndoStack(); }
    void Table1DblClick();
    void KonfiguraceRS2321Click();
    void RychlyPrenos1Click();
    void JazykClick(const QString &language); // one of LanguageCodes(), from the next start on
    void Oprogramu1Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void BuildFileMenu();
    void BuildTransferMenu();
    void BuildLayoutMenu();
    void BuildInfoMenu();
    void ConnectLayouts();
    void ShowBackupsOf(int addressCode);
    void BuildBottomRow(QWidget *central, QLayout *layout);
    void BuildDialogs();
    void ConnectDocument();
    void UpdateTitle();
    void UpdateStatus();
    void ShowModule();
    void FitToScreen(QSize grid);
    static void ShowWindow(QWidget *window); // shown, raised and active
    // A menu item named name that runs handler, a member function or a lambda.
    template <typename Handler> QAction *AddAction(QMenu *menu, const char *name, const QString &text, Handler handler);
    QAction *StackAction(QUndoStack &stack, bool redo, const QString &word, const QString &withStep);

    SharedData &m_data;
    SerialLink &m_link;
    const Settings &m_settings;
    Prompts &m_prompts;
    ConfigDocument m_document;
    TransferPresenter *m_presenter;
    FileCommands *m_files;
    LayoutCommands *m_layouts = nullptr;

    bool BeginPortSearch();
    void EndPortSearch();
    std::unique_ptr<SerialPort> m_ownProbePort;
    PortProber *m_prober;
    bool m_reopenAfterSearch = false;

    bool m_closed = false;

    RouteGrid *Table1;
    QPushButton *BTtest1;
    QLabel *LBverze1;
    QTimer *Timer1;
    QAction *TypHX7S1;
    QAction *NastpoleSIG1;
    QAction *RychlyPrenos1;
    QList<QAction *> m_linkActions; // disabled while a transfer runs

    TDlgStore1 *m_storeDialog;
    TFormKonfDCC *m_configDialog;
    TManualForm2 *m_testDialog;
    TCestaForm1 *m_routeDialog;
    TOKcommDlg *m_commDialog;
    TrafficLog m_trafficLog; // records only while the monitor is open
    MonitorWindow *m_monitor;
    TBackupsWindow *m_backupsWindow;
    THelpWindow *m_helpWindow;
    QString m_language = QStringLiteral("cs");
    StatusLine *m_status;
};

} // namespace hx7
