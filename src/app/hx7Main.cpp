// SPDX-License-Identifier: GPL-3.0-or-later
// The main window.
#include "hx7Main.h"

#include "DLGkonfigHX7.h"
#include "DLGmanServis2.h"
#include "DLGsetCesta1.h"
#include "DLGsetComm1.h"
#include "DLGstoreData.h"
#include "backupswindow.h"
#include "dialogparts.h"
#include "helpwindow.h"
#include "hx7version.h"
#include "language.h"
#include "layoutcommands.h"
#include "monitorwindow.h"
#include "prompts.h"
#include "qtserialport.h"
#include "routegrid.h"
#include "statusline.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>
#include <cstdio>

namespace hx7 {

TMainForm1::TMainForm1(SharedData &data, SerialLink &link, const Settings &settings, Prompts &prompts, QWidget *parent,
                       SerialPort *probePort)
    : QMainWindow(parent), m_data(data), m_link(link), m_settings(settings), m_prompts(prompts), m_document(data)
{
    setObjectName(QStringLiteral("TMainForm1"));
    m_presenter = new TransferPresenter(m_document, link, prompts, *this);
    m_files = new FileCommands(m_document, prompts, settings, *m_presenter, *this);
    m_layouts = new LayoutCommands(m_document, prompts, settings, *m_files, *m_presenter, *this);

    auto *central = new QWidget(this);
    Table1 = new RouteGrid(this);
    Table1->setAccessibleName(tr("Návěstní cesty"));
    connect(Table1, &RouteGrid::OpenRequested, this, &TMainForm1::Table1DblClick);
    auto *Label1 = Named(new QLabel(tr("Klikněte  na vybraný řádek pro zobrazení detailů"), central), "Label1");
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(Table1, 1);
    layout->addWidget(Label1);
    BuildBottomRow(central, layout);
    setCentralWidget(central);

    Timer1 = Named(new QTimer(this), "Timer1");
    Timer1->setInterval(100);
    Timer1->setTimerType(Qt::PreciseTimer);
    // The tick runs from the event loop, not inside the timer's own call: Qt fires no timer again while its slot
    // runs, and a box that a tick opens (a transfer's end) would stop the ticks until it closed.
    connect(Timer1, &QTimer::timeout, this,
            [this] { QMetaObject::invokeMethod(this, &TMainForm1::Timer1Timer, Qt::QueuedConnection); });

    BuildFileMenu();
    BuildTransferMenu();
    BuildLayoutMenu();
    BuildInfoMenu();
    m_status = new StatusLine(*statusBar(), link);
    setAcceptDrops(true);
    setWindowIcon(QIcon::fromTheme(QStringLiteral("hx7conf"), QIcon(QStringLiteral(":/icons/hx7conf.png"))));
    FitToScreen(Table1->WholeSize());
    BuildDialogs();
    if (!probePort) {
        m_ownProbePort = std::make_unique<QtSerialPort>();
        probePort = m_ownProbePort.get();
    }
    m_prober = new PortProber(*probePort, this);
    m_commDialog->SetPortLister([this] { return ListPorts(m_settings, m_link.ChosenDevices()); });
    m_commDialog->SetSearch({m_prober, [this] { return BeginPortSearch(); }, [this] { EndPortSearch(); }});
    // Bytes are received as they arrive, so that the link can tell those that came too soon after a frame
    // to answer it; the fast transfer also takes each reply then, the tick mode only on the tick.
    m_link.SetBytesArrivedHandler([this] {
        m_link.ReceiveStep();
        Controller().Advance();
    });
    ConnectDocument();
}

TMainForm1::~TMainForm1()
{
    m_link.SetBytesArrivedHandler({}); // the link outlives the window
    m_link.SetTrafficLog(nullptr);
}

void TMainForm1::BuildBottomRow(QWidget *central, QLayout *layout)
{
    BTtest1 = Named(new QPushButton(tr("Test comm"), central), "BTtest1");
    // With a layout open the answer also says which of its modules this is: the address code is read too.
    connect(BTtest1, &QPushButton::clicked, this, [this] {
        if (!m_layouts->Current() || !m_layouts->Identify())
            Controller().StartVersionQuery();
    });
    LBverze1 = Named(new QLabel(QStringLiteral("??"), central), "LBverze1");
    QFont big = LBverze1->font();
    big.setPixelSize(16);
    LBverze1->setFont(big);
    LBverze1->setMinimumWidth(120);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(BTtest1);
    bottom->addSpacing(12);
    bottom->addWidget(LBverze1);
    bottom->addStretch();
    m_presenter->AddProgressWidgets(bottom, central);
    static_cast<QVBoxLayout *>(layout)->addLayout(bottom);
    // Escape stops what runs, as in a progress dialog; the dialogs keep their own Escape.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (!Controller().IsIdle())
            Zastavit1Click();
    });
}

