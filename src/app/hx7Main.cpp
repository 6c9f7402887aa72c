// SPDX-License-Identifier: GPL-3.0-or-later
// The main window.
#include "hx7Main.h"

#include "DLGkonfigHX7.h"
#include "DLGmanServis2.h"
#include "DLGsetCesta1.h"
#include "DLGsetComm1.h"
#include "DLGstoreData.h"
#include "backupswindow.h"
#include "configsheet.h"
#include "configtextfile.h"
#include "dialogparts.h"
#include "helpwindow.h"
#include "hx7version.h"
#include "language.h"
#include "monitorwindow.h"
#include "polesigdump.h"
#include "prompts.h"
#include "qtserialport.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>
#include <cstdio>
#include <numeric>

namespace hx7 {

namespace {
constexpr int ColumnWidths[9] = {25, 42, 47, 46, 47, 48, 48, 45, 132};

// The bytes a file and a module read hold; what "modified" and the undo steps compare.
bool SameData(const ImageBytes &a, const ImageBytes &b, int bytes = SavedByteCount)
{
    return std::equal(a.begin(), a.begin() + bytes, b.begin());
}

// One change of the image, kept as the whole image before and after it: a snapshot is 640 bytes, cheaper than
// an inverse operation and unable to drift from what the image really held.
class ImageStep : public QUndoCommand
{
public:
    ImageStep(TMainForm1 &window, const ImageBytes &before, const ImageBytes &after, const QString &text)
        : QUndoCommand(text), m_window(window), m_before(before), m_after(after)
    {}
    void undo() override { m_window.RestoreImage(m_before); }
    // The first redo is the push itself: the image already holds the change.
    void redo() override
    {
        if (!std::exchange(m_pushed, false))
            m_window.RestoreImage(m_after);
    }

private:
    TMainForm1 &m_window;
    ImageBytes m_before;
    ImageBytes m_after;
    bool m_pushed = true;
};

// A status bar text that does not fit is cut with "…"; the whole of it is in the tooltip.
class ElidingLabel : public QLabel
{
public:
    using QLabel::QLabel;
    QSize minimumSizeHint() const override
    {
        return {fontMetrics().horizontalAdvance(QStringLiteral("COM1") + QChar(0x2026)), 0};
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect area = contentsRect();
        painter.drawText(area, Qt::AlignVCenter | Qt::AlignLeft,
                         fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
    }
};

QString StepName(TransferStep step)
{
    switch (step) {
    case TransferStep::Query:
        return QCoreApplication::translate("hx7", "Dotaz na modul");
    case TransferStep::Read:
        return QCoreApplication::translate("hx7", "Čtení z modulu");
    case TransferStep::Verify:
        return QCoreApplication::translate("hx7", "Porovnání s modulem");
    case TransferStep::SignalTable:
        return QCoreApplication::translate("hx7", "Čtení poleSIG");
    case TransferStep::Backup:
        return QCoreApplication::translate("hx7", "Záloha modulu");
    case TransferStep::Write:
        return QCoreApplication::translate("hx7", "Zápis do modulu");
    case TransferStep::VerifyWritten:
        return QCoreApplication::translate("hx7", "Ověření");
    case TransferStep::Reset:
        return QCoreApplication::translate("hx7", "Inicializace modulu");
    default:
        return {};
    }
}

// The steps that change the module, or lead to a change: closing then asks first.
bool ChangesModule(TransferStep step)
{
    return step == TransferStep::Backup || step == TransferStep::Write || step == TransferStep::VerifyWritten ||
           step == TransferStep::Reset;
}
} // namespace

TMainForm1::TMainForm1(SharedData &data, SerialLink &link, const Settings &settings, Prompts &prompts, QWidget *parent,
                       SerialPort *probePort)
    : QMainWindow(parent), m_data(data), m_link(link), m_settings(settings), m_prompts(prompts),
      m_controller(data, link, *this)
{
    setObjectName(QStringLiteral("TMainForm1"));

    auto *central = new QWidget(this);
    const QSize grid = BuildGrid();
    auto *Label1 = Named(new QLabel(tr("Klikněte  na vybraný řádek pro zobrazení detailů"), central), "Label1");
    Table1->setAccessibleName(tr("Návěstní cesty"));

    BTtest1 = Named(new QPushButton(tr("Test comm"), central), "BTtest1");
    LBverze1 = Named(new QLabel(QStringLiteral("??"), central), "LBverze1");
    QFont big = LBverze1->font();
    big.setPixelSize(16);
    LBverze1->setFont(big);
    LBverze1->setMinimumWidth(120);
    LBbar1 = Named(new QLabel(tr("přenos dat"), central), "LBbar1");
    LBbar1->hide();
    PBar1 = Named(new QProgressBar(central), "PBar1");
    PBar1->setRange(0, 100);
    PBar1->setTextVisible(true); // the step that runs, named on the bar
    PBar1->setAccessibleName(tr("přenos dat"));
    PBar1->hide();
    BTstop1 = Named(new QPushButton(tr("Zastavit"), central), "BTstop1");
    BTstop1->setToolTip(tr("Zastaví přenos (Esc); zápis do modulu se zastaví po bajtu, který je na cestě"));
    BTstop1->hide();
    connect(BTstop1, &QPushButton::clicked, this, &TMainForm1::Zastavit1Click);
    // Escape stops what runs, as in a progress dialog; the dialogs keep their own Escape.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (!m_controller.IsIdle())
            Zastavit1Click();
    });

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(BTtest1);
    bottom->addSpacing(12);
    bottom->addWidget(LBverze1);
    bottom->addStretch();
    bottom->addWidget(LBbar1);
    bottom->addWidget(PBar1, 1);
    bottom->addWidget(BTstop1);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(Table1, 1);
    layout->addWidget(Label1);
    layout->addLayout(bottom);
    setCentralWidget(central);

    Timer1 = Named(new QTimer(this), "Timer1");
    Timer1->setInterval(100);
    Timer1->setTimerType(Qt::PreciseTimer);
    // The tick runs from the event loop, not inside the timer's own call: Qt fires no timer again while its slot
    // runs, and a box that a tick opens (a transfer's end) would stop the ticks until it closed.
    connect(Timer1, &QTimer::timeout, this,
            [this] { QMetaObject::invokeMethod(this, &TMainForm1::Timer1Timer, Qt::QueuedConnection); });
    connect(BTtest1, &QPushButton::clicked, this, [this] { m_controller.StartVersionQuery(); });

