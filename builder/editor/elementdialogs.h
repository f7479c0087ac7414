#pragma once

#include <functional>

class QWidget;

namespace brevix {

class Project;

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

} // namespace brevix
