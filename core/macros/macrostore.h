#pragma once

#include "macros/macrorow.h"
#include "model/workfolder.h"
#include "text/message.h"

#include <QString>

namespace brevix {

inline const QString kMacroTemplateName = QStringLiteral("MacroDat.M");

// The project's macro store (".M" beside the project file): SQLite, table "Mac" with the columns
// OPt, BIT, A1t, A1v, A2t, A2v, A3t, A3v (integers) and Comment (text); rows in rowid order are
// the macro rows. Every call opens its own uniquely named connection and closes it again.
class MacroStore
{
public:
    // projectPath: the ".KX3" path; the store is its companion ".M". templatePath: the file a
    // missing store is created from (empty: macroTemplatePath(WorkFolder())).
    explicit MacroStore(const QString &projectPath, const QString &templatePath = QString());

    const QString &path() const { return m_path; }
    bool exists() const;

    // Creates the store from the template when it does not exist, then reads every row
    // (at most kMacroBufferRows; values masked to 16 bits, Comment cut to 50 bytes).
    Result ADOLoadFile(MacroRows &rows) const;
    // As ADOLoadFile but never creates the store: a missing store reads as no rows. This is what
    // the compiler uses, so compiling never writes beside the project.
    Result readRows(MacroRows &rows) const;
    // Runs the label checks over rows 0..L of the first 100 and, when they pass, replaces the
    // table's content with those rows in one transaction. A failed check stores nothing.
    Result ADOSaveFile(const MacroRows &rows) const;
    // Compacts the store (VACUUM); the store stays usable when it fails.
    Result CompressRepairMDat() const;

private:
    Result ensureExists() const;

    QString m_path;
    QString m_templatePath;
};

// The store path of a project: companionPath(projectPath, ".M").
QString macroStorePath(const QString &projectPath);
// The template a new store is copied from: "MacroDat.M" in the working folder when a copy is
// there, otherwise the one in the data folder (stores/MacroDat.M).
QString macroTemplatePath(const WorkFolder &work);

// The label checks of save and export over rows 0..L of the first 100: every jump target
// (codes 15..22: A3, 23/24: A2, 25: A1) needs a LABEL row with that number, and no LABEL
// number may repeat. Row numbers in the messages are the editor's (1-based):
// "L# 4, LABEL 5 未定义！" / "L# 4, LABEL 5 undefined!", "L# 5, LABEL 2 重复！" / "... repeated!".
Result checkMacroLabels(const MacroRows &rows);

} // namespace brevix
