#pragma once

#include <QFrame>
#include <cstdint>

namespace brevix {

// A colour panel of an element dialog (OrganBackCol, OrganFrontCol): shows its colour and, when
// clicked, opens the colour dialog just below itself. The colour is the dialog's working copy;
// the page record is written only by the element dialog's OK.
class ColorSwatch : public QFrame
{
    Q_OBJECT

public:
    explicit ColorSwatch(const QString &name, QWidget *parent = nullptr);

    void setColorValue(std::int32_t value);
    std::int32_t colorValue() const { return m_value; }
    // Where the colour dialog's top-left corner goes: just under the panel.
    QPoint pickerPosition() const;
    // Opens the colour dialog; the colour changes only when it returns OK.
    void pickColor();

signals:
    void colorChanged(std::int32_t value);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    std::int32_t m_value = 0;
};

} // namespace brevix
