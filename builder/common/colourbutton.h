#pragma once

#include <QPushButton>

namespace brevix {

// A button showing a stored colour (0x00BBGGRR, or 0xFF0000nn for a desktop colour); a click
// opens the colour chooser.
class ColourButton : public QPushButton
{
    Q_OBJECT
public:
    explicit ColourButton(QWidget *parent = nullptr);
    int colour() const { return m_colour; }
    void setColour(int colour);

signals:
    void colourChanged(int colour);

private:
    void choose();
    int m_colour = 0;
};

} // namespace brevix
