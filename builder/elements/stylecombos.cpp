#include "elements/stylecombos.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace brevix {

StyleCombos::StyleCombos(int parts, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("StyleBox"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    m_border = addCombo(
        row, QStringLiteral("ComboBox2"), QStringLiteral("Label20"), QStringLiteral("边框:"),
        {QStringLiteral("无"), QStringLiteral("普通"), QStringLiteral("三维")}, parts & Border);
    row += (parts & Border) ? 1 : 0;
    m_font = addCombo(row, QStringLiteral("ComboBox4"), QStringLiteral("Label21"),
                      QStringLiteral("字体:"),
                      {QStringLiteral("16X16"), QStringLiteral("24X24"), QStringLiteral("32*32"),
                       QStringLiteral("48*48"), QStringLiteral("64*64"), QStringLiteral("80*80"),
                       QStringLiteral("96*96"), QStringLiteral("112*112")},
                      parts & Font);
    row += (parts & Font) ? 1 : 0;
    m_alignment = addCombo(row, QStringLiteral("ComboBox5"), QStringLiteral("Label22"),
                           QStringLiteral("对齐:"),
                           {QStringLiteral("左边"), QStringLiteral("中间"), QStringLiteral("右边")},
                           parts & Alignment);
    row += (parts & Alignment) ? 1 : 0;
    m_level = addCombo(row, QStringLiteral("ComboBox6"), QStringLiteral("Label23"),
                       QStringLiteral("等级:"),
                       {QStringLiteral("普通"), QStringLiteral("管理"), QStringLiteral("系统"),
                        QStringLiteral("中级"), QStringLiteral("高级"), QStringLiteral("超级")},
                       parts & Level);
    m_levelLabel = findChild<QLabel *>(QStringLiteral("Label23"));
    // The panel firmware draws every text left-aligned; the choice is kept but not offered.
    m_alignment->setEnabled(false);
    findChild<QLabel *>(QStringLiteral("Label22"))->setEnabled(false);
    setLevelEnabled(false);
    grid->setColumnStretch(1, 1);
}

QComboBox *StyleCombos::addCombo(int row, const QString &name, const QString &labelName,
                                 const QString &label, const QStringList &items, bool shown)
{
    auto *text = new QLabel(label, this);
    text->setObjectName(labelName);
    auto *box = new QComboBox(this);
    box->setObjectName(name);
    box->addItems(items);
    text->setBuddy(box);
    if (shown) {
        auto *grid = static_cast<QGridLayout *>(layout());
        grid->addWidget(text, row, 0);
        grid->addWidget(box, row, 1);
    } else {
        text->hide();
        box->hide();
    }
    return box;
}

void StyleCombos::setStyle(const StyleWord &style)
{
    m_loaded = style;
    m_border->setCurrentIndex(comboIndexFor(style.border, kBorderCount));
    m_font->setCurrentIndex(comboIndexFor(style.font, kFontCount));
    m_alignment->setCurrentIndex(comboIndexFor(style.alignment, kAlignmentCount));
    m_level->setCurrentIndex(comboIndexFor(style.level, kLevelCount));
}

int StyleCombos::valueOf(const QComboBox *box)
{
    return box->currentIndex() < 0 ? 0 : box->currentIndex();
}

StyleWord StyleCombos::style() const
{
    // A stored value outside a list shows no item; it is written back as it was, not as 0.
    const auto keep = [](const QComboBox *box, int loaded) {
        return box->currentIndex() < 0 ? loaded : valueOf(box);
    };
    return {keep(m_border, m_loaded.border), keep(m_font, m_loaded.font),
            keep(m_alignment, m_loaded.alignment), keep(m_level, m_loaded.level)};
}

void StyleCombos::setLevelEnabled(bool enabled)
{
    m_level->setEnabled(enabled);
    if (m_levelLabel)
        m_levelLabel->setEnabled(enabled);
}

} // namespace brevix
