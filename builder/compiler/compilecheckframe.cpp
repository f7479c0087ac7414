#include "compiler/compilecheckframe.h"

#include "language/uilanguage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace brevix {

CompileCheckFrame::CompileCheckFrame(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CompileCheckFrm"));
    setWindowTitle(QStringLiteral("编译失败"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Panel1"));
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(6, 2, 2, 2);
    m_label = new QLabel(QStringLiteral("编译错误信息:"), strip);
    m_label->setObjectName(QStringLiteral("Label3"));
    auto *close = new QToolButton(strip);
    close->setObjectName(QStringLiteral("SpeedButton1"));
    close->setText(QStringLiteral("×"));
    close->setToolTip(QStringLiteral("关闭"));
    close->setAutoRaise(true);
    row->addWidget(m_label, 1);
    row->addWidget(close);
    layout->addWidget(strip);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("ListView1"));
    m_list->setColumnCount(4);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAlternatingRowColors(true);
    setHeaders();
    // The slot column only carries the slot for the double click.
    m_list->setColumnHidden(SlotColumn, true);
    m_list->setColumnWidth(PageColumn, 180);
    m_list->setColumnWidth(TypeColumn, 120);
    m_list->header()->setStretchLastSection(true);
    layout->addWidget(m_list, 1);
    setMinimumHeight(120);

    connect(close, &QToolButton::clicked, this, [this] {
        hide();
        emit closed();
    });
    connect(m_list, &QTreeWidget::itemClicked, this, &CompileCheckFrame::rowClicked);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &CompileCheckFrame::rowDoubleClicked);
}

void CompileCheckFrame::setHeaders()
{
    m_list->setHeaderLabels({QStringLiteral("错误画面/模块"), QStringLiteral("错误元件"),
                             QStringLiteral("slot"), QStringLiteral("错 误 提 示")});
}

int CompileCheckFrame::setRows(const std::vector<CheckRow> &rows)
{
    clear();
    int errors = 0;
    for (const CheckRow &row : rows) {
        auto *item = new QTreeWidgetItem(m_list);
        item->setText(PageColumn, row.pageCaption);
        item->setText(TypeColumn, uiText(row.typeName));
        item->setText(SlotColumn, QString::number(row.slot));
        item->setText(MessageColumn, uiText(row.message));
        if (row.severity == CheckSeverity::Warning)
            item->setForeground(MessageColumn, QColor(150, 100, 0));
        else
            ++errors;
    }
    m_label->setText(uiText(errorListLabel(errors)));
    return errors;
}

void CompileCheckFrame::clear()
{
    m_list->clear();
    m_label->setText(
        uiText(QStringLiteral("编译错误信息:"), QStringLiteral("The compiler error messages:")));
}

int CompileCheckFrame::rowCount() const
{
    return m_list->topLevelItemCount();
}

QString CompileCheckFrame::rowHint(const QString &message)
{
    return QStringLiteral("Hint: ") + message + QStringLiteral(" Please re-set...");
}

void CompileCheckFrame::rowClicked(QTreeWidgetItem *item)
{
    const QString hint = rowHint(item->text(MessageColumn));
    m_list->setToolTip(hint);
    emit hintChanged(QStringLiteral(" ") + hint);
}

void CompileCheckFrame::rowDoubleClicked(QTreeWidgetItem *item)
{
    bool ok = false;
    const int slot = item->text(SlotColumn).toInt(&ok);
    // A row that names no element (a project-wide finding) leads nowhere.
    if (!ok || slot < 0)
        return;
    emit showElement(item->text(PageColumn), slot);
}

} // namespace brevix
