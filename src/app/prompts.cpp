// SPDX-License-Identifier: GPL-3.0-or-later
// Qt message boxes and file dialogs.
#include "prompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace hx7 {

namespace {

// Centred on the window it belongs to, also at start-up, before the window manager has placed the window
// (Qt would then centre it on the screen).
void CentreOnParent(QWidget &box, QWidget *parent)
{
    if (!parent || !parent->window()->isVisible())
        return;
    box.adjustSize();
    box.move(parent->window()->frameGeometry().center() - box.rect().center());
}

int Box(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, text, buttons, parent);
    CentreOnParent(box, parent);
    return box.exec();
}

QFileDialog *MakeFileDialog(const char *name, const QString &filter, QFileDialog::AcceptMode mode)
{
    auto *dialog = new QFileDialog;
    dialog->setObjectName(QLatin1String(name));
    dialog->setNameFilter(filter);
    dialog->setDefaultSuffix(QStringLiteral("txt"));
    dialog->setAcceptMode(mode);
    // The load does not insist on an existing file; a missing one is reported by the load itself.
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setWindowModality(Qt::ApplicationModal);
    return dialog;
}

QString Run(QFileDialog *dialog)
{
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().constFirst();
}

} // namespace

QtPrompts::QtPrompts()
    : SaveDialog1(MakeFileDialog("SaveDialog1", QCoreApplication::translate("hx7", "Text file (*.txt)"),
                                 QFileDialog::AcceptSave)),
      OpenDialog1(MakeFileDialog("OpenDialog1", QCoreApplication::translate("hx7", "Text files (*.txt)"),
                                 QFileDialog::AcceptOpen))
{}

QtPrompts::~QtPrompts() = default; // here, where QFileDialog is complete

void QtPrompts::Warning(QWidget *parent, const QString &text)
{
    Box(parent, QMessageBox::Warning, QCoreApplication::translate("hx7", "Varování"), text, QMessageBox::Ok);
}

void QtPrompts::Information(QWidget *parent, const QString &text)
{
    Box(parent, QMessageBox::Information, QCoreApplication::translate("hx7", "Informace"), text, QMessageBox::Ok);
}

bool QtPrompts::AskYesNo(QWidget *parent, const QString &text)
{
    return Box(parent, QMessageBox::Question, QCoreApplication::translate("hx7", "Potvrzení"), text,
               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool QtPrompts::WarnYesCancel(QWidget *parent, const QString &text)
{
    return Box(parent, QMessageBox::Warning, QCoreApplication::translate("hx7", "Varování"), text,
               QMessageBox::Yes | QMessageBox::Cancel) == QMessageBox::Yes;
}

Prompts::SaveChoice QtPrompts::AskSaveChanges(QWidget *parent)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("hx7", "Varování"),
                    QCoreApplication::translate("hx7", "Data v programu se změnila a nejsou uložena. Uložit je?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    CentreOnParent(box, parent);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

Prompts::CloseChoice QtPrompts::AskCloseDuringTransfer(QWidget *parent)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("hx7", "Varování"),
                    QCoreApplication::translate("hx7",
                                                "Probíhá uložení do modulu (záloha, zápis, ověření). Zavřením "
                                                "uprostřed zápisu by v modulu zůstala část nových a část starých "
                                                "dat."),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("CloseDuringTransfer"));
    QPushButton *wait =
        box.addButton(QCoreApplication::translate("hx7", "Počkat a zavřít po skončení"), QMessageBox::AcceptRole);
    QPushButton *stay = box.addButton(QCoreApplication::translate("hx7", "Zastavit a zůstat"), QMessageBox::ActionRole);
    QPushButton *quit =
        box.addButton(QCoreApplication::translate("hx7", "Zastavit a ukončit"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(wait);
    box.setEscapeButton(cancel);
    CentreOnParent(box, parent);
    box.exec();
    if (box.clickedButton() == wait)
        return CloseChoice::WaitThenClose;
    if (box.clickedButton() == stay)
        return CloseChoice::StopAndStay;
    if (box.clickedButton() == quit)
        return CloseChoice::StopAndQuit;
    return CloseChoice::Cancel;
}

bool QtPrompts::AskEitherOr(QWidget *parent, const QString &text, const QString &first, const QString &second)
{
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("hx7", "Potvrzení"), text, QMessageBox::NoButton,
                    parent);
    QPushButton *one = box.addButton(first, QMessageBox::AcceptRole);
    QPushButton *other = box.addButton(second, QMessageBox::RejectRole);
    box.setDefaultButton(one);
    box.setEscapeButton(other);
    CentreOnParent(box, parent);
    box.exec();
    return box.clickedButton() == one;
}

void QtPrompts::About(QWidget *parent, const QString &title, const QString &text)
{
    Box(parent, QMessageBox::NoIcon, title, text, QMessageBox::Ok);
}

QString QtPrompts::PdfFileName(QWidget *parent)
{
    QFileDialog dialog(parent, QCoreApplication::translate("hx7", "Exportovat do PDF"));
    dialog.setObjectName(QStringLiteral("PdfDialog1"));
    dialog.setNameFilter(QCoreApplication::translate("hx7", "Dokumenty PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    return Run(&dialog);
}

QString QtPrompts::CsvFileName(QWidget *parent, bool *excel)
{
    QFileDialog dialog(parent, QCoreApplication::translate("hx7", "Exportovat do CSV"));
    dialog.setObjectName(QStringLiteral("CsvDialog1"));
    const QString plain = QCoreApplication::translate("hx7", "CSV (*.csv)");
    const QString forExcel = QCoreApplication::translate("hx7", "CSV pro Excel (*.csv)");
    dialog.setNameFilters({plain, forExcel});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QString path = Run(&dialog);
    *excel = dialog.selectedNameFilter() == forExcel;
    return path;
}

QString QtPrompts::LayoutFolder(QWidget *parent, bool forNew)
{
    QFileDialog dialog(parent, forNew ? QCoreApplication::translate("hx7", "Složka nového kolejiště")
                                      : QCoreApplication::translate("hx7", "Otevřít kolejiště"));
    dialog.setObjectName(QStringLiteral("LayoutDialog1"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return Run(&dialog);
}

std::optional<QString> QtPrompts::AskText(QWidget *parent, const QString &label, const QString &initial)
{
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("TextDialog1"));
    dialog.setWindowTitle(QCoreApplication::translate("hx7", "HX7 konfig"));
    dialog.setLabelText(label);
    dialog.setTextValue(initial);
    CentreOnParent(dialog, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

QString QtPrompts::SaveFileName(QWidget *)
{
    return Run(SaveDialog1.get());
}

QString QtPrompts::OpenFileName(QWidget *)
{
    return Run(OpenDialog1.get());
}

} // namespace hx7
