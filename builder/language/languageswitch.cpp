#include "language/languageswitch.h"

#include "language/languagefile.h"
#include "language/uilanguage.h"
#include "language/windowregistry.h"
#include "model/datafolder.h"

#include <QApplication>

namespace brevix {

QString languageFilePath(Language language)
{
    return dataFile(language == Language::Chinese ? QStringLiteral("language/apchs.ini")
                                                  : QStringLiteral("language/apeng.ini"));
}

Result switchLanguage(Language language, QWidget *owner)
{
    setUiLanguage(language);
    createLanguageWindows(owner);
    return ApplyLanguageFile(languageFilePath(language), QApplication::topLevelWidgets());
}

} // namespace brevix
