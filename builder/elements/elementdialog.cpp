#include "elements/elementdialog.h"

#include "elements/colorswatch.h"
#include "elements/positionrules.h"
#include "model/project.h"
#include "text/message.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

namespace brevix {

ElementDialog::ElementDialog(const QString &name, const QString &caption, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(caption);
    setModal(true);

    auto *top = new QVBoxLayout(this);
    m_body = new QVBoxLayout;
    top->addLayout(m_body);

    m_commonBox = new QGroupBox(QStringLiteral("位置与颜色"), this);
    m_commonBox->setObjectName(QStringLiteral("GroupBox1"));
    auto *grid = new QGridLayout(m_commonBox);
    m_left = addSpin(grid, 0, 0, QStringLiteral("SpinEdit1"), QStringLiteral("Label1"),
                     QStringLiteral("左边:"));
    m_top = addSpin(grid, 0, 2, QStringLiteral("SpinEdit2"), QStringLiteral("Label2"),
                    QStringLiteral("顶部:"));
    m_width = addSpin(grid, 1, 0, QStringLiteral("SpinEdit4"), QStringLiteral("Label3"),
                      QStringLiteral("宽度:"));
    m_height = addSpin(grid, 1, 2, QStringLiteral("SpinEdit9"), QStringLiteral("Label4"),
                       QStringLiteral("高度:"));
    m_width->setMinimum(kMinimumElementSize);
    m_height->setMinimum(kMinimumElementSize);

    auto *backLabel = new QLabel(QStringLiteral("背景颜色:"), m_commonBox);
    backLabel->setObjectName(QStringLiteral("Label5"));
    m_back = new ColorSwatch(QStringLiteral("OrganBackCol"), m_commonBox);
    auto *foreLabel = new QLabel(QStringLiteral("文字颜色:"), m_commonBox);
    foreLabel->setObjectName(QStringLiteral("Label6"));
    m_fore = new ColorSwatch(QStringLiteral("OrganFrontCol"), m_commonBox);
    grid->addWidget(backLabel, 2, 0);
    grid->addWidget(m_back, 2, 1);
    grid->addWidget(foreLabel, 2, 2);
    grid->addWidget(m_fore, 2, 3);
    m_moveLock = new QCheckBox(QStringLiteral("移动锁定"), m_commonBox);
    m_moveLock->setObjectName(QStringLiteral("MoveLock"));
    grid->addWidget(m_moveLock, 3, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    top->addWidget(m_commonBox);

    auto *buttons = new QWidget(this);
    buttons->setObjectName(QStringLiteral("RzDialogButtons1"));
    auto *row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 4, 0, 0);
    row->addStretch(1);
    m_ok = new QPushButton(QStringLiteral("确定(&Y)"), buttons);
    m_ok->setObjectName(QStringLiteral("BtnOK"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("取消(&N)"), buttons);
    m_cancel->setObjectName(QStringLiteral("BtnCancel"));
    row->addWidget(m_ok);
    row->addWidget(m_cancel);
    top->addWidget(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ok, &QPushButton::clicked, this, &ElementDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &ElementDialog::reject);
}

QSpinBox *ElementDialog::addSpin(QGridLayout *grid, int row, int column, const QString &name,
                                 const QString &labelName, const QString &label)
{
    auto *text = new QLabel(label, m_commonBox);
    text->setObjectName(labelName);
    auto *spin = new QSpinBox(m_commonBox);
    spin->setObjectName(name);
    spin->setRange(0, 9999);
    text->setBuddy(spin);
    grid->addWidget(text, row, column);
    grid->addWidget(spin, row, column + 1);
    return spin;
}

void ElementDialog::load(Project &project, int page, int slot)
{
    m_project = &project;
    m_page = page;
    m_slot = slot;
    const PageRecord &r = project.record(page);

    const PositionLimits limits = positionLimits(project.pageSize(page));
    m_left->setRange(0, limits.maxLeft);
    m_top->setRange(0, limits.maxTop);
    m_width->setMaximum(limits.maxWidth);
    m_height->setMaximum(limits.maxHeight);

    m_left->setValue(shownFromStored(r.Left[slot]));
    m_top->setValue(shownFromStored(r.Top[slot]));
    m_moveLock->setChecked(r.MoveLock[slot] != 0);
    m_width->setValue(r.Width[slot]);
    m_height->setValue(r.Height[slot]);
    m_back->setColorValue(r.BackColor[slot]);
    m_fore->setColorValue(r.ForeColor[slot]);
    loadFields(project, page, slot);
}

bool ElementDialog::store()
{
    if (!m_project || !validateFields())
        return false;
    PageRecord &r = m_project->record(m_page);
    const int s = m_slot;
    r.Left[s] = storedFromShown(m_left->value());
    r.Top[s] = storedFromShown(m_top->value());
    r.MoveLock[s] = m_moveLock->isChecked() ? 1 : 0;
    r.Width[s] = static_cast<std::uint16_t>(m_width->value());
    r.Height[s] = static_cast<std::uint16_t>(m_height->value());
    r.BackColor[s] = m_back->colorValue();
    r.ForeColor[s] = m_fore->colorValue();
    storeFields(*m_project, m_page, s);
    return true;
}

bool ElementDialog::edit(Project &project, int page, int slot)
{
    load(project, page, slot);
    const bool written = exec() == QDialog::Accepted;
    m_project = nullptr;
    return written;
}

void ElementDialog::accept()
{
    // A refused OK keeps the dialog open with the user's entries.
    if (store())
        QDialog::accept();
}

void ElementDialog::warn(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, kBuilderTitle, text, QMessageBox::Ok, this);
    box.exec();
}

void ElementDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Centred horizontally, 100 pixels above the middle of the screen.
    if (const QScreen *s = screen()) {
        const QRect area = s->availableGeometry();
        QRect frame = frameGeometry();
        frame.moveCenter(area.center() - QPoint(0, 100));
        move(frame.topLeft().x(), std::max(frame.topLeft().y(), area.top()));
    }
}

} // namespace brevix