    m_undo = new QUndoStack(this);
    BuildMenu();
    m_statusPort = Named(new ElidingLabel(this), "LBport1");
    m_statusModule = Named(new QLabel(this), "LBmodul1");
    m_statusFast = Named(new QLabel(this), "LBrychly1");
    statusBar()->addWidget(m_statusPort, 1);
    statusBar()->addWidget(m_statusModule);
    statusBar()->addPermanentWidget(m_statusFast);
    setAcceptDrops(true);
    setWindowIcon(QIcon::fromTheme(QStringLiteral("hx7conf"), QIcon(QStringLiteral(":/icons/hx7conf.png"))));
    UpdateTitle();
    // The whole grid where the screen has room for it; on a small screen (or at a large scale) no more than
    // the screen's free area, the title bar and the frame included, so the status bar is never off screen.
    QSize size(std::max(grid.width() + 24, 574),
               grid.height() + menuBar()->sizeHint().height() + statusBar()->sizeHint().height() + 90);
    if (const QScreen *shown = screen()) {
        const QSize room = shown->availableGeometry().size() - QSize(16, 48);
        size = size.boundedTo(room);
    }
    resize(size);
    Table1->installEventFilter(this);
    Table1->viewport()->installEventFilter(this);

    m_storeDialog = new TDlgStore1(this);
    m_configDialog = new TFormKonfDCC(
        data, [this] { return TypHX7S1->isChecked(); }, this);
    m_testDialog = new TManualForm2(m_controller, this);
    m_routeDialog = new TCestaForm1(this);
    m_commDialog = new TOKcommDlg([this](int n) { return m_link.DeviceName(n); }, this);
    m_verifyDetails = new VerifyDetails(this);
    m_helpWindow = new THelpWindow(this);
    m_backupsWindow = new TBackupsWindow(this);
    m_backupsWindow->SetStore(m_backups);
    connect(m_backupsWindow, &TBackupsWindow::LoadRequested, this, &TMainForm1::LoadFile);
    connect(m_backupsWindow, &TBackupsWindow::CompareRequested, this, &TMainForm1::CompareWithBackup);
    m_link.SetTrafficLog(&m_trafficLog);
    m_monitor = new MonitorWindow(m_trafficLog, this);
    if (!probePort) {
        m_ownProbePort = std::make_unique<QtSerialPort>();
        probePort = m_ownProbePort.get();
    }
    m_prober = new PortProber(*probePort, this);
    // Bytes are received as they arrive, so that the link can tell those that came too soon after a frame
    // to answer it; the fast transfer also takes each reply then, the tick mode only on the tick.
    m_link.SetBytesArrivedHandler([this] {
        m_link.ReceiveStep();
        m_controller.Advance();
    });
    m_commDialog->SetPortLister([this] { return ListPorts(m_settings, m_link.ChosenDevices()); });
    m_commDialog->SetSearch({m_prober, [this] { return BeginPortSearch(); }, [this] { EndPortSearch(); }});
}

TMainForm1::~TMainForm1()
{
    m_link.SetBytesArrivedHandler({}); // the link outlives the window
    m_link.SetTrafficLog(nullptr);
}

template <typename Handler>
QAction *TMainForm1::AddAction(QMenu *menu, const char *name, const QString &text, Handler handler)
{
    return Named(menu->addAction(text, this, handler), name);
}

void TMainForm1::BuildMenu()
{
    QMenuBar *MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    // Every item has an accelerator (the "&" only underlines its letter); the standard shortcuts where a
    // standard exists, and shortcuts of their own for the three transfers.
    QMenu *file = MainMenu1->addMenu(tr("&Soubor       "));
    AddAction(file, "Nast1", tr("&Načíst data"), &TMainForm1::Nast1Click)->setShortcut(QKeySequence::Open);
    AddAction(file, "Ulozit1", tr("&Uložit"), &TMainForm1::Ulozit1Click)->setShortcut(QKeySequence::Save);
    AddAction(file, "Uloit1", tr("Uložit &data"), &TMainForm1::Uloit1Click)->setShortcut(QKeySequence::SaveAs);
    file->addSeparator()->setObjectName(QStringLiteral("N5"));
    AddAction(file, "Tisk1", tr("&Tisk…"), &TMainForm1::Tisk1Click)->setShortcut(QKeySequence::Print);
    AddAction(file, "ExportPDF1", tr("Exportovat do &PDF…"), &TMainForm1::ExportPdf1Click);
    m_recentSeparator = file->addSeparator();
    m_recentSeparator->setObjectName(QStringLiteral("N4"));
    for (int i = 0; i < Settings::RecentFileCount; ++i) {
        QAction *item = Named(file->addAction(QString()), qPrintable(QStringLiteral("Recent%1").arg(i + 1)));
        connect(item, &QAction::triggered, this, [this, item] { OpenRecent(item->data().toString()); });
        m_recentActions << item;
    }
    file->addSeparator()->setObjectName(QStringLiteral("N2"));
    AddAction(file, "Exit1", tr("&Exit"), &QWidget::close)->setShortcut(QKeySequence::Quit);

    QMenu *edit = MainMenu1->addMenu(tr("Úpr&avy    "));
    edit->setObjectName(QStringLiteral("Upravy1"));
    QAction *undo = Named(m_undo->createUndoAction(this, tr("&Zpět")), "Zpet1");
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = Named(m_undo->createRedoAction(this, tr("Z&novu")), "Znovu1");
    redo->setShortcut(QKeySequence::Redo);
    edit->addActions({undo, redo});

    QMenu *config = MainMenu1->addMenu(tr("&Konfigurace        "));
    AddAction(config, "Konfiguracevhybek1", tr("Konfigurace &modulu HX7_"), &TMainForm1::KonfiguraceModulu1Click);
    TypHX7S1 = Named(config->addAction(tr("&Typ HX7S")), "TypHX7S1");
    TypHX7S1->setCheckable(true); // each click inverts the mark
    AddAction(config, "ResetkonfiguraceHX71", tr("&Inicializace konfigurace"), &TMainForm1::Inicnastaven1Click);
    AddAction(config, "Definicecesty1", tr("&Definice návěstní cesty"), &TMainForm1::Table1DblClick);
    config->addSeparator()->setObjectName(QStringLiteral("N1"));
    m_linkActions << AddAction(config, "Manulnzen1", tr("Test &funkce"), [this] { m_testDialog->exec(); });

    QMenu *link = MainMenu1->addMenu(tr("&Přenos       "));
    AddAction(link, "KomunikaceRS2321", tr("Nastavení &RS232"), &TMainForm1::KonfiguraceRS2321Click);
    RychlyPrenos1 = AddAction(link, "RychlyPrenos1", tr("R&ychlý přenos"), &TMainForm1::RychlyPrenos1Click);
    RychlyPrenos1->setCheckable(true);
    m_linkActions << RychlyPrenos1; // a change of pace takes effect at the next transfer
    RychlyPrenos1->setToolTip(tr("Další rámec se odešle hned po odpovědi modulu, ne až s dalším taktem 100 ms"));
    AddAction(link, "MonitorKomunikace1", tr("&Monitor komunikace"), &TMainForm1::MonitorKomunikace1Click);
    AddAction(link, "Zalohymodulu1", tr("&Zálohy modulů"), &TMainForm1::ZalohyModulu1Click);
    link->addSeparator()->setObjectName(QStringLiteral("N3"));
    AddAction(link, "Nastdatazmodulu1", tr("&Načíst data z modulu"), &TMainForm1::ReadData1Click)
        ->setShortcut(Qt::CTRL | Qt::Key_R);
    AddAction(link, "Verifikovatdatasmodulem1", tr("&Verifikovat data s modulem"), &TMainForm1::VerifData1Click)
        ->setShortcut(Qt::CTRL | Qt::Key_E);
    AddAction(link, "Uloitdatadomodulu1", tr("&Uložit data do modulu"), &TMainForm1::UlozitData1Click)
        ->setShortcut(Qt::CTRL | Qt::Key_U);
    NastpoleSIG1 = AddAction(link, "NastpoleSIG1", tr("Načíst  &poleSIG"), [this] { m_controller.StartPoleSigRead(); });
    NastpoleSIG1->setVisible(false);
    for (const char *name : {"Nastdatazmodulu1", "Verifikovatdatasmodulem1", "Uloitdatadomodulu1"})
        m_linkActions << findChild<QAction *>(QLatin1String(name));
    m_linkActions << NastpoleSIG1;

    QMenu *info = MainMenu1->addMenu(tr("&Info    "));
    AddAction(info, "Napoveda1", tr("&Nápověda"), [this] {
        m_helpWindow->ShowGuide(m_language);
    })->setShortcut(QKeySequence::HelpContents);
    AddAction(info, "Oprogramu1", tr("&O programu"), &TMainForm1::Oprogramu1Click);
    // Each language is named in itself, so that a user who cannot read the other finds the way back.
    QMenu *language = info->addMenu(QStringLiteral("&Jazyk / Language"));
    language->setObjectName(QStringLiteral("Jazyk1"));
    auto *languages = new QActionGroup(this);
    for (const auto &[name, code, text] : {std::tuple{"JazykCestina1", "cs", QStringLiteral("&Čeština")},
                                           std::tuple{"JazykEnglish1", "en", QStringLiteral("&English")}}) {
        QAction *item = AddAction(language, name, text, [this, code] { JazykClick(QLatin1String(code)); });
        item->setCheckable(true);
        languages->addAction(item);
    }
}

