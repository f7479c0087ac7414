#pragma once

#include "editor/elementdialogs.h"
#include "language/windowregistry.h"

#include <QPointer>
#include <QWidget>

namespace brevix {

// The one instance of a dialog class, created on first use as a window of the main window and
// reused for the rest of the run.
template <class Dialog> Dialog *dialogInstance(QWidget *owner)
{
    static QPointer<Dialog> instance;
    if (!instance)
        instance = new Dialog(owner ? owner->window() : nullptr);
    return instance;
}

// Registers Dialog as the property dialog of an element kind and as a window the language
// files reach.
template <class Dialog> struct DialogRegistration
{
    explicit DialogRegistration(int kind)
    {
        registerElementDialog(kind, [](QWidget *parent, Project &project, int page, int slot) {
            return dialogInstance<Dialog>(parent)->edit(project, page, slot);
        });
        registerLanguageWindow(
            [](QWidget *owner) -> QWidget * { return dialogInstance<Dialog>(owner); });
    }
};

} // namespace brevix
