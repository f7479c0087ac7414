#pragma once

#include <functional>

class QWidget;

namespace brevix {

class Project;
class MainFrame;

// Opens the property dialog of the element in slot of page; returns true when it was confirmed
// (the dialog has then written the slot).
using ElementDialogOpener =
    std::function<bool(QWidget *parent, Project &project, int page, int slot)>;

// Element dialogs register themselves per kind (a later registration replaces an earlier one).
// A static registrar object in the dialog's own file is enough: the editor's code is linked whole.
void registerElementDialog(int kind, ElementDialogOpener opener);
// Whether a dialog exists for kind.
bool hasElementDialog(int kind);
// Runs the dialog of the slot's kind; false when none is registered or it was cancelled.
bool openElementDialog(QWidget *parent, Project &project, int page, int slot);

// The page attributes dialog: true when confirmed (it may have renumbered the page; the
// project's currentPage then names the new number).
using PageDialogOpener = std::function<bool(QWidget *parent, Project &project, int page)>;
void registerPageAttributesDialog(PageDialogOpener opener);
bool hasPageAttributesDialog();
bool openPageAttributesDialog(QWidget *parent, Project &project, int page);

// The working-parameter dialog as New runs it: true when confirmed. Without one, New creates the
// project directly.
using ProjectDialogOpener = std::function<bool(QWidget *parent, Project &project)>;
void registerWorkingParametersDialog(ProjectDialogOpener opener);
bool hasWorkingParametersDialog();
bool openWorkingParametersDialog(QWidget *parent, Project &project);

// Other parts of the editor extend the main window here: each hook runs once, right after the
// main window is built (wire a menu action found by objectName, connect to its signals).
using MainFrameHook = std::function<void(MainFrame &mainFrame)>;
void registerMainFrameHook(MainFrameHook hook);
void runMainFrameHooks(MainFrame &mainFrame);

} // namespace brevix
