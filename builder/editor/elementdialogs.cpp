#include "editor/elementdialogs.h"

#include "model/project.h"

#include <map>
#include <vector>

namespace brevix {

namespace {

// Function-local statics so that registrations from static objects of other files find them
// constructed.
std::map<int, ElementDialogOpener> &registry()
{
    static std::map<int, ElementDialogOpener> openers;
    return openers;
}

PageDialogOpener &pageAttributes()
{
    static PageDialogOpener opener;
    return opener;
}

ProjectDialogOpener &workingParameters()
{
    static ProjectDialogOpener opener;
    return opener;
}

std::vector<MainFrameHook> &mainFrameHooks()
{
    static std::vector<MainFrameHook> hooks;
    return hooks;
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

void registerPageAttributesDialog(PageDialogOpener opener)
{
    pageAttributes() = std::move(opener);
}

bool hasPageAttributesDialog()
{
    return bool(pageAttributes());
}

bool openPageAttributesDialog(QWidget *parent, Project &project, int page)
{
    if (!pageAttributes() || page < 1 || page > kMaxPage)
        return false;
    return pageAttributes()(parent, project, page);
}

void registerWorkingParametersDialog(ProjectDialogOpener opener)
{
    workingParameters() = std::move(opener);
}

bool hasWorkingParametersDialog()
{
    return bool(workingParameters());
}

bool openWorkingParametersDialog(QWidget *parent, Project &project)
{
    return workingParameters() && workingParameters()(parent, project);
}

void registerMainFrameHook(MainFrameHook hook)
{
    mainFrameHooks().push_back(std::move(hook));
}

void runMainFrameHooks(MainFrame &mainFrame)
{
    for (const auto &hook : mainFrameHooks())
        hook(mainFrame);
}

} // namespace brevix
