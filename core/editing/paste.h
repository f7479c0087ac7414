#pragma once

#include "text/message.h"

#include <QByteArray>
#include <QSize>
#include <optional>

namespace brevix {

class Project;
struct PageRecord;

// Paste1PcsOrgan: copies slot a of the clipboard record into a free slot of page. The copy in
// the clipboard record itself steps +10/+6 first (so repeated pastes walk down-right) and is
// clipped to the page; list texts are copied up to the smaller capacity of the two members.
// Returns the new slot, or nothing when the page is full for the kind.
std::optional<int> Paste1PcsOrgan(Project &project, int page, PageRecord &clip, int a,
                                  QSize pageSize);

// Paste page: copies the clipboard record into page n, which must not exist, with the name
// prefixed "新" / "New" (cut to 20 bytes). Fails with the page-exists warning.
Result pastePage(Project &project, const PageRecord &clip, int n, Language language);

// n + " 号画面已存在 ！" / "Window" + n + " already exists ！".
Message pageExistsWarning(int n);

} // namespace brevix