// The whole grid where the screen has room for it; on a small screen (or at a large scale) no more than the
// screen's free area, the title bar and the frame included, so the status bar is never off screen.
void TMainForm1::FitToScreen(QSize grid)
{
    QSize size(std::max(grid.width() + 24, 574),
               grid.height() + menuBar()->sizeHint().height() + statusBar()->sizeHint().height() + 90);
    if (const QScreen *shown = screen())
        size = size.boundedTo(shown->availableGeometry().size() - QSize(16, 48));
    resize(size);
}

void TMainForm1::BuildDialogs()
{
    m_storeDialog = new TDlgStore1(this);
    m_configDialog = new TFormKonfDCC(
        m_data, [this] { return TypHX7S1->isChecked(); }, this);
    m_testDialog = new TManualForm2(Controller(), this);
    m_routeDialog = new TCestaForm1(this);
    m_commDialog = new TOKcommDlg([this](int n) { return m_link.DeviceName(n); }, this);
    m_helpWindow = new THelpWindow(this);
    m_backupsWindow = new TBackupsWindow(this);
    m_backupsWindow->SetStore(m_presenter->Backups());
    connect(m_backupsWindow, &TBackupsWindow::LoadRequested, this, &TMainForm1::LoadFile);
    connect(m_backupsWindow, &TBackupsWindow::CompareRequested, m_files, &FileCommands::CompareWithBackup);
    connect(m_presenter, &TransferPresenter::BackupKept, this, [this] {
        if (m_backupsWindow->isVisible())
            m_backupsWindow->Refresh();
    });
    connect(m_presenter, &TransferPresenter::CloseWindow, this, &QWidget::close);
    // Only an answer to Test comm sets the mark: the user may take it off, and a store or a search must not
    // put it back.
    connect(m_presenter, &TransferPresenter::ModuleAnswered, this, [this](const ModuleIdentity &module) {
        if (module.IsHx7S())
            TypHX7S1->setChecked(true);
    });
    m_link.SetTrafficLog(&m_trafficLog);
    m_monitor = new MonitorWindow(m_trafficLog, this);
    ConnectLayouts();
}

void TMainForm1::ConnectLayouts()
{
    connect(m_layouts, &LayoutCommands::NamesChanged, this, [this] {
        const CommandNames names = m_layouts->Names();
        Table1->SetNames(names);
        m_routeDialog->Names = names;
        RefreshRouteGrid();
        UpdateTitle(); // an entry renamed
    });
    connect(m_layouts, &LayoutCommands::RouteRequested, this, [this](int route) {
        Table1->setCurrentCell(std::clamp(route, 1, RouteCount) - 1, 0);
        Table1DblClick();
    });
    connect(m_layouts, &LayoutCommands::BackupsRequested, this, &TMainForm1::ShowBackupsOf);
}

void TMainForm1::ShowBackupsOf(int addressCode)
{
    m_backupsWindow->Refresh();
    // The window's own choice of module, set to this decoder address when it has backups of it.
    if (auto *filter = m_backupsWindow->findChild<QComboBox *>(QStringLiteral("CBmodul")))
        filter->setCurrentIndex(std::max(0, filter->findData(addressCode)));
    ShowWindow(m_backupsWindow);
}

void TMainForm1::OpenLayoutAtStart(const QString &folder)
{
    m_layouts->OpenAtStart(folder);
}

void TMainForm1::ConnectDocument()
{
    connect(&m_document, &ConfigDocument::ImageReplaced, this, &TMainForm1::RefreshRouteGrid);
    connect(&m_document, &ConfigDocument::StateChanged, this, &TMainForm1::UpdateTitle);
    connect(&m_document, &ConfigDocument::ModuleChanged, this, &TMainForm1::ShowModule);
    connect(m_files, &FileCommands::StatusMessage, statusBar(), &QStatusBar::showMessage);
    m_files->SetSheetHx7S([this] { return TypHX7S1->isChecked(); });
    UpdateTitle();
}