void TMainForm1::JazykClick(const QString &language)
{
    if (!WriteSettingsLanguage(m_settings.path(), language)) {
        m_prompts.Warning(this, SettingsWriteErrorText(m_settings.path()));
        return;
    }
    m_prompts.Information(this, QStringLiteral("Jazyk se změní po novém spuštění programu.\n"
                                               "The language changes when the program is started again."));
}

QSize TMainForm1::BuildGrid()
{
    Table1 = Named(new QTableWidget(RouteCount, 9, this), "Table1");
    Table1->setHorizontalHeaderLabels(RouteGridHeader());
    Table1->verticalHeader()->hide();
    Table1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table1->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table1->setSelectionMode(QAbstractItemView::SingleSelection);
    Table1->setShowGrid(true);
    Table1->setWordWrap(false);
    Table1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    Table1->horizontalHeader()->setHighlightSections(false);
    Table1->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: yellow; border: 1px solid #a0a0a0; padding: 2px; }"));
    Table1->verticalHeader()->setDefaultSectionSize(std::max(19, fontMetrics().height() + 4));
    for (int r = 0; r < RouteCount; ++r)
        for (int c = 0; c < 9; ++c)
            Table1->setItem(r, c, new QTableWidgetItem);
    Table1->selectRow(0);
    connect(Table1, &QTableWidget::cellDoubleClicked, this, &TMainForm1::Table1DblClick);
    // The header row cannot be selected; a double click on it opens the route of the selected row.
    connect(Table1->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, &TMainForm1::Table1DblClick);

    // Wide enough for the widest text each column can hold in this font and language, never narrower
    // than the classic layout: route 24 gives the widest number and signal, a long route with the
    // highest turnout and signal command numbers the rest.
    RouteRecord longest;
    longest.Position.fill(1);
    longest.TurnoutNumber.fill(1020);
    longest.SpeedCode = 255;
    longest.RepeatFlag = 1;
    QStringList widest = RouteGridRow(0, longest);
    widest.replace(0, QString::number(RouteCount));
    widest.replace(1, RouteGridRow(RouteCount - 1, longest)[1]);
    const QFontMetrics metrics(Table1->font());
    int width = 2 * Table1->frameWidth() + Table1->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < 9; ++c) {
        const int text = metrics.horizontalAdvance(widest[c]) + 12;
        const int header = Table1->horizontalHeader()->sectionSizeHint(c);
        m_columnWidths[c] = std::max({ColumnWidths[c], text, header});
        Table1->setColumnWidth(c, m_columnWidths[c]);
        width += Table1->columnWidth(c);
    }
    Table1->setMinimumWidth(width);
    // Tall enough to show all 24 routes at once.
    const int height = Table1->horizontalHeader()->sizeHint().height() +
                       RouteCount * Table1->verticalHeader()->defaultSectionSize() + 2 * Table1->frameWidth();
    Table1->setMinimumHeight(std::min(height, 200));
    return {width, height};
}

void TMainForm1::FormCreate()
{
    m_link.ComPortNumber = 1;
    m_settings.Read(m_link.ComPortNumber, DeveloperMode);
    InitConfigImage(m_data.ConfigImage);
    DecodeRoutes(m_data.ConfigImage.data(), m_data.RouteTable);
    RefreshRouteGrid();

    NastpoleSIG1->setVisible(DeveloperMode);
    const QString language = SettingsLanguage(m_settings.path());
    m_language = language; // the language the program started in, which its texts are in
    findChild<QAction *>(language == QLatin1String("en") ? QStringLiteral("JazykEnglish1")
                                                         : QStringLiteral("JazykCestina1"))
        ->setChecked(true);
    m_controller.SetFastMode(m_settings.FastTransfer());
    m_storeDialog->SetSafety(m_settings.BackupBeforeStore(), m_settings.VerifyAfterStore());
    m_controller.SetBackupBeforeStore(m_storeDialog->BackupBeforeStore);
    m_controller.SetVerifyAfterStore(m_storeDialog->VerifyAfterStore);
    RychlyPrenos1->setChecked(m_controller.FastMode());
    // Nothing to lose yet: the defaults are what a new module holds.
    m_clean = m_data.ConfigImage;
    m_shown = m_data.ConfigImage;
    m_undo->clear();
    FillRecentMenu();
    UpdateTitle();
    if (const QByteArray geometry = m_settings.WindowGeometry(); !geometry.isEmpty())
        restoreGeometry(geometry); // kept on the screen's free area if that has shrunk since
    if (!m_link.Open(m_link.ComPortNumber))
        m_prompts.Warning(this, SerialLink::OpenErrorText(m_link.ComPortNumber, m_link.LastOpenFailure()));
    UpdateStatus();
    Timer1->start();
}

