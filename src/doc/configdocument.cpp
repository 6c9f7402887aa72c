// SPDX-License-Identifier: GPL-3.0-or-later
#include "configdocument.h"

#include "routecodec.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUndoStack>
#include <utility>

namespace hx7 {

namespace {

// The bytes a file and a module read hold; what "modified" and the undo steps compare.
bool SameData(const ImageBytes &a, const ImageBytes &b, int bytes = SavedByteCount)
{
    return SameBytes(a, b, bytes);
}

// One change of the image, kept as the whole image before and after it: a snapshot is 640 bytes, cheaper than
// an inverse operation and unable to drift from what the image really held.
class ImageStep : public QUndoCommand
{
public:
    ImageStep(ConfigDocument &document, const ImageBytes &before, const ImageBytes &after, const QString &text)
        : QUndoCommand(text), m_document(document), m_before(before), m_after(after)
    {}
    void undo() override { m_document.Restore(m_before); }
    // The first redo is the push itself: the image already holds the change.
    void redo() override
    {
        if (!std::exchange(m_pushed, false))
            m_document.Restore(m_after);
    }

private:
    ConfigDocument &m_document;
    ImageBytes m_before;
    ImageBytes m_after;
    bool m_pushed = true;
};

// Compared as the file system resolves them, so that a link to the folder or to the file does not hide one.
QString Resolved(const QString &name)
{
    const QFileInfo info(name);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace

ConfigDocument::ConfigDocument(SharedData &data, QObject *parent)
    : QObject(parent), m_data(data), m_undo(new QUndoStack(this))
{
    m_clean = m_shown = m_data.ConfigImage;
}

void ConfigDocument::New()
{
    InitConfigImage(m_data.ConfigImage);
    DecodeRoutes(m_data.ConfigImage.data(), m_data.RouteTable);
    m_clean = m_shown = m_data.ConfigImage;
    m_undo->clear();
    SetFile({});
    Q_EMIT ImageReplaced();
    Q_EMIT StateChanged();
}

bool ConfigDocument::IsModified() const
{
    return !SameData(m_data.ConfigImage, m_clean);
}

void ConfigDocument::Edited(const QString &what)
{
    // One step for each change that changed something; the image as the last step left it is m_shown.
    if (!SameData(m_data.ConfigImage, m_shown, ModuleBytes)) {
        const ImageBytes before = std::exchange(m_shown, m_data.ConfigImage);
        m_undo->push(new ImageStep(*this, before, m_data.ConfigImage, what));
    }
    Q_EMIT StateChanged();
}

void ConfigDocument::Restore(const ImageBytes &image)
{
    std::copy(image.begin(), image.begin() + ModuleBytes, m_data.ConfigImage.begin());
    m_shown = m_data.ConfigImage;
    DecodeRoutes(m_data.ConfigImage.data(), m_data.RouteTable);
    Q_EMIT ImageReplaced();
    Q_EMIT StateChanged();
}

bool ConfigDocument::FileChangedOnDisk() const
{
    const QFileInfo file(m_filePath);
    return !m_filePath.isEmpty() && file.exists() && file.lastModified() != m_fileStamp;
}

LoadOutcome ConfigDocument::Load(const QString &path)
{
    const LoadOutcome outcome = LoadConfigText(path, m_data.ConfigImage);
    if (outcome.status != LoadOutcome::Loaded)
        return outcome;
    DecodeRoutes(m_data.ConfigImage.data(), m_data.RouteTable);
    Q_EMIT ImageReplaced();
    SetFile(path);
    m_clean = m_data.ConfigImage;
    Edited(QCoreApplication::translate("hx7", "načtení souboru %1").arg(QFileInfo(path).fileName()));
    return outcome;
}

bool ConfigDocument::Save(const QString &path, QString *error)
{
    if (!SaveConfigText(path, m_data.ConfigImage, error))
        return false;
    SetFile(path);
    m_clean = m_data.ConfigImage;
    Q_EMIT StateChanged();
    return true;
}

void ConfigDocument::TieToEntry(const QString &id)
{
    m_entryId = id;
    Q_EMIT StateChanged();
}

void ConfigDocument::WrittenToFile()
{
    m_clean = m_data.ConfigImage;
    SetFile(m_filePath);
    Q_EMIT StateChanged();
}

void ConfigDocument::DetachFile()
{
    SetFile({});
    Q_EMIT StateChanged();
}

void ConfigDocument::ReadFromModule()
{
    // The entry's file stays what the module is compared with: the user decides whether to save the module's
    // bytes into the entry.
    if (m_entryId.isEmpty()) {
        SetFile({});
        m_clean = m_data.ConfigImage;
    }
    if (m_module)
        m_module->addressCode = m_data.ConfigImage[AddressCodeByte];
    Edited(QCoreApplication::translate("hx7", "čtení z modulu"));
}

void ConfigDocument::StoredToModule(const ImageBytes &bytes, int first, int last)
{
    last = std::min(last, SavedByteCount - 1);
    if (first <= last)
        std::copy(bytes.begin() + first, bytes.begin() + last + 1, m_clean.begin() + first);
    if (m_module && first <= AddressCodeByte && AddressCodeByte <= last)
        m_module->addressCode = bytes[AddressCodeByte];
    Q_EMIT StateChanged();
}

void ConfigDocument::SetModule(const std::optional<ModuleIdentity> &module)
{
    m_module = module;
    Q_EMIT ModuleChanged();
}

void ConfigDocument::SetModuleAddressCode(int code)
{
    if (!m_module)
        return;
    m_module->addressCode = code;
    Q_EMIT ModuleChanged();
}

void ConfigDocument::SetFile(const QString &path)
{
    const QString folder = Resolved(m_backupFolder) + QLatin1Char('/');
    const bool backup = !path.isEmpty() && !m_backupFolder.isEmpty() && Resolved(path).startsWith(folder);
    if (path != m_filePath)
        m_entryId.clear();
    m_filePath = backup ? QString() : path;
    m_fileStamp = m_filePath.isEmpty() ? QDateTime() : QFileInfo(m_filePath).lastModified();
}

} // namespace hx7