void TMainForm1::FormCreate()
{
    m_link.ComPortNumber = 1;
    m_settings.Read(m_link.ComPortNumber, DeveloperMode);
    m_document.New(); // nothing to lose yet: the defaults are what a new module holds
    NastpoleSIG1->setVisible(DeveloperMode);
    const QString language = SettingsLanguage(m_settings.path());
    m_language = language; // the language the program started in, which its texts are in
    findChild<QAction *>(QString::fromLatin1(LanguageActionName(language)))->setChecked(true);
    Controller().SetFastMode(m_settings.FastTransfer());
    m_storeDialog->SetSafety(m_settings.BackupBeforeStore(), m_settings.VerifyAfterStore());
    Controller().SetBackupBeforeStore(m_storeDialog->BackupBeforeStore);
    Controller().SetVerifyAfterStore(m_storeDialog->VerifyAfterStore);
    RychlyPrenos1->setChecked(Controller().FastMode());
    m_files->FillRecentMenu();
    m_layouts->FillRecentMenu();
    if (const QByteArray geometry = m_settings.WindowGeometry(); !geometry.isEmpty())
        restoreGeometry(geometry); // kept on the screen's free area if that has shrunk since
    if (!m_link.Open(m_link.ComPortNumber))
        m_prompts.Warning(this, SerialLink::OpenErrorText(m_link.ComPortNumber, m_link.LastOpenFailure()));
    UpdateStatus();
    Timer1->start();
}

void TMainForm1::UpdateTitle()
{
    const QString program = tr("HX7  konfigurace");
    const QString path = m_document.FilePath();
    const QString entry = m_layouts ? m_layouts->EntryTitle() : QString();
    if (!entry.isEmpty())
        setWindowTitle(tr("%1[*] – %2").arg(entry, program));
    else
        setWindowTitle(path.isEmpty() ? program + QStringLiteral("[*]")
                                      : tr("%1[*] – %2").arg(QFileInfo(path).fileName(), program));
    setWindowFilePath(path);
    setWindowModified(IsModified());
}

void TMainForm1::ShowModule()
{
    const std::optional<ModuleIdentity> &module = m_document.Module();
    LBverze1->setText(module ? module->Name() : QStringLiteral("??"));
    UpdateStatus();
}

void TMainForm1::UpdateStatus()
{
    m_status->Update(m_document.Module(), Controller().FastMode());
}

void TMainForm1::dragEnterEvent(QDragEnterEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile())
        event->acceptProposedAction();
}

void TMainForm1::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    LoadFile(urls.first().toLocalFile());
}

void TMainForm1::RefreshRouteGrid()
{
    Table1->Refresh(m_data.RouteTable);
}

int TMainForm1::SelectedRoute() const
{
    return Table1->SelectedRoute();
}

void TMainForm1::Timer1Timer()
{
    m_link.ReceiveStep();
    m_presenter->Tick();
    m_prober->Tick();
    UpdateStatus(); // an unplugged adapter shows at once
}

void TMainForm1::ReadData1Click()
{
    if (Controller().IsIdle() && m_files->MayReplaceData())
        m_presenter->StartRead();
}

void TMainForm1::VerifData1Click()
{
    if (Controller().IsIdle())
        m_presenter->StartVerify();
}

void TMainForm1::UlozitData1Click()
{
    const int route = SelectedRoute(); // before the dialog, which a running read may outlast
    const bool ok = m_storeDialog->exec() == QDialog::Accepted;
    // Either button takes over the choice; a store already running ends by the newest reset choice.
    Controller().SetResetAfterStore(m_storeDialog->ResetAfterStore);
    const bool backup = m_storeDialog->BackupBeforeStore;
    const bool verify = m_storeDialog->VerifyAfterStore;
    if (!m_settings.WriteStoreSafety(backup, verify))
        m_prompts.Warning(this, SettingsWriteErrorText(m_settings.path()));
    if (ok && Controller().IsIdle())
        m_presenter->StartStore(m_storeDialog->StoreScope, route, backup, verify);
}

void TMainForm1::Inicnastaven1Click()
{
    // A factory reset is always backed up first: it overwrites everything the module holds.
    if (m_prompts.WarnYesCancel(this, tr("Resetovat konfiguraci do počátečního nastavení ?")))
        m_presenter->StartFactoryReset();
}

void TMainForm1::Zastavit1Click()
{
    m_presenter->Stop();
}

void TMainForm1::Terminate()
{
    // Nobody is there to answer: a store stops after the byte in flight and says on stderr what it left;
    // unsaved edits cannot be asked about. A question that is open is answered as Escape answers it (No,
    // Cancel, keep as it is): nothing more goes to the module. Its event loop ends first, then the rest runs.
    if (auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
        m_presenter->MarkTerminating(); // the box's end must not start anything
        modal->reject();
        QTimer::singleShot(0, this, &TMainForm1::Terminate);
        return;
    }
    if (m_presenter->Terminate())
        close();
}

void TMainForm1::KonfiguraceModulu1Click()
{
    const int reads = m_presenter->ReadsTaken();
    m_configDialog->MayApply = [this, reads] { return m_presenter->MayOverwriteRead(reads); };
    const bool accepted = m_configDialog->exec() == QDialog::Accepted;
    m_configDialog->MayApply = {};
    if (accepted)
        m_document.Edited(tr("konfigurace modulu"));
}

