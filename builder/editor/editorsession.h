#pragma once

#include "editor/builderini.h"
#include "model/clipboardtransfer.h"
#include "model/project.h"
#include "model/undohistory.h"
#include "model/workfolder.h"
#include "pictures/picturestore.h"
#include "render/pagerenderer.h"

#include <QObject>
#include <QString>
#include <memory>

namespace brevix {

// Everything the main window and its page editors share: the project with its editing state,
// the undo history, the element clipboard, the settings and the interface language.
class EditorSession : public QObject
{
    Q_OBJECT
public:
    explicit EditorSession(const WorkFolder &work, QObject *parent = nullptr);
    ~EditorSession() override;

    Project project;
    UndoHistory undo;
    WorkFolder work;
    BuilderSettings settings;

    Language language() const { return settings.chinese ? Language::Chinese : Language::English; }
    bool chinese() const { return settings.chinese; }
    // The wording of a message for the interface language chosen now.
    QString text(const Message &m) const { return m.text(language()); }
    QString text(const QString &zh, const QString &en) const { return chinese() ? zh : en; }

    // Drawing options for the page editors (ON/OFF preview, font optimisation, pictures, grid).
    RenderOptions renderOptions() const;
    bool lampsOn = false;

    // The project's picture library, opened after Open and the first Save.
    void openPictureLibrary(const QString &projectPath);
    PictureStore &pictures() { return *m_pictures; }

    // Project state of the file commands.
    QString projectPath;
    bool modified() const { return m_modified; }
    void setModified(bool modified);

    // Takes the undo snapshot of the current page after a change (and marks the project changed).
    void EditFileBackup();

    // The element clipboard: the record received last, its value and the announcement texts.
    PageRecord &clipboardRecord() { return *m_clipboardRecord; }
    int copiedValue = -1;
    std::optional<Announcement> copied;
    QString lastSent;
    QString lastRead;
    // CopyPageRecordToTemp: writes the page to the transfer file and announces text on the
    // system clipboard.
    Result CopyPageRecordToTemp(int page, const QString &announcement);
    // ReceiveClipboardData: reads an announcement and the transfer file; true when the paste
    // state changed to a new copy.
    bool ReceiveClipboardData(const QString &clipboardText);
    bool elementOnClipboard() const { return copied && !copied->isPage(); }
    bool pageOnClipboard() const { return copied && copied->isPage(); }

signals:
    void modifiedChanged(bool modified);
    void clipboardChanged();

private:
    std::unique_ptr<PageRecord> m_clipboardRecord;
    std::unique_ptr<PictureStore> m_pictures;
    std::unique_ptr<PictureSource> m_pictureSource;
    bool m_modified = false;
};

} // namespace brevix
