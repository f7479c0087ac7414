#pragma once

#include "elements/styleword.h"

#include <QWidget>

class QComboBox;
class QLabel;

namespace brevix {

// The border, font, alignment and level combo boxes that edit a style word. Alignment and level
// start disabled; a dialog with a password box enables the level with it.
class StyleCombos : public QWidget
{
    Q_OBJECT

public:
    enum Part { Border = 1, Font = 2, Alignment = 4, Level = 8, All = 15 };

    explicit StyleCombos(int parts, QWidget *parent = nullptr);

    void setStyle(const StyleWord &style);
    StyleWord style() const;
    void setLevelEnabled(bool enabled);

    QComboBox *borderBox() const { return m_border; }
    QComboBox *fontBox() const { return m_font; }
    QComboBox *alignmentBox() const { return m_alignment; }
    QComboBox *levelBox() const { return m_level; }

private:
    QComboBox *addCombo(int row, const QString &name, const QString &labelName,
                        const QString &label, const QStringList &items, bool shown);
    static int valueOf(const QComboBox *box);

    QComboBox *m_border = nullptr;
    QComboBox *m_font = nullptr;
    QComboBox *m_alignment = nullptr;
    QComboBox *m_level = nullptr;
    QLabel *m_levelLabel = nullptr;
    StyleWord m_loaded;
};

} // namespace brevix
