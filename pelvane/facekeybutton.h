#pragma once

#include <QAbstractButton>

namespace brevix::pelvane {

// A face key: the panel front draws its glyph, the button only takes the click and shows
// a pressed shade.
class FaceKeyButton : public QAbstractButton
{
    Q_OBJECT
public:
    FaceKeyButton(int keyNumber, QWidget *parent);
    int keyNumber() const { return m_keyNumber; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_keyNumber;
};

} // namespace brevix::pelvane
