#pragma once

#include "elements/registerentry.h"

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace brevix {

// The register number edit of the bit-address chooser (SpinEdit13 with its spin buttons): a
// plain edit of at most five characters in decimal or hexadecimal; the number lives apart from
// the text and is bounded by the device's highest register when the edit is left.
class RegisterEdit : public QWidget
{
    Q_OBJECT

public:
    explicit RegisterEdit(QWidget *parent = nullptr);

    void setRadix(RegisterRadix radix);
    RegisterRadix radix() const { return m_radix; }
    void setLimit(int limit);
    int limit() const { return m_limit; }
    // Sets the number (clamped) and shows it in the current radix.
    void setValue(int value);
    // The leaving step: read the text into the number, clamped, and redisplay.
    int commitText();
    int value() const { return m_value; }
    void stepUp();
    void stepDown();

    QLineEdit *lineEdit() const { return m_edit; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showValue();

    QLineEdit *m_edit = nullptr;
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
    RegisterRadix m_radix = RegisterRadix::Decimal;
    int m_limit = 0;
    int m_value = 0;
};

} // namespace brevix
