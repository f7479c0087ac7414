#include "elements/stategrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace brevix {

// Keeps the cell being typed within its limit and moves on when it was cut or Enter pressed.
class StateCellDelegate : public QStyledItemDelegate
{
public:
    explicit StateCellDelegate(StateGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        auto *edit =
            qobject_cast<QLineEdit *>(QStyledItemDelegate::createEditor(parent, option, index));
        if (!edit)
            return nullptr;
        const bool valueColumn = index.column() == StateGrid::kValueColumn;
        connect(edit, &QLineEdit::textEdited, edit, [this, edit, valueColumn](const QString &text) {
            const QString cut = cutStateCell(text, valueColumn);
            if (cut == text)
                return;
            edit->setText(cut);
            m_grid->m_moveAfterEdit = true;
            emit const_cast<StateCellDelegate *>(this)->commitData(edit);
            emit const_cast<StateCellDelegate *>(this)->closeEditor(edit);
        });
        return edit;
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                m_grid->m_moveAfterEdit = true;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    StateGrid *m_grid;
};

StateGrid::StateGrid(const QString &name, QWidget *parent) : QTableWidget(0, 2, parent)
{
    setObjectName(name);
    setItemDelegate(new StateCellDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    horizontalHeader()->setSectionResizeMode(kValueColumn, QHeaderView::Interactive);
    horizontalHeader()->setSectionResizeMode(kContentColumn, QHeaderView::Stretch);
    setColumnWidth(kValueColumn, 64);
    verticalHeader()->setDefaultSectionSize(20);
    verticalHeader()->setMinimumWidth(32);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setMinimumSize(320, 200);
}

void StateGrid::setHeaders(const QString &value, const QString &content)
{
    setHorizontalHeaderLabels({value, content});
}

void StateGrid::setStateCount(int count)
{
    const int old = rowCount();
    // Rows that disappear keep their cells for a later raise of the count.
    for (int r = count; r < old; ++r) {
        if (r >= m_backing.size())
            m_backing.resize(r + 1);
        m_backing[r] = cell(r);
    }
    setRowCount(count);
    QStringList labels;
    for (int r = 0; r < count; ++r) {
        labels << QStringLiteral(" ") + QString::number(r);
        if (r >= old)
            setCell(r, r < m_backing.size() ? m_backing.at(r)
                                            : StateCell{QStringLiteral("0"), QString()});
    }
    setVerticalHeaderLabels(labels);
}

void StateGrid::setCell(int row, const StateCell &c)
{
    setItem(row, kValueColumn, new QTableWidgetItem(c.value));
    setItem(row, kContentColumn, new QTableWidgetItem(c.content));
}

StateCell StateGrid::cell(int row) const
{
    const auto text = [this, row](int column) {
        const QTableWidgetItem *i = item(row, column);
        return i ? i->text() : QString();
    };
    return {text(kValueColumn), text(kContentColumn)};
}

QStringList StateGrid::values() const
{
    QStringList list;
    for (int r = 0; r < rowCount(); ++r)
        list << cell(r).value;
    return list;
}

void StateGrid::setValues(const QStringList &values)
{
    for (int r = 0; r < rowCount() && r < values.size(); ++r) {
        if (QTableWidgetItem *i = item(r, kValueColumn))
            i->setText(values.at(r));
        else
            setItem(r, kValueColumn, new QTableWidgetItem(values.at(r)));
    }
}

void StateGrid::selectNextRow()
{
    const int r = currentRow();
    if (r + 1 < rowCount())
        setCurrentCell(r + 1, std::max(currentColumn(), 0));
}

void StateGrid::keyPressEvent(QKeyEvent *event)
{
    if (state() != QAbstractItemView::EditingState &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        selectNextRow();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void StateGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    const bool move = m_moveAfterEdit;
    m_moveAfterEdit = false;
    QTableWidget::closeEditor(editor, move ? QAbstractItemDelegate::NoHint : hint);
    if (move)
        selectNextRow();
}

} // namespace brevix
