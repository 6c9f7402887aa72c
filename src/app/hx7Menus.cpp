// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menus: what each item is called, its accelerator and shortcut, and what it runs.
#include "hx7Main.h"

#include "DLGmanServis2.h"
#include "backupswindow.h"
#include "dialogparts.h"
#include "filecommands.h"
#include "helpwindow.h"
#include "hx7version.h"
#include "language.h"
#include "layoutcommands.h"
#include "monitorwindow.h"
#include "prompts.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QUndoStack>

namespace hx7 {

namespace {
// The platform's keys for a standard command, or the common ones where it has none: some desktops give Save As
// and Quit no keys at all, and the guide names Ctrl+Shift+S and Ctrl+Q.
QList<QKeySequence> KeysOr(QKeySequence::StandardKey key, const QKeySequence &common)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (keys.isEmpty())
        keys << common;
    return keys;
}
} // namespace

const char *LanguageActionName(const QString &code)
{
    return code == QLatin1String("en")   ? "JazykEnglish1"
           : code == QLatin1String("de") ? "JazykDeutsch1"
                                         : "JazykCestina1";
}

// Undo or redo with the step's name. Qt's own actions join the word and the name with a blank; German writes
// "Rückgängig: Fahrstraße 4", so the caption is one text a translation words as its language does.
QAction *TMainForm1::StackAction(QUndoStack &stack, bool redo, const QString &word, const QString &withStep)
{
    auto *action = new QAction(word, this);
    const auto update = [action, &stack, redo, word, withStep] {
        const QString step = redo ? stack.redoText() : stack.undoText();
        action->setText(step.isEmpty() ? word : withStep.arg(step));
        action->setEnabled(redo ? stack.canRedo() : stack.canUndo());
    };
    connect(&stack, &QUndoStack::indexChanged, action, update);
    connect(&stack, &QUndoStack::cleanChanged, action, update);
    connect(action, &QAction::triggered, &stack, redo ? &QUndoStack::redo : &QUndoStack::undo);
    update();
    return action;
}

template <typename Handler>
QAction *TMainForm1::AddAction(QMenu *menu, const char *name, const QString &text, Handler handler)
{
    return Named(menu->addAction(text, this, handler), name);
}

void TMainForm1::BuildFileMenu()
{
    QMenuBar *MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    // Every item has an accelerator (the "&" only underlines its letter); the standard shortcuts where a
    // standard exists, and shortcuts of their own for the three transfers.
    QMenu *file = MainMenu1->addMenu(tr("&Soubor       "));
    Named(file->addAction(tr("&Načíst data"), m_files, &FileCommands::Open), "Nast1")->setShortcut(QKeySequence::Open);
    Named(file->addAction(tr("&Uložit"), m_files, &FileCommands::SaveInPlace), "Ulozit1")
        ->setShortcut(QKeySequence::Save);
    Named(file->addAction(tr("Uložit &data"), m_files, &FileCommands::SaveAs), "Uloit1")
        ->setShortcuts(KeysOr(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)));
    file->addSeparator()->setObjectName(QStringLiteral("N5"));
    Named(file->addAction(tr("&Tisk…"), m_files, &FileCommands::Print), "Tisk1")->setShortcut(QKeySequence::Print);
    AddAction(file, "ExportPDF1", tr("Exportovat do &PDF…"), &TMainForm1::ExportPdf1Click);
    QAction *recentSeparator = file->addSeparator();
    recentSeparator->setObjectName(QStringLiteral("N4"));
    QList<QAction *> recent;
    for (int i = 0; i < Settings::RecentFileCount; ++i)
        recent << Named(file->addAction(QString()), qPrintable(QStringLiteral("Recent%1").arg(i + 1)));
    m_files->SetRecentItems(recent, recentSeparator);
    file->addSeparator()->setObjectName(QStringLiteral("N2"));
    AddAction(file, "Exit1", tr("&Exit"), &QWidget::close)
        ->setShortcuts(KeysOr(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));

    QMenu *edit = MainMenu1->addMenu(tr("Úpr&avy    "));
    edit->setObjectName(QStringLiteral("Upravy1"));
    QAction *undo = Named(StackAction(UndoStack(), false, tr("&Zpět"), tr("&Zpět %1")), "Zpet1");
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = Named(StackAction(UndoStack(), true, tr("Z&novu"), tr("Z&novu %1")), "Znovu1");
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
}

