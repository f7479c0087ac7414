#include "language/windowregistry.h"

#include <QWidget>
#include <vector>

namespace brevix {

namespace {
std::vector<LanguageWindowFactory> &factories()
{
    static std::vector<LanguageWindowFactory> list;
    return list;
}
} // namespace

void registerLanguageWindow(LanguageWindowFactory factory)
{
    factories().push_back(std::move(factory));
}

QList<QWidget *> createLanguageWindows(QWidget *owner)
{
    QList<QWidget *> windows;
    for (const auto &factory : factories()) {
        if (QWidget *w = factory(owner))
            windows.append(w);
    }
    return windows;
}

} // namespace brevix