bool TMainForm1::IsModified() const
{
    return !SameData(m_data.ConfigImage, m_clean);
}

void TMainForm1::ImageChanged(const QString &what)
{
    // One step for each change that changed something; the image as the last step left it is m_shown.
    if (!SameData(m_data.ConfigImage, m_shown, ModuleBytes)) {
        const ImageBytes before = std::exchange(m_shown, m_data.ConfigImage);
        m_undo->push(new ImageStep(*this, before, m_data.ConfigImage, what));
    }
    UpdateTitle();
}

void TMainForm1::RestoreImage(const ImageBytes &image)
{
    // The module's bytes only: the signal table behind them is a dump of the module, not an edit.
    std::copy(image.begin(), image.begin() + ModuleBytes, m_data.ConfigImage.begin());
    m_shown = m_data.ConfigImage;
    DecodeRoutes(m_data.ConfigImage.data(), m_data.RouteTable);
    RefreshRouteGrid();
    UpdateTitle();
}

void TMainForm1::UpdateTitle()
{
    const QString program = tr("HX7  konfigurace");
    setWindowTitle(m_filePath.isEmpty() ? program + QStringLiteral("[*]")
                                        : tr("%1[*] – %2").arg(QFileInfo(m_filePath).fileName(), program));
    setWindowFilePath(m_filePath);
    setWindowModified(IsModified());
}

bool TMainForm1::MayReplaceData()
{
    if (!IsModified())
        return true;
    switch (m_prompts.AskSaveChanges(this)) {
    case Prompts::SaveChoice::Save:
        return SaveInPlace();
    case Prompts::SaveChoice::Discard:
        return true;
    default:
        return false;
    }
}

void TMainForm1::RememberFile(const QString &path)
{
    QStringList files = m_settings.RecentFiles();
    const QString file = QFileInfo(path).absoluteFilePath();
    files.removeAll(file);
    files.prepend(file);
    if (!m_settings.WriteRecentFiles(files.mid(0, Settings::RecentFileCount)))
        m_prompts.Warning(this, SettingsWriteErrorText(m_settings.path()));
    FillRecentMenu();
}

void TMainForm1::FillRecentMenu()
{
    const QStringList files = m_settings.RecentFiles();
    for (int i = 0; i < m_recentActions.size(); ++i) {
        QAction *item = m_recentActions[i];
        item->setVisible(i < files.size());
        item->setData(files.value(i));
        item->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(files.value(i))));
    }
    m_recentSeparator->setVisible(!files.isEmpty());
}

void TMainForm1::OpenRecent(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        QStringList files = m_settings.RecentFiles();
        files.removeAll(path);
        m_settings.WriteRecentFiles(files);
        FillRecentMenu();
        m_prompts.Warning(this, tr("Soubor %1 už neexistuje; ze seznamu posledních souborů byl odebrán.")
                                    .arg(QDir::toNativeSeparators(path)));
        return;
    }
    LoadFile(path);
}

void TMainForm1::UpdateStatus()
{
    const int n = m_link.ComPortNumber;
    const QString device = m_link.DeviceName(n);
    QString port =
        device.isEmpty() ? ComPortName(n) : ComPortName(n) + QStringLiteral(" (") + device + QLatin1Char(')');
    if (m_link.IsOpen()) {
        port += QStringLiteral(": ") + tr("otevřen");
    } else {
        const QString reason = SerialLink::OpenFailureReason(m_link.LastOpenFailure()).section(QLatin1Char('\n'), 0, 0);
        port += QStringLiteral(": ") + (reason.isEmpty() ? tr("zavřen") : tr("nelze otevřít – %1").arg(reason));
    }
    m_statusPort->setText(port);
    m_statusPort->setToolTip(port); // the whole of it, where the bar cuts it short
    m_statusModule->setText(m_moduleFound.isEmpty() ? QString() : tr("modul %1").arg(m_moduleFound));
    m_statusFast->setText(m_controller.FastMode() ? tr("rychlý přenos") : tr("přenos po taktech"));
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
    for (int i = 0; i < RouteCount; ++i) {
        const QStringList cells = RouteGridRow(i, m_data.RouteTable[i]);
        for (int c = 0; c < cells.size(); ++c)
            Table1->item(i, c)->setText(cells[c]);
    }
}

int TMainForm1::SelectedRoute() const
{
    int row = Table1->currentRow();
    const QModelIndexList rows = Table1->selectionModel()->selectedRows();
    if (!rows.isEmpty()) {
        row = rows.first().row();
        for (const QModelIndex &index : rows)
            row = std::min(row, index.row());
    }
    return std::clamp(row + 1, 1, RouteCount);
}

void TMainForm1::Timer1Timer()
{
    m_link.ReceiveStep();
    // The label follows the bar as the previous ticks left it.
    LBbar1->setVisible(!PBar1->isHidden());
    // A factory reset ends when its frame has gone out, with no outcome of its own to report.
    const bool resetDue = m_controller.CurrentStep() == TransferStep::Reset;
    m_controller.Tick();
    if (resetDue && m_controller.IsIdle())
        EndOfTransfer(true);
    m_prober->Tick();
    UpdateStatus(); // an unplugged adapter shows at once
    UpdateActions();
}

// Every start announces its first step (StepStarted), every end comes through Finished or the tick: those update
// the actions, so the handlers that start a transfer need not.
void TMainForm1::UpdateActions()
{
    const bool busy = !m_controller.IsIdle();
    for (QAction *action : std::as_const(m_linkActions))
        action->setEnabled(!busy);
    BTtest1->setEnabled(!busy);
    BTstop1->setVisible(busy);
    BTstop1->setEnabled(busy && !m_controller.StopRequested());
}

void TMainForm1::ReadData1Click()
{
    if (!m_controller.IsIdle() || !MayReplaceData())
        return;
    // What the image holds now: a change made while the read runs is asked about before the read replaces it.
    m_readStart = m_data.ConfigImage;
    m_controller.StartRead();
}

bool TMainForm1::MayOverwriteRead(int readsBefore)
{
    if (m_readsTaken == readsBefore)
        return true;
    return m_prompts.AskEitherOr(this,
                                 tr("Zatímco byl dialog otevřen, načetla se data z modulu. Přepsat je hodnotami "
                                    "z dialogu?"),
                                 tr("Přepsat hodnotami z dialogu"), tr("Ponechat data z modulu"));
}

