#pragma once

#include "text/message.h"

#include <QString>
#include <QStringList>

namespace brevix {

class Project;

// The number the new-page dialog proposes: the page after the current one; beyond 240 the
// lowest free page (240 when every page exists).
int proposedPageNumber(const Project &project);
// "Window" + n.
QString proposedPageName(int n);
// The name after the number was changed in the dialog: rewritten while it still starts with
// "Window", a name the user typed is kept.
QString pageNameAfterNumberChange(const QString &name, int n);

// The 256 items of the page-jump list: 0 current page, 1..240 the pages (or a placeholder),
// 241..249 reserved, 250..255 the system pages.
QStringList pageJumpList(const Project &project, Language language);

// Tree and window caption of page n: PageNumberText + ":" + PageName.
QString pageCaption(const Project &project, int n);
// Page number before the first ":" of a caption, 0 when there is none.
int pageNumberFromCaption(const QString &caption);

} // namespace brevix
