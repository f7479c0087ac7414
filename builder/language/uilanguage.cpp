#include "language/uilanguage.h"

namespace brevix {

namespace {
Language g_language = Language::Chinese;
}

Language uiLanguage()
{
    return g_language;
}

void setUiLanguage(Language language)
{
    g_language = language;
}

bool uiChinese()
{
    return g_language == Language::Chinese;
}

QString uiText(const Message &message)
{
    return message.text(g_language);
}

QString uiText(const QString &zh, const QString &en)
{
    return uiChinese() ? zh : en;
}

} // namespace brevix
