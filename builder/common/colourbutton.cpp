#include "common/colourbutton.h"

#include "render/panelcolors.h"

#include <QColorDialog>

namespace brevix {

ColourButton::ColourButton(QWidget *parent) : QPushButton(parent)
{
    setMinimumWidth(60);
    connect(this, &QPushButton::clicked, this, &ColourButton::choose);
}

void ColourButton::setColour(int colour)
{
    m_colour = colour;
    const QColor c = panelColor(colour);
    setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid gray; min-height: 18px;")
                      .arg(c.name()));
    emit colourChanged(colour);
}

void ColourButton::choose()
{
    const QColor chosen = QColorDialog::getColor(panelColor(m_colour), this);
    if (!chosen.isValid())
        return;
    // Stored colours keep red in the low byte.
    setColour(chosen.red() | (chosen.green() << 8) | (chosen.blue() << 16));
}

} // namespace brevix
