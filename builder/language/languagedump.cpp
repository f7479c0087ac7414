#include "language/languagedump.h"

#include "language/languagefile.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

namespace brevix {

namespace {

// The path of object below form: by name when the name leads there from the form, otherwise
// through its parent by name or index.
QString componentPath(QObject *form, QObject *object)
{
    if (object == form)
        return form->objectName();
    const QString name = object->objectName();
    if (!name.isEmpty() && !name.contains(QLatin1Char('.')) &&
        form->findChild<QObject *>(name) == object)
        return form->objectName() + QLatin1Char('.') + name;
    QObject *parent = object->parent();
    if (!parent)
        return {};
    const QString up = componentPath(form, parent);
    if (up.isEmpty())
        return {};
    const QList<QObject *> owned = ownedComponents(parent);
    bool nameLeadsHere = !name.isEmpty() && !name.contains(QLatin1Char('.'));
    for (QObject *sibling : parent->children())
        nameLeadsHere = nameLeadsHere && (sibling == object || sibling->objectName() != name);
    if (nameLeadsHere && parent->findChild<QObject *>(name) == object)
        return up + QLatin1Char('.') + name;
    const qsizetype n = owned.indexOf(object);
    if (n < 0)
        return {};
    return up + QLatin1Char('.') + QString::fromLatin1(object->metaObject()->className()) +
           QStringLiteral("(%1)").arg(n);
}

bool isInternal(QObject *object)
{
    for (QObject *o = object; o; o = o->parent()) {
        if (o->objectName().startsWith(QLatin1String("qt_")))
            return true;
        // The edit inside a spin or combo box shows values, not texts.
        if (o != object && (qobject_cast<QAbstractSpinBox *>(o) || qobject_cast<QComboBox *>(o)))
            return true;
    }
    return false;
}

void add(QStringList &lines, const QString &path, const QString &property, const QString &value)
{
    if (!path.isEmpty() && !value.trimmed().isEmpty())
        lines << path + QLatin1Char('.') + property + QLatin1Char('=') + value;
}

QString listValue(const QStringList &items)
{
    return items.isEmpty() ? QString() : items.join(QStringLiteral("\\n")) + QStringLiteral("\\n");
}

void dumpObject(QObject *form, QObject *object, QStringList &lines)
{
    const QString path = componentPath(form, object);
    if (auto *action = qobject_cast<QAction *>(object)) {
        if (action->isSeparator())
            return;
        add(lines, path, QStringLiteral("Caption"), action->text());
        if (action->toolTip() != QString(action->text()).remove(QLatin1Char('&')))
            add(lines, path, QStringLiteral("Hint"), action->toolTip());
        return;
    }
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return;
    if (widget->isWindow())
        add(lines, path, QStringLiteral("Caption"), widget->windowTitle());
    else if (auto *menu = qobject_cast<QMenu *>(widget))
        add(lines, path, QStringLiteral("Caption"), menu->title());
    else if (auto *box = qobject_cast<QGroupBox *>(widget))
        add(lines, path, QStringLiteral("Caption"), box->title());
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        add(lines, path, QStringLiteral("Caption"), button->text());
    else if (auto *label = qobject_cast<QLabel *>(widget))
        add(lines, path, QStringLiteral("Caption"), label->text());
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        add(lines, path, QStringLiteral("Items.Text"), listValue(items));
    }
    if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
        for (int i = 0; i < tabs->count(); ++i)
            add(lines, path, QStringLiteral("Pages[%1].Caption").arg(i), tabs->tabText(i));
    }
    if (auto *tree = qobject_cast<QTreeWidget *>(widget)) {
        for (int i = 0; i < tree->columnCount(); ++i)
            add(lines, path, QStringLiteral("Columns[%1].Caption").arg(i),
                tree->headerItem()->text(i));
    }
    if (auto *table = qobject_cast<QTableWidget *>(widget)) {
        for (int i = 0; i < table->columnCount(); ++i) {
            if (const QTableWidgetItem *item = table->horizontalHeaderItem(i))
                add(lines, path, QStringLiteral("Columns[%1].Caption").arg(i), item->text());
        }
    }
    add(lines, path, QStringLiteral("Hint"), widget->toolTip());
}

} // namespace

QStringList dumpLanguageLines(const QList<QWidget *> &forms)
{
    QStringList lines;
    for (QWidget *form : forms) {
        if (!form || form->objectName().isEmpty())
            continue;
        dumpObject(form, form, lines);
        const QList<QObject *> all = form->findChildren<QObject *>();
        for (QObject *object : all) {
            if (!isInternal(object))
                dumpObject(form, object, lines);
        }
    }
    lines.removeDuplicates();
    return lines;
}

QStringList translateLanguageLines(const QStringList &lines,
                                   const QMap<QString, QString> &dictionary, QStringList *missing)
{
    QStringList out;
    for (const QString &line : lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        const QString value = line.mid(eq + 1);
        const bool list = value.endsWith(QStringLiteral("\\n"));
        QStringList parts = list ? value.split(QStringLiteral("\\n")) : QStringList{value};
        bool complete = true;
        for (QString &part : parts) {
            if (part.isEmpty())
                continue;
            const auto it = dictionary.find(part);
            if (it != dictionary.end()) {
                part = it.value();
            } else if (part.contains(QRegularExpression(
                           QStringLiteral("[\\x{3000}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]")))) {
                complete = false;
                if (missing && !missing->contains(part))
                    missing->append(part);
            }
        }
        if (complete)
            out << line.left(eq + 1) + parts.join(QStringLiteral("\\n"));
    }
    return out;
}

QMap<QString, QString> readDictionary(const QString &path)
{
    QMap<QString, QString> dictionary;
    const auto lines = readLanguageLines(path);
    if (!lines)
        return dictionary;
    for (const QString &line : *lines) {
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab > 0)
            dictionary.insert(line.left(tab), line.mid(tab + 1));
    }
    return dictionary;
}

} // namespace brevix
