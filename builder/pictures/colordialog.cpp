#include "pictures/colordialog.h"

#include "elements/colorvalue.h"
#include "pictures/colorgrid.h"

#include <QColorDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace brevix {

namespace {

bool desktopColorDialog(QWidget *parent, QColor &color)
{
    // Opened fully expanded, all custom colours white, the current colour preselected.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::white);
    QColorDialog dialog(color, parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog, false);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    color = dialog.selectedColor();
    return true;
}

} // namespace

MyColorDialog::MyColorDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_systemPicker(desktopColorDialog)
{
    setObjectName(QStringLiteral("MyColorFrm"));
    setWindowTitle(QStringLiteral("颜色"));
    setModal(true);

    auto *outer = new QFrame(this);
    outer->setObjectName(QStringLiteral("RzPanel1"));
    outer->setFrameShape(QFrame::Box);
    auto *top = new QVBoxLayout(this);
    top->setContentsMargins(0, 0, 0, 0);
    top->addWidget(outer);

    auto *layout = new QVBoxLayout(outer);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    m_grid = new ColorGrid(outer);
    layout->addWidget(m_grid);

    auto *row = new QHBoxLayout;
    m_useColor = new QFrame(outer);
    m_useColor->setObjectName(QStringLiteral("UseColor"));
    m_useColor->setFrameShape(QFrame::Box);
    m_useColor->setFixedSize(22, 22);
    m_useColor->setAutoFillBackground(true);
    auto *more = new QPushButton(QStringLiteral("其它颜色..."), outer);
    more->setObjectName(QStringLiteral("BitBtn1"));
    auto *cancel = new QPushButton(QStringLiteral("取消(&N)"), outer);
    cancel->setObjectName(QStringLiteral("BitBtn2"));
    row->addWidget(m_useColor);
    row->addWidget(more, 1);
    row->addWidget(cancel, 1);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_grid, &ColorGrid::colorClicked, this, [this](const QColor &c) {
        m_value = valueFromColor(c);
        accept();
    });
    connect(more, &QPushButton::clicked, this, &MyColorDialog::moreColors);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void MyColorDialog::setColorValue(std::int32_t value)
{
    m_value = value;
    paintUseColor();
    m_grid->preselect(colorFromValue(value));
}

bool MyColorDialog::pick(const QPoint &globalTopLeft)
{
    setColorValue(m_value);
    adjustSize();
    move(globalTopLeft);
    return exec() == QDialog::Accepted;
}

void MyColorDialog::moreColors()
{
    QColor color = colorFromValue(m_value);
    if (m_systemPicker && m_systemPicker(this, color))
        m_value = valueFromColor(color);
    // OK in either case: a cancelled desktop dialog returns the colour it was given.
    accept();
}

void MyColorDialog::paintUseColor()
{
    QPalette pal = m_useColor->palette();
    pal.setColor(QPalette::Window, colorFromValue(m_value));
    m_useColor->setPalette(pal);
}

} // namespace brevix
