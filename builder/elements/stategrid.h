#pragma once

#include "elements/statelist.h"

#include <QTableWidget>

namespace brevix {

// One language's state table of a dynamic text: a value column and a content column, one row
// per state, rows labelled from 0. Cells are cut to their limits while typed, and Enter (or a
// cut) moves to the next row.
class StateGrid : public QTableWidget
{
    Q_OBJECT

public:
    static constexpr int kValueColumn = 0;
    static constexpr int kContentColumn = 1;

    explicit StateGrid(const QString &name, QWidget *parent = nullptr);

    void setHeaders(const QString &value, const QString &content);
    // The cells of every state the list can hold, including those beyond the current count:
    // rows that a raised count uncovers show them again.
    void setBackingCells(const QList<StateCell> &cells) { m_backing = cells; }
    // Sets the row count and relabels the rows " 0", " 1", ...
    void setStateCount(int count);
    void setCell(int row, const StateCell &cell);
    StateCell cell(int row) const;
    QStringList values() const;
    void setValues(const QStringList &values);
    // Moves the selection one row down, when there is a row below.
    void selectNextRow();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class StateCellDelegate;
    bool m_moveAfterEdit = false;
    QList<StateCell> m_backing;
};

} // namespace brevix