void TMainForm1::KonfiguraceModulu1Click()
{
    const int reads = m_readsTaken;
    m_configDialog->MayApply = [this, reads] { return MayOverwriteRead(reads); };
    const bool accepted = m_configDialog->exec() == QDialog::Accepted;
    m_configDialog->MayApply = {};
    if (accepted)
        ImageChanged(tr("konfigurace modulu"));
}
void TMainForm1::VerifData1Click()
{
    if (!m_controller.IsIdle())
        return;
    m_differences.clear();
    m_verifyDetails->hide(); // its rows belong to the last verify
    m_controller.StartVerify();
}

void TMainForm1::UlozitData1Click()
{
    const int route = SelectedRoute(); // before the dialog, which a running read may outlast
    const bool ok = m_storeDialog->exec() == QDialog::Accepted;
    // Either button takes over the choice; a store already running ends by the newest reset choice.
    m_controller.SetResetAfterStore(m_storeDialog->ResetAfterStore);
    const bool backup = m_storeDialog->BackupBeforeStore;
    const bool verify = m_storeDialog->VerifyAfterStore;
    if (!m_settings.WriteStoreSafety(backup, verify))
        m_prompts.Warning(this, SettingsWriteErrorText(m_settings.path()));
    if (!ok || !m_controller.IsIdle())
        return;
    m_controller.SetBackupBeforeStore(backup);
    m_controller.SetVerifyAfterStore(verify);
    StartingOverwrite();
    m_controller.StartStore(m_storeDialog->StoreScope, route);
}

void TMainForm1::Inicnastaven1Click()
{
    // A factory reset is always backed up first: it overwrites everything the module holds.
    if (m_prompts.WarnYesCancel(this, tr("Resetovat konfiguraci do počátečního nastavení ?"))) {
        StartingOverwrite();
        m_controller.StartFactoryReset(true);
    }
}

void TMainForm1::Zastavit1Click()
{
    if (!m_controller.Stop())
        return;
    if (m_controller.StopRequested()) // a write in flight: its acknowledge comes within a few ticks
        statusBar()->showMessage(tr("Zastavuje se: čeká se na potvrzení zapisovaného bajtu…"));
    UpdateActions();
}

void TMainForm1::Terminate()
{
    // Nobody is there to answer: a store stops after the byte in flight and says on stderr what it left;
    // unsaved edits cannot be asked about.
    m_terminating = true;
    // A question that is open is answered as Escape answers it (No, Cancel, keep as it is): nothing more goes to
    // the module. Its event loop ends first, then the rest of the way out runs.
    if (auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
        modal->reject();
        QTimer::singleShot(0, this, &TMainForm1::Terminate);
        return;
    }
    if (!m_controller.IsIdle()) {
        m_quitAfterStop = true;
        m_controller.Stop();
        UpdateActions();
        return; // Stopped() closes the window
    }
    close();
}

void TMainForm1::StartingOverwrite()
{
    m_restoreOffer = {};
    m_unofferedRestore.clear();
    m_lastBackup.clear();
    m_differences.clear();
    m_verifyDetails->hide(); // its rows belong to the last verify
}

void TMainForm1::ZalohyModulu1Click()
{
    m_backupsWindow->Refresh();
    m_backupsWindow->show();
    m_backupsWindow->raise();
    m_backupsWindow->activateWindow();
}

void TMainForm1::Uloit1Click()
{
    SaveToFile();
}

void TMainForm1::Ulozit1Click()
{
    SaveInPlace();
}

bool TMainForm1::SaveToFile()
{
    const QString path = m_prompts.SaveFileName(this);
    return !path.isEmpty() && WriteFile(path);
}

bool TMainForm1::SaveInPlace()
{
    if (m_filePath.isEmpty())
        return SaveToFile();
    // Someone (or another copy of the program) wrote the file since: ask before that is lost.
    const QFileInfo file(m_filePath);
    if (file.exists() && file.lastModified() != m_fileStamp &&
        !m_prompts.AskYesNo(
            this, tr("Soubor %1 se od načtení změnil. Přepsat ho?").arg(QDir::toNativeSeparators(m_filePath))))
        return false;
    return WriteFile(m_filePath);
}

bool TMainForm1::WriteFile(const QString &path)
{
    QString error;
    if (!SaveConfigText(path, m_data.ConfigImage, &error)) {
        m_prompts.Warning(this, error);
        return false;
    }
    SetFile(path);
    m_clean = m_data.ConfigImage;
    RememberFile(path);
    UpdateTitle();
    statusBar()->showMessage(tr("Uloženo do %1").arg(QFileInfo(path).fileName()), 5000);
    return true;
}

void TMainForm1::SetFile(const QString &path)
{
    // A backup is the module's past, never a save target: saving over it would lose the state it keeps.
    // Compared as the file system resolves them, so that a link to the folder or to the file does not hide one.
    const auto resolved = [](const QString &name) {
        const QFileInfo info(name);
        const QString canonical = info.canonicalFilePath();
        return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
    };
    const QString folder = resolved(m_backups.folder()) + QLatin1Char('/');
    const bool backup = !path.isEmpty() && resolved(path).startsWith(folder);
    m_filePath = backup ? QString() : path;
    m_fileStamp = m_filePath.isEmpty() ? QDateTime() : QFileInfo(m_filePath).lastModified();
}

SheetInfo TMainForm1::Sheet() const
{
    SheetInfo info;
    info.fileName = m_filePath.isEmpty() ? QString() : QFileInfo(m_filePath).fileName();
    info.date = QDateTime::currentDateTime();
    info.module = m_moduleFound;
    info.hx7s = TypHX7S1->isChecked();
    return info;
}

void TMainForm1::Tisk1Click()
{
    // The system's print dialog is one button away in the preview, which shows the sheet as it will print.
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("PrintPreview1"));
    const SheetInfo info = Sheet();
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&](QPrinter *target) { PaintConfigSheet(*target, m_data, info); });
    preview.exec();
}

void TMainForm1::ExportPdf1Click()
{
    const QString path = m_prompts.PdfFileName(this);
    if (path.isEmpty())
        return;
    QString error;
    if (!WriteConfigSheetPdf(path, m_data, Sheet(), &error))
        m_prompts.Warning(this, error);
}

void TMainForm1::Nast1Click()
{
    if (!MayReplaceData())
        return;
    const QString path = m_prompts.OpenFileName(this);
    if (!path.isEmpty())
        Load(path);
}

void TMainForm1::LoadFile(const QString &path)
{
    if (MayReplaceData())
        Load(path);
}