void TMainForm1::Table1DblClick()
{
    const int r = SelectedRoute();
    m_routeDialog->RouteEditBuffer = m_data.RouteTable[r - 1];
    m_routeDialog->setWindowTitle(tr("Konfigurace návěstní cesty č.%1").arg(r));
    m_routeDialog->FourTurnoutRoute = r > LongSlotRoutes;
    m_routeDialog->RouteNumber = r;
    const int reads = m_presenter->ReadsTaken();
    if (m_routeDialog->exec() != QDialog::Accepted || !m_presenter->MayOverwriteRead(reads))
        return;
    m_data.RouteTable[r - 1] = m_routeDialog->RouteEditBuffer;
    EncodeRoutes(m_data.RouteTable, m_data.ConfigImage.data());
    RefreshRouteGrid();
    m_document.Edited(tr("cesta %1").arg(r));
}

void TMainForm1::LoadFile(const QString &path)
{
    m_files->OpenPath(path);
}

void TMainForm1::ExportPdf1Click()
{
    m_files->ExportPdf();
}

void TMainForm1::ShowWindow(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void TMainForm1::KonfiguraceRS2321Click()
{
    m_commDialog->PortNumber = m_link.ComPortNumber;
    if (m_commDialog->exec() != QDialog::Accepted)
        return;
    const int n = m_commDialog->PortNumber;
    const QString device = m_commDialog->PortDevice;
    // An adapter chosen from the list is remembered for its number at once, every other line kept.
    if (!device.isEmpty()) {
        const bool remembered = m_settings.PortDeviceName(n) == device || m_settings.WritePortMapping(n, device);
        if (!remembered)
            m_prompts.Warning(this, SettingsWriteErrorText(m_settings.path()));
        // Not remembered for the next start, the adapter the user chose is still the one used now. Once the
        // settings name it (or name it again), they decide: an earlier choice of this run must not win.
        // An earlier line for the same number ("COM03=") can outweigh the line just written: then the
        // choice stays this run's own too.
        m_link.UseDevice(n, remembered && m_settings.PortDeviceName(n) == device ? QString() : device);
    }
    m_link.ComPortNumber = n;
    // The module a search found on the chosen port is the module the program now talks to.
    for (const ProbeResult &r : m_prober->Results())
        if (r.device == m_link.DeviceName(n) && r.module)
            m_document.SetModule(r.module);
    if (!m_link.Reopen(n))
        m_prompts.Warning(this, SerialLink::OpenErrorText(n, m_link.LastOpenFailure()));
    UpdateStatus();
}

void TMainForm1::RychlyPrenos1Click()
{
    // A transfer already running changes pace at once; both modes keep the same frames and time-outs.
    Controller().SetFastMode(RychlyPrenos1->isChecked());
    UpdateStatus();
    if (!m_settings.WriteFastTransfer(Controller().FastMode()))
        m_prompts.Warning(this, SettingsWriteErrorText(m_settings.path()));
}

bool TMainForm1::BeginPortSearch()
{
    // The search needs the ports to itself, the program's own included (a port opens only once).
    if (!Controller().IsIdle())
        return false;
    m_reopenAfterSearch = m_link.IsOpen();
    m_link.Close();
    return true;
}

void TMainForm1::EndPortSearch()
{
    if (m_reopenAfterSearch)
        m_link.Open(m_link.ComPortNumber);
    m_reopenAfterSearch = false;
    UpdateStatus();
}

void TMainForm1::closeEvent(QCloseEvent *event)
{
    if (!m_closed && !m_presenter->MayClose()) {
        event->ignore();
        return;
    }
    // Unsaved edits are asked about first (a signal cannot answer); a cancelled question or save keeps the
    // window open.
    if (!m_closed && IsModified() && m_presenter->Terminating()) {
        std::fprintf(stderr, "hx7conf: %s\n", qPrintable(tr("neuložené změny konfigurace se zahodily")));
    } else if (!m_closed && !m_files->MayReplaceData()) {
        event->ignore();
        m_presenter->CloseCancelled();
        return;
    }
    if (!m_closed) {
        m_closed = true;
        m_presenter->WindowClosed();
        Timer1->stop();
        m_link.Close();
        if (!m_settings.WriteComSerial(m_link.ComPortNumber) ||
            (isVisible() && !isMaximized() && !isFullScreen() && !m_settings.WriteWindowGeometry(saveGeometry())))
            m_prompts.Warning(this, SettingsWriteErrorText(m_settings.path()));
    }
    event->accept();
}

} // namespace hx7
