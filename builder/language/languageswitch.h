#pragma once

#include "text/message.h"

class QWidget;

namespace brevix {

// The file that holds the texts of a language, in the data folder.
QString languageFilePath(Language language);

// Switches the interface: the language of composed texts changes at once; every window that
// lives for the run is created if need be and gets the file's texts. On a missing or unreadable
// file the composed texts still follow the choice and the error is returned.
Result switchLanguage(Language language, QWidget *owner);

} // namespace brevix
