#pragma once

#include <QDialog>

class QSpinBox;

namespace brevix {

class ColourButton;
struct BuilderSettings;

// "格栅属性": grid steps and colour of the page editors.
class GridDialog : public QDialog
{
    Q_OBJECT
public:
    GridDialog(const BuilderSettings &settings, bool chinese, QWidget *parent = nullptr);
    // Writes the chosen values (call after exec() returned Accepted).
    void store(BuilderSettings &settings) const;

private:
    QSpinBox *m_x;
    QSpinBox *m_y;
    ColourButton *m_colour;
};

} // namespace brevix