void TMainForm1::BuildTransferMenu()
{
    QMenu *link = menuBar()->addMenu(tr("&Přenos       "));
    AddAction(link, "KomunikaceRS2321", tr("Nastavení &RS232"), &TMainForm1::KonfiguraceRS2321Click);
    RychlyPrenos1 = AddAction(link, "RychlyPrenos1", tr("R&ychlý přenos"), &TMainForm1::RychlyPrenos1Click);
    RychlyPrenos1->setCheckable(true);
    m_linkActions << RychlyPrenos1; // a change of pace takes effect at the next transfer
    RychlyPrenos1->setToolTip(tr("Další rámec se odešle hned po odpovědi modulu, ne až s dalším taktem 100 ms"));
    AddAction(link, "MonitorKomunikace1", tr("&Monitor komunikace"), [this] { ShowWindow(m_monitor); });
    AddAction(link, "Zalohymodulu1", tr("&Zálohy modulů"), [this] {
        m_backupsWindow->Refresh();
        ShowWindow(m_backupsWindow);
    });
    link->addSeparator()->setObjectName(QStringLiteral("N3"));
    m_linkActions << AddAction(link, "Nastdatazmodulu1", tr("&Načíst data z modulu"), &TMainForm1::ReadData1Click);
    m_linkActions.last()->setShortcut(Qt::CTRL | Qt::Key_R);
    m_linkActions << AddAction(link, "Verifikovatdatasmodulem1", tr("&Verifikovat data s modulem"),
                               &TMainForm1::VerifData1Click);
    m_linkActions.last()->setShortcut(Qt::CTRL | Qt::Key_E);
    m_linkActions << AddAction(link, "Uloitdatadomodulu1", tr("&Uložit data do modulu"), &TMainForm1::UlozitData1Click);
    m_linkActions.last()->setShortcut(Qt::CTRL | Qt::Key_U);
    NastpoleSIG1 = AddAction(link, "NastpoleSIG1", tr("Načíst  &poleSIG"), [this] { Controller().StartPoleSigRead(); });
    NastpoleSIG1->setVisible(false);
    m_linkActions << NastpoleSIG1;
    m_presenter->SetLinkControls(m_linkActions, BTtest1);
}

void TMainForm1::BuildLayoutMenu()
{
    QMenu *layout = menuBar()->addMenu(tr("Ko&lejiště     "));
    layout->setObjectName(QStringLiteral("Kolejiste1"));
    AddAction(layout, "ModulyKolejiste1", tr("&Moduly kolejiště"), [this] { m_layouts->ShowRoster(); });
    AddAction(layout, "NoveKolejiste1", tr("&Nové kolejiště…"), [this] { m_layouts->New(); });
    AddAction(layout, "OtevritKolejiste1", tr("&Otevřít kolejiště…"), [this] { m_layouts->Open(); });
    QAction *recentSeparator = layout->addSeparator();
    QList<QAction *> recent;
    for (int i = 0; i < 8; ++i)
        recent << Named(layout->addAction(QString()), qPrintable(QStringLiteral("RecentLayout%1").arg(i + 1)));
    m_layouts->SetRecentItems(recent, recentSeparator);
    layout->addSeparator();
    AddAction(layout, "PlanAdres1", tr("&Plán adres"), [this] { m_layouts->ShowPlan(); });
    AddAction(layout, "KontrolaKolejiste1", tr("&Kontrola kolejiště"), [this] { m_layouts->ShowCheck(); });
    AddAction(layout, "TiskKolejiste1", tr("&Tisk kolejiště…"), [this] { m_layouts->Print(); });
    AddAction(layout, "KolejistePDF1", tr("Kolejiště do P&DF…"), [this] { m_layouts->ExportPdf(); });
    AddAction(layout, "ModulyCSV1", tr("Moduly do &CSV…"), [this] { m_layouts->ExportCsv(false); });
    AddAction(layout, "PlanCSV1", tr("Plán adres do C&SV…"), [this] { m_layouts->ExportCsv(true); });
}

void TMainForm1::BuildInfoMenu()
{
    QMenu *info = menuBar()->addMenu(tr("&Info    "));
    AddAction(info, "Napoveda1", tr("&Nápověda"), [this] {
        m_helpWindow->ShowGuide(m_language);
    })->setShortcut(QKeySequence::HelpContents);
    AddAction(info, "Oprogramu1", tr("&O programu"), &TMainForm1::Oprogramu1Click);
    // Each language is named in itself, so that a user who cannot read the other finds the way back.
    QMenu *language = info->addMenu(QStringLiteral("&Jazyk / Language / Sprache"));
    language->setObjectName(QStringLiteral("Jazyk1"));
    auto *languages = new QActionGroup(this);
    for (const Language &l : Languages()) {
        const QString code = QString::fromLatin1(l.code);
        QAction *item = AddAction(language, LanguageActionName(code), QString::fromUtf8(l.ownName),
                                  [this, code] { JazykClick(code); });
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
    // Said in every language: the one chosen may be one the user reads and the program does not speak yet.
    m_prompts.Information(this, QStringLiteral("Jazyk se změní po novém spuštění programu.\n"
                                               "The language changes when the program is started again.\n"
                                               "Die Sprache wechselt beim nächsten Start des Programms."));
}

void TMainForm1::Oprogramu1Click()
{
    // lupdate would give the about text the context of a translate() call it stands in: the title goes first.
    const QString title = QCoreApplication::translate("hx7", "HX7 konfig");
    m_prompts.About(this, title,
                    tr(" Konfigurátor  pro HX7, HX7V(M)   V%1").arg(QLatin1String(HX7_VERSION)) + QLatin1Char('\n') +
                        tr("Moduly HX7, HX7V a HX7S, s volbou M (motorové přestavníky) i bez ní") + QLatin1Char('\n') +
                        tr("Každý modul je příslušenský dekodér DCC pro návěstidla a výhybky.") + QLatin1Char('\n') +
                        tr("Sestaveno s knihovnou Qt %1").arg(QLatin1String(QT_VERSION_STR)) + QStringLiteral("\n\n") +
                        tr("Svobodný software pod licencí GNU General Public License verze 3 nebo novější "
                           "(GPL-3.0-or-later), bez jakékoli záruky."));
}

} // namespace hx7
