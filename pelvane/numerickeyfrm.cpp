#include "numerickeyfrm.h"

#include "keysounds.h"
#include "noticebox.h"

#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QVBoxLayout>

namespace brevix::pelvane {

NumericKeyFrm::NumericKeyFrm(KeySounds *sounds, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint),
      m_sounds(sounds)
{
    setObjectName(QStringLiteral("NumericKeyFrm"));
    setWindowTitle(QStringLiteral("请输入:"));
    setModal(true);
    setWindowOpacity(kKeypadOpacity);
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
    setPalette(grey);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    m_display = new QLabel(this);
    m_display->setObjectName(QStringLiteral("DisplayPanel"));
    m_display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_display->setFrameShape(QFrame::Panel);
    m_display->setFrameShadow(QFrame::Sunken);
    m_display->setMinimumHeight(34);
    m_display->setAutoFillBackground(true);
    QPalette white = m_display->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_display->setPalette(white);
    QFont big = m_display->font();
    big.setPixelSize(22);
    m_display->setFont(big);
    m_display->installEventFilter(this);
    layout->addWidget(m_display);

    m_transparencyPanel = new QFrame(this);
    m_transparencyPanel->setObjectName(QStringLiteral("TransparencyPanel"));
    m_transparencyPanel->setFrameShape(QFrame::StyledPanel);
    auto *panelLayout = new QVBoxLayout(m_transparencyPanel);
    panelLayout->setContentsMargins(4, 2, 4, 2);
    panelLayout->addWidget(new QLabel(QStringLiteral("透明度设置"), m_transparencyPanel));
    m_trackBar = new QSlider(Qt::Horizontal, m_transparencyPanel);
    m_trackBar->setObjectName(QStringLiteral("TrackBar1"));
    m_trackBar->setRange(0, 100);
    m_trackBar->setValue(80);
    m_trackBar->installEventFilter(this);
    panelLayout->addWidget(m_trackBar);
    m_transparencyPanel->hide();
    layout->addWidget(m_transparencyPanel);
    connect(m_trackBar, &QSlider::valueChanged, this,
            [this](int position) { setWindowOpacity(opacityOfTrackPosition(position) / 255.0); });

    auto *keys = new QGridLayout;
    keys->setSpacing(3);
    const int digits[4][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}, {0, -1, -1}};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int k = digits[row][column];
            if (k < 0)
                continue;
            QPushButton *key = addKey(QStringLiteral("Key%1").arg(k), QString::number(k));
            connect(key, &QPushButton::clicked, this, [this, k] { digit(k); });
            keys->addWidget(key, row, column);
        }
    }
    m_dot = addKey(QStringLiteral("KeyDot"), QStringLiteral("."));
    m_minus = addKey(QStringLiteral("KeyMinus"), QStringLiteral("-"));
    keys->addWidget(m_dot, 3, 1);
    keys->addWidget(m_minus, 3, 2);
    QPushButton *erase = addKey(QStringLiteral("KeyDelete"), QStringLiteral("删除"));
    QPushButton *clear = addKey(QStringLiteral("KeyClear"), QStringLiteral("清空"));
    QPushButton *ok = addKey(QStringLiteral("KeyOk"), QStringLiteral("确定"));
    QPushButton *cancel = addKey(QStringLiteral("KeyCancel"), QStringLiteral("取消"));
    ok->setDefault(true);
    keys->addWidget(erase, 0, 3);
    keys->addWidget(clear, 1, 3);
    keys->addWidget(ok, 2, 3);
    keys->addWidget(cancel, 3, 3);
    layout->addLayout(keys);
    m_range = new QLabel(this);
    m_range->setObjectName(QStringLiteral("RangeLabel"));
    m_range->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_range);

    auto put = [this] { m_sounds ? m_sounds->play(KeySounds::putFile()) : void(); };
    connect(m_dot, &QPushButton::clicked, this, [this, put] {
        put();
        m_entry.pressDot();
        refreshDisplay();
    });
    connect(m_minus, &QPushButton::clicked, this, [this, put] {
        put();
        m_entry.pressMinus();
        refreshDisplay();
    });
    connect(erase, &QPushButton::clicked, this, [this, put] {
        put();
        m_entry.pressDelete();
        refreshDisplay();
    });
    connect(clear, &QPushButton::clicked, this, [this, put] {
        put();
        m_entry.pressClear();
        refreshDisplay();
    });
    connect(ok, &QPushButton::clicked, this, &NumericKeyFrm::accept);
    connect(cancel, &QPushButton::clicked, this, &NumericKeyFrm::reject);
}

QPushButton *NumericKeyFrm::addKey(const QString &name, const QString &caption)
{
    auto *key = new QPushButton(caption, this);
    key->setObjectName(name);
    key->setMinimumSize(44, 34);
    key->setAutoDefault(false);
    key->setCursor(Qt::PointingHandCursor);
    return key;
}

void NumericKeyFrm::prepare(const sim::KeypadTarget &target, sim::RegisterMemory &memory)
{
    m_memory = &memory;
    m_entry.show(target, memory);
    m_dot->setEnabled(m_entry.dotEnabled());
    m_minus->setEnabled(m_entry.minusEnabled());
    m_range->setText(m_entry.rangeText());
    m_transparencyPanel->hide();
    refreshDisplay();
}

bool NumericKeyFrm::edit(const sim::KeypadTarget &target, sim::RegisterMemory &memory)
{
    prepare(target, memory);
    placeOnScreen();
    return exec() == QDialog::Accepted;
}

void NumericKeyFrm::placeOnScreen()
{
    adjustSize();
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.center().x() - width() / 2, area.center().y() - height() / 2 - 100);
}

QString NumericKeyFrm::displayText() const
{
    return m_display->text();
}

QString NumericKeyFrm::rangeText() const
{
    return m_range->text();
}

bool NumericKeyFrm::transparencyPanelShown() const
{
    return m_transparencyPanel->isVisible();
}

void NumericKeyFrm::refreshDisplay()
{
    m_display->setText(m_entry.display());
}

void NumericKeyFrm::digit(int k)
{
    if (m_sounds)
        m_sounds->play(KeySounds::digitFile(k));
    m_entry.pressDigit(k);
    refreshDisplay();
}

void NumericKeyFrm::accept()
{
    if (!m_memory)
        return;
    const sim::KeypadEntry::Outcome outcome = m_entry.accept(*m_memory);
    refreshDisplay();
    if (outcome == sim::KeypadEntry::Outcome::Written) {
        QDialog::accept();
        return;
    }
    // The keypad stays open with an empty display.
    showNotice(this,
               sim::Notice{sim::KeypadEntry::outcomeMessage(outcome), sim::Notice::Icon::Warning});
}

bool NumericKeyFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_display && event->type() == QEvent::MouseButtonPress) {
        if (m_transparencyPanel->isVisible()) {
            m_transparencyPanel->hide();
        } else {
            m_transparencyPanel->show();
            m_trackBar->setValue(0);
        }
        adjustSize();
        return true;
    }
    if (watched == m_trackBar && event->type() == QEvent::Leave) {
        m_transparencyPanel->hide();
        adjustSize();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace brevix::pelvane
