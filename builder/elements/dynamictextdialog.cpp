#include "elements/dynamictextdialog.h"

#include "elements/addressbits.h"
#include "elements/devicesource.h"
#include "elements/dialoginstance.h"
#include "elements/stategrid.h"
#include "elements/statelist.h"
#include "elements/stylecombos.h"
#include "elements/worddevicechooser.h"
#include "language/uilanguage.h"
#include "model/project.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>

namespace brevix {

DynamicTextDialog::DynamicTextDialog(QWidget *parent)
    : ElementDialog(QStringLiteral("GroupBoxDText"), QStringLiteral(" 动态文本属性 "), parent)
{
    auto *row = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(buildAddressBox());
    left->addStretch(1);
    row->addLayout(left);
    row->addWidget(buildStatesBox(), 1);
    body()->addLayout(row);
}

QWidget *DynamicTextDialog::buildAddressBox()
{
    auto *box = new QGroupBox(QStringLiteral("寄存器"), this);
    box->setObjectName(QStringLiteral("GroupBox3"));
    auto *layout = new QVBoxLayout(box);
    m_chooser = new WordDeviceChooser(box);
    layout->addWidget(m_chooser);
    m_inputAllowed = new QCheckBox(QStringLiteral("设定许可"), box);
    m_inputAllowed->setObjectName(QStringLiteral("CheckBox3"));
    m_zeroOnLeave = new QCheckBox(QStringLiteral("焦点离开强制归零"), box);
    m_zeroOnLeave->setObjectName(QStringLiteral("CheckBox4"));
    m_transparent = new QCheckBox(QStringLiteral("背景透明"), box);
    m_transparent->setObjectName(QStringLiteral("CheckBox1"));
    m_transparent->hide();
    m_password = new QCheckBox(QStringLiteral("口令保护"), box);
    m_password->setObjectName(QStringLiteral("CheckBox2"));
    layout->addWidget(m_inputAllowed);
    layout->addWidget(m_zeroOnLeave);
    layout->addWidget(m_password);
    m_style = new StyleCombos(StyleCombos::All, box);
    layout->addWidget(m_style);
    m_chooser->setInputAllowedBox(m_inputAllowed);

    connect(m_inputAllowed, &QCheckBox::clicked, this, &DynamicTextDialog::inputAllowedClicked);
    connect(m_password, &QCheckBox::toggled, m_style, &StyleCombos::setLevelEnabled);
    return box;
}

QWidget *DynamicTextDialog::buildStatesBox()
{
    auto *box = new QGroupBox(QStringLiteral("状态"), this);
    box->setObjectName(QStringLiteral("GroupBox4"));
    auto *layout = new QVBoxLayout(box);
    auto *countRow = new QHBoxLayout;
    auto *countLabel = new QLabel(QStringLiteral("变化状态总数:"), box);
    countLabel->setObjectName(QStringLiteral("Label10"));
    m_count = new QSpinBox(box);
    m_count->setObjectName(QStringLiteral("UpDown1"));
    m_count->setRange(1, 100);
    // The count changes only by the arrows; its text is a display.
    if (auto *show = m_count->findChild<QLineEdit *>()) {
        show->setObjectName(QStringLiteral("UpDownShow"));
        show->setReadOnly(true);
    }
    countRow->addWidget(countLabel);
    countRow->addWidget(m_count);
    countRow->addStretch(1);
    layout->addLayout(countRow);

    m_tabs = new QTabWidget(box);
    m_tabs->setObjectName(QStringLiteral("PageControl1"));
    m_one = new StateGrid(QStringLiteral("Language1"), m_tabs);
    m_two = new StateGrid(QStringLiteral("Language2"), m_tabs);
    m_tabs->addTab(m_one, QStringLiteral("语言一"));
    m_tabs->addTab(m_two, QStringLiteral("语言二"));
    layout->addWidget(m_tabs, 1);

    connect(m_count, &QSpinBox::valueChanged, this, [this](int n) {
        if (!m_loading)
            stateCountChanged(n);
    });
    return box;
}

void DynamicTextDialog::inputAllowedClicked()
{
    m_zeroOnLeave->setVisible(m_inputAllowed->isChecked());
    m_chooser->deviceChanged();
}

void DynamicTextDialog::stateCountChanged(int count)
{
    for (StateGrid *grid : {m_one, m_two}) {
        grid->setStateCount(count);
        grid->setCurrentCell(count - 1, StateGrid::kValueColumn);
        grid->setValues(renumberZeroValues(grid->values()));
    }
}

void DynamicTextDialog::loadFields(const Project &project, int page, int slot)
{
    m_loading = true;
    const PageRecord &r = project.record(page);
    for (StateGrid *grid : {m_one, m_two})
        grid->setHeaders(uiText(QStringLiteral("数值"), QStringLiteral("Value")),
                         uiText(QStringLiteral(" 内 容"), QStringLiteral("Conten")));

    m_inputAllowed->setChecked(r.ByteB[slot] == 1);
    m_zeroOnLeave->setVisible(m_inputAllowed->isChecked());
    m_zeroOnLeave->setChecked(r.ByteC[slot] == 1);
    m_style->setStyle(unpackStyleWord(r.WordC[slot]));
    m_transparent->setChecked(r.WordD[slot] & 1);
    m_password->setChecked(r.WordD[slot] & 2);
    m_style->setLevelEnabled(m_password->isChecked());

    m_chooser->setDevices(addressDevicesFor(project));
    m_chooser->load(unpackWordDevice(r.WordD[slot]), r.WordA[slot]);

    // A slot that owns no list (only a damaged file puts a dynamic text there) keeps one state
    // and its texts only.
    const int capacity = stateCapacity(slot);
    m_count->setRange(1, std::max(capacity, 1));
    m_loadedCount = std::clamp<int>(r.ByteA[slot], 1, std::max(capacity, 1));
    m_count->setValue(m_loadedCount);
    for (int language = 1; language <= 2; ++language) {
        QList<StateCell> cells;
        for (int j = 1; j <= std::max(capacity, 1); ++j) {
            if (capacity > 0)
                cells << decodeStateEntry(project.ListEntry(page, slot, language, j).text(), j);
            else
                cells << StateCell{QStringLiteral("0"),
                                   (language == 1 ? r.TextA[slot] : r.TextB[slot]).text()};
        }
        StateGrid *grid = this->grid(language);
        grid->setRowCount(0);
        grid->setBackingCells(cells);
        grid->setStateCount(m_loadedCount);
        grid->setCurrentCell(0, StateGrid::kValueColumn);
    }
    m_tabs->setCurrentIndex(0);
    m_loading = false;
}

bool DynamicTextDialog::validateFields()
{
    for (int language = 1; language <= 2; ++language) {
        const int found = findDuplicateValues(grid(language)->values());
        if (found != 0) {
            m_tabs->setCurrentIndex(language - 1);
            warn(uiText(duplicateValueMessage(language, found))
                     .replace(QLatin1Char('\r'), QLatin1Char('\n')));
            return false;
        }
    }
    return true;
}

void DynamicTextDialog::storeFields(Project &project, int page, int slot)
{
    PageRecord &r = project.record(page);
    const int count = m_count->value();
    r.WordA[slot] = m_chooser->registerNumber();
    r.ByteA[slot] = static_cast<std::uint8_t>(count);
    r.ByteB[slot] = m_inputAllowed->isChecked() ? 1 : 0;
    r.ByteC[slot] = m_zeroOnLeave->isChecked() ? 1 : 0;
    r.WordC[slot] = packStyleWord(m_style->style());
    r.WordD[slot] =
        dynamicTextWordD(m_transparent->isChecked(), m_password->isChecked(), m_chooser->field());

    const bool hasList = stateCapacity(slot) > 0;
    for (int language = 1; language <= 2; ++language) {
        for (int j = 1; hasList && j <= count; ++j)
            project.ListEntry(page, slot, language, j)
                .setBytes(encodeStateEntry(grid(language)->cell(j - 1)));
    }
    r.TextA[slot].setText(m_one->cell(0).content);
    r.TextB[slot].setText(m_two->cell(0).content);
}

namespace {
const DialogRegistration<DynamicTextDialog> registration(7);
}

} // namespace brevix
