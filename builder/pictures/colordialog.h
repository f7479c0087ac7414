#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>

class QFrame;

namespace brevix {

class ColorGrid;

// The small colour chooser every element dialog opens under a colour panel: a grid of standard
// colours, "其它颜色..." for the desktop's full colour dialog, and Cancel (or Escape).
// The colour goes in and out as a colour value (0x00BBGGRR).
class MyColorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit MyColorDialog(QWidget *parent = nullptr);

    void setColorValue(std::int32_t value);
    std::int32_t colorValue() const { return m_value; }

    // Shows the dialog modally with its top-left corner at globalTopLeft; true on OK.
    bool pick(const QPoint &globalTopLeft);

    ColorGrid *grid() const { return m_grid; }

    // The desktop colour dialog; replaced in tests.
    using SystemPicker = std::function<bool(QWidget *parent, QColor &color)>;
    void setSystemPicker(SystemPicker picker) { m_systemPicker = std::move(picker); }

private:
    void moreColors();
    void paintUseColor();

    std::int32_t m_value = 0;
    ColorGrid *m_grid = nullptr;
    QFrame *m_useColor = nullptr;
    SystemPicker m_systemPicker;
};

} // namespace brevix
