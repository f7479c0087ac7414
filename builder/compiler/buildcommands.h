#pragma once

#include "text/message.h"

#include <QString>
#include <functional>

class QWidget;

namespace brevix {

class CompileCheckFrame;
class Project;

// Download (F6), offline and online simulation (F9, F10) and the customer update package (F12)
// share one prologue: check, start page, saved project, KX.bin in the working folder.
enum class BuildCommand { Download, OfflineSimulation, OnlineSimulation, UpdatePackage };

// What the commands need from the main window.
struct BuildCommandHooks
{
    QWidget *window = nullptr;
    Project *project = nullptr;
    CompileCheckFrame *checkFrame = nullptr;
    std::function<bool()> isModified;
    std::function<QString()> projectPath;
    std::function<void()> save;
    std::function<void()> showWorkingParameters; // may be empty while it does not exist
    std::function<QString()> statusText;
    std::function<void(const QString &)> setStatusText;
    std::function<void()> showDownloadDialog; // may be empty
    // Starts a program detached; replaced by tests.
    std::function<bool(const QString &program, const QString &folder)> startDetached;
    std::function<void(const QString &folder)> openFolder;
    // The save dialog of the update package; empty result = cancelled.
    std::function<QString(const QString &proposed)> askPackagePath;
    // The update program the package carries; empty = the one beside the editor.
    QString updateProgramPath;
};

// Where the prologue stopped, for callers and tests.
enum class PrologueOutcome { Built, CheckFailed, NoStartPage, Unsaved, BuildFailed };

// The prologue alone: runs the check (its list is shown when it found errors), the start page
// and saved tests, and builds KX.bin into the working folder. Messages go to the user.
PrologueOutcome runBuildPrologue(const BuildCommandHooks &hooks, QString *sizeText);

// The whole command.
PrologueOutcome runBuildCommand(BuildCommand command, const BuildCommandHooks &hooks);

// The texts of the prologue.
Message missingStartPageMessage(int page);
Message saveFirstMessage();
Message compilerFailedMessage();

// The simulator program beside the editor (falls back to the name on the search path).
QString simulatorProgram();
QString updateProgram();

} // namespace brevix
