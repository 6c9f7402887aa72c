// SPDX-License-Identifier: GPL-3.0-or-later
#include "filecommands.h"

#include "configdocument.h"
#include "prompts.h"
#include "settings.h"
#include "transferpresenter.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace hx7 {

FileCommands::FileCommands(ConfigDocument &document, Prompts &prompts, const Settings &settings,
                           TransferPresenter &presenter, QWidget &window)
    : QObject(&window), m_document(document), m_prompts(prompts), m_settings(settings), m_presenter(presenter),
      m_window(window)
{}

void FileCommands::SetRecentItems(QList<QAction *> items, QAction *separator)
{
    m_recentItems = std::move(items);
    m_recentSeparator = separator;
    for (QAction *item : std::as_const(m_recentItems))
        connect(item, &QAction::triggered, this, [this, item] { OpenRecent(item->data().toString()); });
}

bool FileCommands::MayReplaceData()
{
    if (!m_document.IsModified())
        return true;
    switch (m_prompts.AskSaveChanges(&m_window)) {
    case Prompts::SaveChoice::Save:
        return SaveInPlace();
    case Prompts::SaveChoice::Discard:
        return true;
    default:
        return false;
    }
}

void FileCommands::Open()
{
    if (!MayReplaceData())
        return;
    const QString path = m_prompts.OpenFileName(&m_window);
    if (!path.isEmpty())
        Load(path);
}

void FileCommands::OpenPath(const QString &path)
{
    if (MayReplaceData())
        Load(path);
}

void FileCommands::OpenRecent(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        QStringList files = m_settings.RecentFiles();
        files.removeAll(path);
        m_settings.WriteRecentFiles(files);
        FillRecentMenu();
        m_prompts.Warning(&m_window, tr("Soubor %1 už neexistuje; ze seznamu posledních souborů byl odebrán.")
                                         .arg(QDir::toNativeSeparators(path)));
        return;
    }
    OpenPath(path);
}

void FileCommands::Load(const QString &path)
{
    const LoadOutcome outcome = m_document.Load(path);
    if (outcome.status == LoadOutcome::Refused)
        m_prompts.Warning(&m_window, outcome.message);
    else if (outcome.status == LoadOutcome::Loaded)
        RememberFile(path);
}

bool FileCommands::SaveAs()
{
    const QString path = m_prompts.SaveFileName(&m_window);
    return !path.isEmpty() && WriteFile(path);
}

bool FileCommands::SaveInPlace()
{
    if (!m_document.EntryId().isEmpty() && m_saveEntry)
        return m_saveEntry();
    const QString path = m_document.FilePath();
    if (path.isEmpty())
        return SaveAs();
    // Someone (or another copy of the program) wrote the file since: ask before that is lost.
    if (m_document.FileChangedOnDisk() &&
        !m_prompts.AskYesNo(&m_window,
                            tr("Soubor %1 se od načtení změnil. Přepsat ho?").arg(QDir::toNativeSeparators(path))))
        return false;
    return WriteFile(path);
}

bool FileCommands::WriteFile(const QString &path)
{
    QString error;
    if (!m_document.Save(path, &error)) {
        m_prompts.Warning(&m_window, error);
        return false;
    }
    RememberFile(path);
    Q_EMIT StatusMessage(tr("Uloženo do %1").arg(QFileInfo(path).fileName()), 5000);
    return true;
}

void FileCommands::RememberFile(const QString &path)
{
    QStringList files = m_settings.RecentFiles();
    const QString file = QFileInfo(path).absoluteFilePath();
    files.removeAll(file);
    files.prepend(file);
    if (!m_settings.WriteRecentFiles(files.mid(0, Settings::RecentFileCount)))
        m_prompts.Warning(&m_window, SettingsWriteErrorText(m_settings.path()));
    FillRecentMenu();
}

void FileCommands::FillRecentMenu()
{
    const QStringList files = m_settings.RecentFiles();
    for (int i = 0; i < m_recentItems.size(); ++i) {
        QAction *item = m_recentItems[i];
        item->setVisible(i < files.size());
        item->setData(files.value(i));
        item->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(files.value(i))));
    }
    if (m_recentSeparator)
        m_recentSeparator->setVisible(!files.isEmpty());
}

SheetInfo FileCommands::Sheet() const
{
    SheetInfo info;
    const QString path = m_document.FilePath();
    info.fileName = path.isEmpty() ? QString() : QFileInfo(path).fileName();
    info.date = QDateTime::currentDateTime();
    if (const auto &module = m_document.Module())
        info.module = module->AnswerText();
    info.hx7s = m_hx7s && m_hx7s();
    if (m_names)
        info.names = m_names();
    return info;
}

void FileCommands::Print()
{
    // The system's print dialog is one button away in the preview, which shows the sheet as it will print.
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog preview(&printer, &m_window);
    preview.setObjectName(QStringLiteral("PrintPreview1"));
    const SheetInfo info = Sheet();
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&](QPrinter *target) { PaintConfigSheet(*target, m_document.Data(), info); });
    preview.exec();
}

void FileCommands::ExportPdf()
{
    const QString path = m_prompts.PdfFileName(&m_window);
    if (path.isEmpty())
        return;
    QString error;
    if (!WriteConfigSheetPdf(path, m_document.Data(), Sheet(), &error))
        m_prompts.Warning(&m_window, error);
}

void FileCommands::CompareWithBackup(const QString &path)
{
    // The backup's bytes over zeroes: only what the file holds is compared.
    ImageBytes backup{};
    const LoadOutcome outcome = LoadConfigText(path, backup);
    if (outcome.status == LoadOutcome::Refused) {
        m_prompts.Warning(&m_window, outcome.message);
        return;
    }
    const ImageBytes &image = m_document.Image();
    QList<ByteDifference> differences;
    for (int a = 0; a <= LastTransferAddress; ++a)
        if (outcome.held.test(a) && backup[a] != image[a])
            differences << ByteDifference{a, image[a], backup[a]};
    if (differences.isEmpty())
        m_prompts.Information(&m_window, tr("Záloha je shodná s daty v programu."));
    else
        m_presenter.ShowDifferences(image, differences, QFileInfo(path).fileName());
}

} // namespace hx7
