#include "language/languagefile.h"

#include "language/languagetarget.h"
#include "text/gbk.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QWidget>

namespace brevix {

namespace {

QObject *findForm(const QString &name, const QList<QWidget *> &forms)
{
    for (QWidget *form : forms) {
        if (form && form->objectName() == name)
            return form;
    }
    return nullptr;
}

// The named component owned by object: any descendant of that name, nearest first.
QObject *findComponent(QObject *object, const QString &name)
{
    for (QObject *child : object->children()) {
        if (child->objectName() == name)
            return child;
    }
    return object->findChild<QObject *>(name, Qt::FindChildrenRecursively);
}

void applyLine(const QString &line, const QList<QWidget *> &forms, LanguageApplyCount &count)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return;
    const QString value = line.mid(eq + 1);
    if (value.trimmed().isEmpty())
        return;
    const QStringList path = line.left(eq).trimmed().split(QLatin1Char('.'));
    LanguageTarget target{findForm(path.first(), forms), {}, -1};
    if (!target.object || path.size() < 2) {
        ++count.skipped;
        return;
    }

    static const QRegularExpression indexStep(QStringLiteral(R"(^\w*\((\d+)\)$)"));
    static const QRegularExpression itemStep(QStringLiteral(R"(^(\w+)\[(\d+)\]$)"));
    qsizetype k = 1;
    for (; k < path.size() - 1; ++k) {
        const QString &step = path.at(k);
        if (const auto m = indexStep.match(step); m.hasMatch()) {
            const QList<QObject *> owned = ownedComponents(target.object);
            const int n = m.captured(1).toInt();
            if (n >= owned.size())
                break;
            target.object = owned.at(n);
        } else if (QObject *child = findComponent(target.object, step)) {
            target.object = child;
        } else {
            break; // not a component: this and the rest are properties
        }
    }
    for (; k < path.size() - 1; ++k) {
        if (!target.collection.isEmpty()) {
            ++count.skipped; // nested properties are not supported
            return;
        }
        const QString &step = path.at(k);
        if (const auto m = itemStep.match(step); m.hasMatch()) {
            target.collection = m.captured(1);
            target.index = m.captured(2).toInt();
        } else {
            target.collection = step;
            target.index = -1;
        }
    }
    if (setLanguageText(target, path.last(), value))
        ++count.applied;
    else
        ++count.skipped;
}

} // namespace

QList<QObject *> ownedComponents(QObject *object)
{
    QList<QObject *> owned;
    for (QObject *child : object->children()) {
        if (child->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (child->isWidgetType() || qobject_cast<QAction *>(child))
            owned.append(child);
    }
    return owned;
}

LanguageApplyCount applyLanguageLines(const QStringList &lines, const QList<QWidget *> &forms)
{
    LanguageApplyCount count;
    for (const QString &line : lines)
        applyLine(line, forms, count);
    return count;
}

std::optional<QStringList> readLanguageLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = fromGbk(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text.split(QRegularExpression(QStringLiteral("\r?\n")));
}

Result ApplyLanguageFile(const QString &path, const QList<QWidget *> &forms,
                         LanguageApplyCount *count)
{
    const auto lines = readLanguageLines(path);
    if (!lines)
        return Result::failure(QStringLiteral("无法读取语言文件: ") + path,
                               QStringLiteral("Cannot read the language file: ") + path);
    const LanguageApplyCount c = applyLanguageLines(*lines, forms);
    if (count)
        *count = c;
    return Result::success();
}

Result ApplyLanguageFile(const QString &path, LanguageApplyCount *count)
{
    return ApplyLanguageFile(path, QApplication::topLevelWidgets(), count);
}

} // namespace brevix
