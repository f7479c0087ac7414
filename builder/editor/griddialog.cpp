#include "editor/griddialog.h"

#include "common/colourbutton.h"
#include "editor/builderini.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace brevix {

GridDialog::GridDialog(const BuilderSettings &settings, bool zh, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("GridFor"));
    setWindowTitle(zh ? QStringLiteral("格栅属性") : QStringLiteral("Grid Properties"));
    m_x = new QSpinBox(this);
    m_x->setObjectName(QStringLiteral("SpinEditX"));
    m_x->setRange(2, 72);
    m_x->setValue(settings.gridX);
    m_y = new QSpinBox(this);
    m_y->setObjectName(QStringLiteral("SpinEditY"));
    m_y->setRange(2, 72);
    m_y->setValue(settings.gridY);
    m_colour = new ColourButton(this);
    m_colour->setObjectName(QStringLiteral("GridColour"));
    m_colour->setColour(settings.griddingColor);
    auto *steps = new QHBoxLayout;
    steps->addWidget(new QLabel(QStringLiteral("X:"), this));
    steps->addWidget(m_x);
    steps->addWidget(new QLabel(QStringLiteral("Y:"), this));
    steps->addWidget(m_y);
    auto *form = new QFormLayout;
    form->addRow(zh ? QStringLiteral("格栅间隔:") : QStringLiteral("Grid spacing:"), steps);
    form->addRow(zh ? QStringLiteral("格栅颜色:") : QStringLiteral("Grid colour:"), m_colour);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)
        ->setText(zh ? QStringLiteral("确定(&Y)") : QStringLiteral("OK(&Y)"));
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(zh ? QStringLiteral("取消(&N)") : QStringLiteral("Cancel(&N)"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void GridDialog::store(BuilderSettings &settings) const
{
    settings.gridX = m_x->value();
    settings.gridY = m_y->value();
    settings.griddingColor = m_colour->colour();
}

} // namespace brevix
