#pragma once

#include "model/project.h"
#include "model/workfolder.h"
#include "text/message.h"

#include <QByteArray>
#include <QString>

namespace brevix {

// Literal path of a project that has not been saved yet.
inline const QString kUnsavedProjectPath = QStringLiteral("KXP1.KX3");

// The uncompressed record image: records 0..n+1 (n = highest page, capped at record 240), with
// the format markers set and the carried cells of record 0 written back.
QByteArray recordImage(Project &project);
// Number of records a save writes for the project as it is.
int recordImageCount(const Project &project);

// Takes a record image into the project as Open does: all records cleared, markers checked,
// at most 240 page records taken, the two key-LED cells repaired, the lowest page made current.
Result loadRecordImage(Project &project, const QByteArray &image, const QString &path);

// Path a save dialog's choice is stored under: ".KX3" appended unless present (case-sensitive,
// anywhere), then placed in a folder named after the path minus its last four characters.
QString savePathForChosen(const QString &chosen);
// Creates the folder that savePathForChosen put the project in.
bool createProjectFolder(const QString &projectPath);
// A companion of the project: its path minus the last four characters plus the extension.
QString companionPath(const QString &projectPath, const QString &extension);
// Save As: copies ".PIC" and ".M" of the previous project beside the new one (never overwrites).
void copyCompanions(const QString &previousPath, const QString &newPath);

struct SaveOptions
{
    bool backup = false; // copy the previous file to ".BAK" first
};

// Writes the project to path through the working files; the previous file is replaced only
// once the new one is complete, so a failure at any point leaves it as it was.
Result saveProject(Project &project, const QString &path, const WorkFolder &work,
                   SaveOptions options = {});
// Reads a project file through the working files.
Result openProject(Project &project, const QString &path, const WorkFolder &work);

// The messages of the file commands.
Message wrongVersionMessage();
Message compressorFailureMessage();
Message openFailedMessage(const QString &path, const Message &cause);

} // namespace brevix
