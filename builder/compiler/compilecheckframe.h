#pragma once

#include "compiler/compilecheck.h"

#include <QWidget>
#include <functional>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace brevix {

// The error list of the compile check, docked at the bottom of the main window: one row per
// faulty element; a click shows the hint in the status bar, a double click goes to the element.
class CompileCheckFrame : public QWidget
{
    Q_OBJECT

public:
    enum Column { PageColumn = 0, TypeColumn = 1, SlotColumn = 2, MessageColumn = 3 };

    explicit CompileCheckFrame(QWidget *parent = nullptr);

    // Fills the list with the rows of a check (clears it first); returns the error count.
    int setRows(const std::vector<CheckRow> &rows);
    void clear();
    int rowCount() const;
    QTreeWidget *list() const { return m_list; }
    QLabel *countLabel() const { return m_label; }

    // The hint of the row: "Hint: " + message + " Please re-set...".
    static QString rowHint(const QString &message);

signals:
    void hintChanged(const QString &statusText);
    // The element of the row: page caption and slot, as the main window's lookup takes them.
    void showElement(const QString &pageCaption, int slot);
    void closed();

private:
    void rowClicked(QTreeWidgetItem *item);
    void rowDoubleClicked(QTreeWidgetItem *item);
    void setHeaders();

    QLabel *m_label = nullptr;
    QTreeWidget *m_list = nullptr;
};

} // namespace brevix
