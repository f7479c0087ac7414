#include "editing/newpage.h"

#include "model/project.h"

namespace brevix {

int proposedPageNumber(const Project &project)
{
    const int next = project.currentPage + 1;
    if (next >= 1 && next <= kMaxPage)
        return next;
    for (int n = 1; n <= kMaxPage; ++n) {
        if (!project.PageExists(n))
            return n;
    }
    return kMaxPage;
}

QString proposedPageName(int n)
{
    return QStringLiteral("Window") + QString::number(n);
}

QString pageNameAfterNumberChange(const QString &name, int n)
{
    return name.left(6) == QLatin1String("Window") ? proposedPageName(n) : name;
}

QStringList pageJumpList(const Project &project, Language language)
{
    const bool zh = language == Language::Chinese;
    QStringList items;
    items.reserve(256);
    items << (zh ? QStringLiteral("当前页") : QStringLiteral("Current page"));
    for (int n = 1; n <= kMaxPage; ++n) {
        if (project.PageExists(n)) {
            const PageRecord &r = project.record(n);
            items << r.PageStrings[PageNumberText].text() + QStringLiteral(": ") +
                         r.PageStrings[PageName].text();
        } else {
            items << QString::number(n) + QStringLiteral(": ÷÷÷÷÷÷");
        }
    }
    for (int n = 241; n <= 249; ++n)
        items << QString::number(n) +
                     (zh ? QStringLiteral(": 系统保留") : QStringLiteral(": Sys.Reserve"));
    if (zh) {
        items << QStringLiteral("250: 密码输入画面") << QStringLiteral("251: 报警记录画面")
              << QStringLiteral("252: 系统画面") << QStringLiteral("253: 系统语言画面")
              << QStringLiteral("254: 系统保留") << QStringLiteral("255: 系统保留");
    } else {
        items << QStringLiteral("250: Password input Window")
              << QStringLiteral("251: Alarm record Window") << QStringLiteral("252: System Window")
              << QStringLiteral("253: Language Window") << QStringLiteral("254: Sys.Reserve")
              << QStringLiteral("255: Sys.Reserve");
    }
    return items;
}

QString pageCaption(const Project &project, int n)
{
    const PageRecord &r = project.record(n);
    return r.PageStrings[PageNumberText].text() + QLatin1Char(':') + r.PageStrings[PageName].text();
}

int pageNumberFromCaption(const QString &caption)
{
    const int colon = caption.indexOf(QLatin1Char(':'));
    if (colon <= 0)
        return 0;
    bool ok = false;
    const int n = caption.left(colon).trimmed().toInt(&ok);
    return ok ? n : 0;
}

} // namespace brevix
