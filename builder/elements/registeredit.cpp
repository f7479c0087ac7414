#include "elements/registeredit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace brevix {

RegisterEdit::RegisterEdit(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RegisterEdit"));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("SpinEdit13"));
    m_edit->setMaxLength(kRegisterEditMaxLength);
    m_edit->installEventFilter(this);
    m_up = new QToolButton(this);
    m_up->setObjectName(QStringLiteral("SpinButton13Up"));
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(this);
    m_down->setObjectName(QStringLiteral("SpinButton13Down"));
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton *b : {m_up, m_down}) {
        b->setFixedSize(16, 11);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(0);
    buttons->addWidget(m_up);
    buttons->addWidget(m_down);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(m_edit, 1);
    row->addLayout(buttons);
    connect(m_up, &QToolButton::clicked, this, &RegisterEdit::stepUp);
    connect(m_down, &QToolButton::clicked, this, &RegisterEdit::stepDown);
    connect(m_edit, &QLineEdit::editingFinished, this, &RegisterEdit::commitText);
    showValue();
}

void RegisterEdit::setRadix(RegisterRadix radix)
{
    m_radix = radix;
    m_edit->setToolTip(registerHint(m_limit, m_radix));
    showValue();
}

void RegisterEdit::setLimit(int limit)
{
    m_limit = std::max(limit, 0);
    m_edit->setToolTip(registerHint(m_limit, m_radix));
    if (m_value > m_limit) {
        m_value = m_limit;
        showValue();
    }
}

void RegisterEdit::setValue(int value)
{
    m_value = clampRegister(value, m_limit);
    showValue();
}

int RegisterEdit::commitText()
{
    m_value = registerFromText(m_edit->text(), m_radix, m_limit, m_value);
    showValue();
    return m_value;
}

void RegisterEdit::stepUp()
{
    commitText();
    m_value = stepRegister(m_value, true, m_limit);
    showValue();
}

void RegisterEdit::stepDown()
{
    commitText();
    m_value = stepRegister(m_value, false, m_limit);
    showValue();
}

void RegisterEdit::showValue()
{
    m_edit->setText(registerText(m_value, m_radix));
}

bool RegisterEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            key->key() == Qt::Key_Up ? stepUp() : stepDown();
            return true;
        }
        const QString text = key->text();
        // Editing and navigation keys pass; typed characters must belong to the radix.
        if (text.size() == 1 && text.at(0).isPrint() && !acceptsRegisterKey(text.at(0), m_radix))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace brevix
