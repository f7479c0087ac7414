#include "elements/textdialog.h"

#include "editor/elementdialogs.h"
#include "elements/dialoginstance.h"
#include "elements/stylecombos.h"
#include "model/project.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace brevix {

TextDialog::TextDialog(QWidget *parent)
    : ElementDialog(QStringLiteral("GroupBoxText"), QStringLiteral(" 文本属性 "), parent)
{
    auto *box = new QGroupBox(QStringLiteral("文本"), this);
    box->setObjectName(QStringLiteral("GroupBox2"));
    auto *grid = new QGridLayout(box);
    auto *oneLabel = new QLabel(QStringLiteral("语言一:"), box);
    oneLabel->setObjectName(QStringLiteral("Label7"));
    m_one = new QLineEdit(box);
    m_one->setObjectName(QStringLiteral("Edit1"));
    m_one->setMaxLength(50);
    m_one->setMinimumWidth(260);
    auto *twoLabel = new QLabel(QStringLiteral("语言二:"), box);
    twoLabel->setObjectName(QStringLiteral("Label8"));
    m_two = new QLineEdit(box);
    m_two->setObjectName(QStringLiteral("Edit2"));
    m_two->setMaxLength(50);
    oneLabel->setBuddy(m_one);
    twoLabel->setBuddy(m_two);
    grid->addWidget(oneLabel, 0, 0);
    grid->addWidget(m_one, 0, 1);
    grid->addWidget(twoLabel, 1, 0);
    grid->addWidget(m_two, 1, 1);
    m_style = new StyleCombos(StyleCombos::Font | StyleCombos::Alignment, box);
    grid->addWidget(m_style, 2, 0, 1, 2);
    body()->addWidget(box);
}

void TextDialog::loadFields(const Project &project, int page, int slot)
{
    const PageRecord &r = project.record(page);
    m_one->setText(r.TextA[slot].text());
    m_two->setText(r.TextB[slot].text());
    m_style->setStyle(unpackStyleWord(r.WordC[slot]));
}

void TextDialog::storeFields(Project &project, int page, int slot)
{
    PageRecord &r = project.record(page);
    r.TextA[slot].setText(m_one->text());
    r.TextB[slot].setText(m_two->text());
    const StyleWord s = m_style->style();
    r.WordC[slot] = packFontAndAlignment(s.font, s.alignment);
}

namespace {
const DialogRegistration<TextDialog> registration(1);
}

} // namespace brevix
