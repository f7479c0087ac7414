#include "editor/editorsession.h"

#include <QClipboard>
#include <QGuiApplication>
#include <cstring>

namespace brevix {

namespace {

// Pictures of the project's library for the element drawing.
class StorePictureSource : public PictureSource
{
public:
    explicit StorePictureSource(const PictureStore &store) : m_store(store) {}
    QImage picture(int number) const override
    {
        QImage image;
        if (!m_store.isOpen() || !m_store.loadImage(number, image).ok())
            return {};
        return image;
    }

private:
    const PictureStore &m_store;
};

} // namespace

EditorSession::EditorSession(const WorkFolder &workFolder, QObject *parent)
    : QObject(parent), work(workFolder), m_clipboardRecord(new PageRecord),
      m_pictures(new PictureStore)
{
    std::memset(static_cast<void *>(m_clipboardRecord.get()), 0, sizeof(PageRecord));
    m_pictureSource = std::make_unique<StorePictureSource>(*m_pictures);
}

EditorSession::~EditorSession() = default;

RenderOptions EditorSession::renderOptions() const
{
    RenderOptions options;
    options.lampsOn = lampsOn;
    options.fontOptimisation = settings.fontOptimisation;
    options.pictures = m_pictureSource.get();
    options.interfaceLanguage = language();
    options.showGrid = settings.showGrid;
    options.gridX = settings.gridX;
    options.gridY = settings.gridY;
    options.gridColour = settings.griddingColor;
    return options;
}

void EditorSession::openPictureLibrary(const QString &path)
{
    m_pictures->close();
    // A missing template only means pictures cannot be shown; the project itself is fine.
    m_pictures->ADOConnected(path);
}

void EditorSession::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

void EditorSession::EditFileBackup()
{
    undo.EditFileBackup(project);
    setModified(true);
}

Result EditorSession::CopyPageRecordToTemp(int page, const QString &announcement)
{
    const Result written = writeTransferFile(work, project.record(page));
    if (!written.ok())
        return written;
    lastSent = announcement;
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(announcement);
    // Under some platforms the change notice does not come back to the owner: read it now.
    ReceiveClipboardData(announcement);
    return Result::success();
}

bool EditorSession::ReceiveClipboardData(const QString &clipboardText)
{
    lastRead = clipboardText;
    const auto announcement = parseAnnouncement(clipboardText);
    if (!announcement)
        return false;
    if (!readTransferFile(work, *m_clipboardRecord).ok())
        return false; // the paste commands keep their previous state
    copied = announcement;
    copiedValue = announcement->value;
    emit clipboardChanged();
    return true;
}

} // namespace brevix
