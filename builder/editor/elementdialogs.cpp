#include "editor/elementdialogs.h"

#include "model/project.h"

#include <map>

namespace brevix {

namespace {

// Function-local so that registrations from static objects of other files find it constructed.
std::map<int, ElementDialogOpener> &registry()
{
    static std::map<int, ElementDialogOpener> openers;
    return openers;
}

} // namespace

void registerElementDialog(int kind, ElementDialogOpener opener)
{
    registry()[kind] = std::move(opener);
}

bool hasElementDialog(int kind)
{
    return registry().count(kind) != 0;
}

bool openElementDialog(QWidget *parent, Project &project, int page, int slot)
{
    if (page < 1 || page > kMaxPage || slot < 0 || slot >= kSlotCount)
        return false;
    const auto it = registry().find(project.record(page).Kind[slot]);
    if (it == registry().end() || !it->second)
        return false;
    return it->second(parent, project, page, slot);
}

} // namespace brevix
