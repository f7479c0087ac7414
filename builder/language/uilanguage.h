#pragma once

#include "text/message.h"

#include <QString>

namespace brevix {

// The interface language chosen by the "Chinese"/"English" menu items. Texts composed at run
// time are picked by it at the moment they are shown.
Language uiLanguage();
void setUiLanguage(Language language);
bool uiChinese();

// The wording of message for the current interface language.
QString uiText(const Message &message);
QString uiText(const QString &zh, const QString &en);

} // namespace brevix
