#include "language/languagetarget.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>

namespace brevix {

namespace {

// "a\nb\n" → a, b: the part after the last separator is not a line.
QStringList listParts(const QString &value)
{
    QStringList parts = value.split(QStringLiteral("\\n"));
    parts.removeLast();
    return parts;
}

bool setListLines(QObject *object, const QString &value)
{
    const QStringList parts = listParts(value);
    if (auto *combo = qobject_cast<QComboBox *>(object)) {
        for (int i = 0; i < parts.size(); ++i) {
            if (i < combo->count())
                combo->setItemText(i, parts.at(i));
            else
                combo->addItem(parts.at(i));
        }
        return true;
    }
    if (auto *list = qobject_cast<QListWidget *>(object)) {
        for (int i = 0; i < parts.size(); ++i) {
            if (i < list->count())
                list->item(i)->setText(parts.at(i));
            else
                list->addItem(parts.at(i));
        }
        return true;
    }
    if (auto *tabs = qobject_cast<QTabWidget *>(object)) {
        for (int i = 0; i < parts.size() && i < tabs->count(); ++i)
            tabs->setTabText(i, parts.at(i));
        return true;
    }
    QStringList lines;
    auto *plain = qobject_cast<QPlainTextEdit *>(object);
    auto *rich = qobject_cast<QTextEdit *>(object);
    if (!plain && !rich)
        return false;
    lines = (plain ? plain->toPlainText() : rich->toPlainText()).split(QLatin1Char('\n'));
    if (lines.size() == 1 && lines.first().isEmpty())
        lines.clear();
    for (int i = 0; i < parts.size(); ++i) {
        if (i < lines.size())
            lines[i] = parts.at(i);
        else
            lines << parts.at(i);
    }
    plain ? plain->setPlainText(lines.join(QLatin1Char('\n')))
          : rich->setPlainText(lines.join(QLatin1Char('\n')));
    return true;
}

bool setItemText(const LanguageTarget &t, const QString &property, const QString &value)
{
    const bool hint = property == QLatin1String("Hint");
    if (!hint && property != QLatin1String("Caption") && property != QLatin1String("Text"))
        return false;
    const int i = t.index;
    if (auto *tabs = qobject_cast<QTabWidget *>(t.object); tabs && i < tabs->count()) {
        hint ? tabs->setTabToolTip(i, value) : tabs->setTabText(i, value);
        return true;
    }
    if (auto *tree = qobject_cast<QTreeWidget *>(t.object); tree && i < tree->columnCount()) {
        hint ? tree->headerItem()->setToolTip(i, value) : tree->headerItem()->setText(i, value);
        return true;
    }
    if (auto *table = qobject_cast<QTableWidget *>(t.object); table && i < table->columnCount()) {
        QTableWidgetItem *item = table->horizontalHeaderItem(i);
        if (!item)
            table->setHorizontalHeaderItem(i, item = new QTableWidgetItem);
        hint ? item->setToolTip(value) : item->setText(value);
        return true;
    }
    if (auto *combo = qobject_cast<QComboBox *>(t.object); combo && i < combo->count()) {
        combo->setItemText(i, value);
        return true;
    }
    if (auto *list = qobject_cast<QListWidget *>(t.object); list && i < list->count()) {
        list->item(i)->setText(value);
        return true;
    }
    return false;
}

bool setCaption(QObject *object, const QString &value)
{
    if (auto *action = qobject_cast<QAction *>(object)) {
        action->setText(value);
        return true;
    }
    if (auto *menu = qobject_cast<QMenu *>(object)) {
        menu->setTitle(value);
        return true;
    }
    if (auto *box = qobject_cast<QGroupBox *>(object)) {
        box->setTitle(value);
        return true;
    }
    if (auto *button = qobject_cast<QAbstractButton *>(object)) {
        button->setText(value);
        return true;
    }
    if (auto *label = qobject_cast<QLabel *>(object)) {
        label->setText(value);
        return true;
    }
    if (auto *widget = qobject_cast<QWidget *>(object); widget && widget->isWindow()) {
        widget->setWindowTitle(value);
        return true;
    }
    return false;
}

bool setText(QObject *object, const QString &value)
{
    if (auto *edit = qobject_cast<QLineEdit *>(object)) {
        edit->setText(value);
        return true;
    }
    if (auto *plain = qobject_cast<QPlainTextEdit *>(object)) {
        plain->setPlainText(value);
        return true;
    }
    return setCaption(object, value);
}

bool setHint(QObject *object, const QString &value)
{
    if (auto *action = qobject_cast<QAction *>(object)) {
        action->setToolTip(value);
        action->setStatusTip(value);
        return true;
    }
    if (auto *widget = qobject_cast<QWidget *>(object)) {
        widget->setToolTip(value);
        return true;
    }
    return false;
}

} // namespace

bool setLanguageText(const LanguageTarget &t, const QString &property, const QString &value)
{
    if (!t.object)
        return false;
    if (!t.collection.isEmpty()) {
        if (t.index >= 0)
            return setItemText(t, property, value);
        return property == QLatin1String("Text") && setListLines(t.object, value);
    }
    if (property == QLatin1String("Caption"))
        return setCaption(t.object, value);
    if (property == QLatin1String("Text"))
        return setText(t.object, value);
    if (property == QLatin1String("Hint"))
        return setHint(t.object, value);
    // Any other string property the object declares.
    const QByteArray name = property.toLatin1();
    const int i = t.object->metaObject()->indexOfProperty(name.constData());
    if (i < 0 || t.object->metaObject()->property(i).metaType().id() != QMetaType::QString)
        return false;
    return t.object->setProperty(name.constData(), value);
}

} // namespace brevix