void TMainForm1::Load(const QString &path)
{
    const LoadOutcome outcome = LoadConfigText(path, m_data.ConfigImage);
    if (outcome.status == LoadOutcome::Refused) {
        m_prompts.Warning(this, outcome.message);
    } else if (outcome.status == LoadOutcome::Loaded) {
        DecodeRoutes(m_data.ConfigImage.data(), m_data.RouteTable);
        RefreshRouteGrid();
        SetFile(path);
        m_clean = m_data.ConfigImage;
        ImageChanged(tr("načtení souboru %1").arg(QFileInfo(path).fileName()));
        RememberFile(path);
    }
}

void TMainForm1::CompareWithBackup(const QString &path)
{
    // The backup's bytes over zeroes: only what the file holds is compared.
    ImageBytes backup{};
    const LoadOutcome outcome = LoadConfigText(path, backup);
    if (outcome.status == LoadOutcome::Refused) {
        m_prompts.Warning(this, outcome.message);
        return;
    }
    QList<ByteDifference> differences;
    for (int a = 0; a <= LastTransferAddress; ++a)
        if (outcome.held.test(a) && backup[a] != m_data.ConfigImage[a])
            differences << ByteDifference{a, m_data.ConfigImage[a], backup[a]};
    if (differences.isEmpty()) {
        m_prompts.Information(this, tr("Záloha je shodná s daty v programu."));
        return;
    }
    m_verifyDetails->SetDifferences(m_data.ConfigImage, differences, QFileInfo(path).fileName());
    m_verifyDetails->show();
    m_verifyDetails->raise();
}

void TMainForm1::Table1DblClick()
{
    const int r = SelectedRoute();
    m_routeDialog->RouteEditBuffer = m_data.RouteTable[r - 1];
    m_routeDialog->setWindowTitle(tr("Konfigurace návěstní cesty č.%1").arg(r));
    m_routeDialog->FourTurnoutRoute = r > LongSlotRoutes;
    m_routeDialog->RouteNumber = r;
    const int reads = m_readsTaken;
    if (m_routeDialog->exec() != QDialog::Accepted || !MayOverwriteRead(reads))
        return;
    m_data.RouteTable[r - 1] = m_routeDialog->RouteEditBuffer;
    EncodeRoutes(m_data.RouteTable, m_data.ConfigImage.data());
    RefreshRouteGrid();
    ImageChanged(tr("cesta %1").arg(r));
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
        if (r.device == m_link.DeviceName(n) && !r.answer.isEmpty())
            m_moduleFound = r.answer;
    if (!m_link.Reopen(n))
        m_prompts.Warning(this, SerialLink::OpenErrorText(n, m_link.LastOpenFailure()));
    UpdateStatus();
}

void TMainForm1::MonitorKomunikace1Click()
{
    m_monitor->show();
    m_monitor->raise();
    m_monitor->activateWindow();
}

void TMainForm1::RychlyPrenos1Click()
{
    // A transfer already running changes pace at once; both modes keep the same frames and time-outs.
    m_controller.SetFastMode(RychlyPrenos1->isChecked());
    UpdateStatus();
    if (!m_settings.WriteFastTransfer(m_controller.FastMode()))
        m_prompts.Warning(this, SettingsWriteErrorText(m_settings.path()));
}

bool TMainForm1::BeginPortSearch()
{
    // The search needs the ports to itself, the program's own included (a port opens only once).
    if (!m_controller.IsIdle())
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

void TMainForm1::Oprogramu1Click()
{
    // lupdate would give the about text the context of a translate() call it stands in: the title goes first.
    const QString title = QCoreApplication::translate("hx7", "HX7 konfig");
    m_prompts.About(this, title,
                    tr(" Konfigurátor  pro HX7, HX7V(M)   V%1").arg(QLatin1String(HX7_VERSION)) + QLatin1Char('\n') +
                        tr("Moduly HX7, HX7V a HX7S, s volbou M (motorové přestavníky) i bez ní") + QLatin1Char('\n') +
                        tr("Sestaveno s knihovnou Qt %1").arg(QLatin1String(QT_VERSION_STR)) + QStringLiteral("\n\n") +
                        tr("Svobodný software pod licencí GNU General Public License verze 3 nebo novější "
                           "(GPL-3.0-or-later), bez jakékoli záruky."));
}

void TMainForm1::closeEvent(QCloseEvent *event)
{
    if (!m_closed && !m_controller.IsIdle()) {
        if (!ChangesModule(m_controller.CurrentStep())) {
            // A read or verify changes nothing: it is stopped, so that it cannot end while the question about
            // unsaved changes is open and put the module's bytes where the user's edits were.
            m_controller.Stop();
            UpdateActions();
        } else {
            event->ignore();
            // Closed halfway, the module would keep part of the new data and part of the old.
            const Prompts::CloseChoice choice =
                m_terminating ? Prompts::CloseChoice::StopAndQuit : m_prompts.AskCloseDuringTransfer(this);
            if (!m_controller.IsIdle()) {
                switch (choice) {
                case Prompts::CloseChoice::WaitThenClose:
                    m_closeWhenDone = true;
                    statusBar()->showMessage(tr("Okno se zavře, až přenos skončí."));
                    break;
                case Prompts::CloseChoice::StopAndStay:
                    Zastavit1Click();
                    break;
                case Prompts::CloseChoice::StopAndQuit:
                    m_quitAfterStop = true;
                    Zastavit1Click();
                    break;
                default:
                    break;
                }
                return;
            }
            // The ticks go on under the question, and the transfer ended there: nothing is left to wait for or
            // to stop. Quitting, or waiting for a transfer that went well, closes now; a flag set for a transfer
            // that is over would close or quit after some later one instead.
            const bool wait = choice == Prompts::CloseChoice::WaitThenClose;
            if (wait && !m_lastTransferWentWell)
                statusBar()->showMessage(tr("Okno zůstalo otevřené: přenos neskončil úspěšně."), 8000);
            if (choice != Prompts::CloseChoice::StopAndQuit && !(wait && m_lastTransferWentWell))
                return;
        }
    }
    // Unsaved edits are asked about first (a signal cannot answer); a cancelled question or save keeps the
    // window open.
    if (!m_closed && IsModified() && m_terminating) {
        std::fprintf(stderr, "hx7conf: %s\n", qPrintable(tr("neuložené změny konfigurace se zahodily")));
    } else if (!m_closed && !MayReplaceData()) {
        m_quitAfterStop = false;
        event->ignore();
        // A store stopped to quit left its backup unoffered: staying, the user gets the offer "stop and stay"
        // makes.
        if (QString left = std::exchange(m_unofferedRestore, QString()); !left.isEmpty())
            OfferRestore(left);
        return;
    }
    if (!m_closed) {
        m_closed = true;
        Timer1->stop();
        m_link.Close();
        if (!m_settings.WriteComSerial(m_link.ComPortNumber) ||
            (isVisible() && !isMaximized() && !isFullScreen() && !m_settings.WriteWindowGeometry(saveGeometry())))
            m_prompts.Warning(this, SettingsWriteErrorText(m_settings.path()));
    }
    event->accept();
}

bool TMainForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Table1 && event->type() == QEvent::KeyPress) {
        // The keys that open an item in a list, as a double click does.
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F2:
        case Qt::Key_Space:
            Table1DblClick();
            return true;
        default:
            break;
        }
    }
    if (watched == Table1->viewport() && event->type() == QEvent::Resize)
        ShareColumnWidth();
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm1::ShareColumnWidth()
{
    // Room beyond what the columns need is shared among them by their width, so a wider window shows wider
    // columns instead of an empty strip; they never become narrower than their text.
    const std::array<int, 9> &base = m_columnWidths;
    const int natural = std::accumulate(base.begin(), base.end(), 0);
    const int room = Table1->viewport()->width();
    if (room <= natural)
        return;
    int given = 0;
    for (int c = 0; c < 9; ++c) {
        const int width = c == 8 ? room - given : base[c] + (room - natural) * base[c] / natural;
        Table1->setColumnWidth(c, width);
        given += width;
    }
}

