#pragma once

#include <QList>
#include <functional>

class QWidget;

namespace brevix {

// Windows that are created once and live for the run register a factory here, so the language
// switch and the language file tool reach every one of them, created or not yet.
using LanguageWindowFactory = std::function<QWidget *(QWidget *owner)>;
void registerLanguageWindow(LanguageWindowFactory factory);
// Creates (or finds) every registered window under owner and returns them.
QList<QWidget *> createLanguageWindows(QWidget *owner);

} // namespace brevix