void TMainForm1::SetProgress(int position)
{
    PBar1->setValue(position);
}
void TMainForm1::SetProgressVisible(bool visible)
{
    PBar1->setVisible(visible);
}
void TMainForm1::SetVersionText(const QString &text)
{
    LBverze1->setText(text);
    // "??" while a query runs: the module it finds, if any, is the one the program talks to from now on.
    m_moduleFound = text == QLatin1String("??") ? QString() : text;
    UpdateStatus();
}
void TMainForm1::CheckHx7S()
{
    TypHX7S1->setChecked(true);
}
void TMainForm1::RoutesChanged()
{
    RefreshRouteGrid();
}
void TMainForm1::Warning(const QString &text)
{
    m_prompts.Warning(this, text);
}
void TMainForm1::Information(const QString &text)
{
    m_prompts.Information(this, text);
}
void TMainForm1::StepStarted(TransferStep step, int number, int count)
{
    if (number <= 1)
        m_transferClock.start();
    QString text = StepName(step);
    if (count > 1)
        text += QStringLiteral(" (") + tr("krok %1 ze %2").arg(number).arg(count) + QLatin1Char(')');
    PBar1->setFormat(text + QStringLiteral(" %1 %p %").arg(QChar(0x2013)));
    if (step != TransferStep::Query)
        statusBar()->showMessage(text + QStringLiteral("…"));
    UpdateActions();
}

void TMainForm1::FinishedStatus(TransferOutcome outcome)
{
    const double seconds = m_transferClock.isValid() ? m_transferClock.elapsed() / 1000.0 : 0.0;
    const QString time = QLocale().toString(seconds, 'f', 1);
    QString text;
    switch (outcome) {
    case TransferOutcome::Read:
        text = tr("Přečteno: %1 bajtů za %2 s").arg(SavedByteCount).arg(time);
        break;
    case TransferOutcome::Equal:
        text = tr("Modul se shoduje");
        break;
    case TransferOutcome::Different:
        text = tr("Modul se liší, rozdílných bajtů: %1").arg(m_differences.size());
        break;
    case TransferOutcome::Stored:
        text = m_controller.IsRestore()          ? tr("Záloha vrácena do modulu a ověřena")
               : m_controller.VerifyAfterStore() ? tr("Uloženo a ověřeno za %1 s").arg(time)
                                                 : tr("Uloženo za %1 s").arg(time);
        break;
    case TransferOutcome::SignalTableRead:
        text = tr("poleSIG přečteno");
        break;
    case TransferOutcome::Stopped:
        text = tr("Přenos zastaven");
        break;
    default:
        text = OutcomeText(outcome).trimmed();
        break;
    }
    if (!text.isEmpty())
        statusBar()->showMessage(text, 8000);
    else
        statusBar()->clearMessage();
}

void TMainForm1::Stopped()
{
    const TransferStep step = m_controller.StoppedStep();
    QString text;
    bool offer = false;
    if (step == TransferStep::Backup || step == TransferStep::Reset) {
        text = tr("Přenos zastaven před zápisem: do modulu se nic neodeslalo.");
    } else if (step == TransferStep::VerifyWritten) {
        text = tr("Přenos zastaven při ověření: do modulu se zapsaly všechny bajty, jen se neověřily.") +
               QLatin1Char('\n') + m_controller.StoreLeftText(m_lastBackup);
    } else if (step == TransferStep::Write) {
        const int sent = m_controller.SentCount();
        text = (m_controller.IsRestore() ? tr("Obnova zálohy zastavena.") : tr("Uložení do modulu zastaveno.")) +
               QLatin1Char('\n') + m_controller.StoreLeftText(m_lastBackup);
        if (sent == 0)
            text += QLatin1Char('\n') + tr("Do modulu se nic nezapsalo.");
        // The restore puts back just what this store may have changed, the byte whose write went out
        // unacknowledged too. A restore stopped is offered again for the range of the store it restores, even
        // when it wrote nothing itself: the module is still as that store left it.
        if (m_controller.IsRestore() && !m_restoreOffer.backup.isEmpty()) {
            offer = true;
        } else if (sent > 0 && !m_lastBackup.isEmpty()) {
            m_restoreOffer = {m_lastBackup, m_controller.StoreFirst(), m_controller.StoreFirst() + sent - 1};
            offer = true;
        }
    }
    m_unofferedRestore.clear();
    if (m_quitAfterStop) {
        if (offer && !m_terminating)
            m_unofferedRestore = text;
        // Quitting, the program cannot offer it: it says where the way back is.
        if (offer)
            text += QLatin1Char('\n') + tr("Zálohu vrátíte do modulu přes Přenos → Zálohy modulů: Načíst do "
                                           "programu, pak Uložit data do modulu.");
        if (m_terminating) {
            if (!text.isEmpty())
                std::fprintf(stderr, "hx7conf: %s\n", qPrintable(text));
        } else if (!text.isEmpty()) {
            Information(text);
        }
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    if (text.isEmpty())
        return;
    if (!offer) {
        Information(text);
        return;
    }
    OfferRestore(text);
}

void TMainForm1::OfferRestore(QString text)
{
    if (!m_controller.IsIdle() || m_restoreOffer.backup.isEmpty())
        return;
    text += QStringLiteral("\n\n") +
            tr("Vrátit do modulu zálohu bajtů %1..%2?").arg(m_restoreOffer.first).arg(m_restoreOffer.last);
    bool restore = false;
    restore = m_prompts.AskEitherOr(this, text, tr("Vrátit zálohu"), tr("Ponechat, jak je"));
    // The window may have closed under the question (SIGTERM): nothing more goes to the module then.
    if (!restore || !m_controller.IsIdle() || m_closed)
        return;
    ImageBytes backup{};
    const LoadOutcome loaded = LoadConfigText(m_restoreOffer.backup, backup);
    if (loaded.status != LoadOutcome::Loaded) {
        Warning(loaded.message.isEmpty() ? WriteErrorText(m_restoreOffer.backup) : loaded.message);
        return;
    }
    // The module's address byte is what the stopped store (or restore) left there: the byte it wrote once the
    // module acknowledged it, else what its address check read. Unknown (a write unacknowledged, a check
    // unanswered): what the stopped restore expected there, or for a store the backup's, as before it.
    const std::optional<int> left = m_controller.AddressCodeLeft();
    const int expected = left                       ? *left
                         : m_controller.IsRestore() ? m_restoreOffer.addressCode
                                                    : int(backup[AddressCodeByte]);
    m_restoreOffer.addressCode = expected;
    m_controller.StartRestore(backup, m_restoreOffer.first, m_restoreOffer.last, expected);
}

void TMainForm1::Finished(TransferOutcome outcome)
{
    if (outcome == TransferOutcome::Identified) { // the version label has said it, or shows "??" still
        UpdateActions();
        return;
    }
    const auto atEnd =
        qScopeGuard([this, outcome] { EndOfTransfer(!IsFailure(outcome) && outcome != TransferOutcome::Stopped); });
    FinishedStatus(outcome);
    if (outcome == TransferOutcome::Read) {
        ++m_readsTaken;
        // Changed while the read ran (a dialog's OK, a load, an undo): the user says which of the two to keep.
        const ImageBytes &edits = m_controller.ReplacedImage();
        const bool edited = !SameData(edits, m_readStart);
        if (edited && !m_prompts.AskEitherOr(this,
                                             tr("Konfigurace v programu se během čtení z modulu změnila. Které "
                                                "údaje ponechat?"),
                                             tr("Data z modulu"), tr("Upravenou konfiguraci"))) {
            RestoreImage(edits);
            statusBar()->showMessage(tr("Data z modulu nepřevzata; konfigurace zůstala, jak byla upravena"), 8000);
            UpdateActions();
            return;
        }
        // The image now holds the module: nothing of it is unsaved, and it is no longer the file's.
        SetFile({});
        m_clean = m_data.ConfigImage;
        ImageChanged(tr("čtení z modulu"));
    } else if (outcome == TransferOutcome::Stored && !m_controller.IsRestore()) {
        // Only the range that went into the module is safe there, and only as it was stored: a change made
        // while the store ran is still unsaved.
        const int first = m_controller.StoreFirst();
        const int last = std::min(m_controller.StoreLast(), SavedByteCount - 1);
        if (first <= last)
            std::copy(m_controller.StoreBytes().begin() + first, m_controller.StoreBytes().begin() + last + 1,
                      m_clean.begin() + first);
        UpdateTitle();
    }
    if (outcome == TransferOutcome::Stopped) {
        Stopped();
        UpdateActions();
        return;
    }
    if (outcome == TransferOutcome::Stored && m_controller.IsRestore())
        Information(tr("Záloha je zpět v modulu a ověřena: modul je jako před zastaveným uložením."));
    if (outcome == TransferOutcome::SignalTableRead) {
        // The developer's dump goes into the current folder, where the module's own tools look for it.
        const QString path = QStringLiteral("poleSIG.txt");
        if (WritePoleSigDump(path, m_data.ConfigImage))
            Information(TransferController::Translated(TransferController::PoleSigDoneText));
        else
            Warning(WriteErrorText(path));
        return;
    }
    QString text = OutcomeText(outcome);
    if (text.isEmpty())
        return;
    // What the module was compared with, taken before the box lets anything else run: the verify after a store
    // compares with the snapshot the store wrote.
    const ImageBytes compared =
        outcome == TransferOutcome::StoredDifferent ? m_controller.StoreBytes() : m_data.ConfigImage;
    if (outcome == TransferOutcome::StoreFailed)
        text += QLatin1Char('\n') + m_controller.StoreLeftText(m_lastBackup);
    if (outcome == TransferOutcome::StoredDifferent) {
        text += QLatin1Char('\n') + tr("Rozdílných bajtů: %1").arg(m_differences.size());
        if (m_controller.ResetAfterStore())
            text += QLatin1Char('\n') + tr("Modul nebyl resetován.");
    }
    if (IsFailure(outcome))
        Warning(text);
    else
        Information(text);
    // The verify's box stays as it was; the bytes that differ follow in a window of their own.
    const bool verified = outcome == TransferOutcome::Different || outcome == TransferOutcome::StoredDifferent;
    if (verified && !m_differences.isEmpty()) {
        m_verifyDetails->SetDifferences(compared, m_differences);
        m_verifyDetails->show();
        m_verifyDetails->raise();
    }
}

void TMainForm1::EndOfTransfer(bool wentWell)
{
    m_lastTransferWentWell = wentWell;
    UpdateActions();
    if (!m_closeWhenDone || !m_controller.IsIdle())
        return;
    m_closeWhenDone = false;
    // A store that failed or was stopped leaves a module the user has to see to: the window stays.
    if (!wentWell)
        statusBar()->showMessage(tr("Okno zůstalo otevřené: přenos neskončil úspěšně."), 8000);
    else
        QTimer::singleShot(0, this, &QWidget::close);
}
bool TMainForm1::KeepBackup(const ImageBytes &module, const Overwrite &followed, QString *why)
{
    // The module's type and version, when the last Test comm or search has told them.
    const BackupStore::Kept kept = m_backups.Keep(module, m_moduleFound, followed);
    m_lastBackup = kept.path;
    if (kept.path.isEmpty())
        *why = kept.error;
    if (m_backupsWindow->isVisible())
        m_backupsWindow->Refresh();
    return !kept.path.isEmpty();
}

void TMainForm1::ByteDiffers(int address, std::uint8_t imageByte, std::uint8_t moduleByte)
{
    m_differences << ByteDifference{address, imageByte, moduleByte};
}
std::optional<bool> TMainForm1::Ask(TransferQuestion, const QString &text)
{
    // The transfer waits for the answer; the box opens from the event loop, not inside the tick or the byte
    // handler that asked, so the ticks go on while it is open.
    QMetaObject::invokeMethod(
        this, [this, text] { m_controller.Answer(m_prompts.AskYesNo(this, text)); }, Qt::QueuedConnection);
    return std::nullopt;
}

} // namespace hx7
