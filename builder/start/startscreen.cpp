#include "start/startscreen.h"

#include "elements/dialoginstance.h"
#include "language/uilanguage.h"
#include "language/windowregistry.h"
#include "start/startpictures.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace brevix {

namespace {
constexpr int kOpeningMilliseconds = 500;
} // namespace

StartScreen::StartScreen(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ForStart"));
    setWindowTitle(QStringLiteral("欢迎来到 Brevix "));
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(246, 248, 252));
    setPalette(pal);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    auto *title = new QLabel(QStringLiteral("Brevix"), this);
    title->setObjectName(QStringLiteral("Label2"));
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    title->setFont(big);
    layout->addWidget(title);

    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    addButton(QStringLiteral("SpeedButton1"), QStringLiteral("新文件"), 0);
    addButton(QStringLiteral("SpeedButton2"), QStringLiteral("打开最后一次编辑的文件"), 1);
    addButton(QStringLiteral("SpeedButton3"), QStringLiteral("打开文件"), 2);
    addButton(QStringLiteral("SpeedButton4"), QStringLiteral("打开例子库"), 3);
    for (QToolButton *b : m_buttons)
        row->addWidget(b);
    layout->addLayout(row);

    m_hint = new QLabel(defaultHint(), this);
    m_hint->setObjectName(QStringLiteral("Label1"));
    m_hint->setMinimumHeight(m_hint->fontMetrics().height() * 2 + 6);
    m_hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_hint->setWordWrap(true);
    layout->addWidget(m_hint);
    installEventFilter(this);
    for (QWidget *w : {static_cast<QWidget *>(title), static_cast<QWidget *>(m_hint)})
        w->installEventFilter(this);
}

QToolButton *StartScreen::addButton(const QString &name, const QString &text, int picture)
{
    auto *b = new QToolButton(this);
    b->setObjectName(name);
    b->setText(text);
    b->setIcon(QIcon(startPicture(static_cast<StartPicture>(picture), 64)));
    b->setIconSize(QSize(64, 64));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setMinimumWidth(150);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    b->installEventFilter(this);
    const auto choice = static_cast<Choice>(picture + 1);
    connect(b, &QToolButton::clicked, this, [this, choice] { choose(choice); });
    m_buttons.append(b);
    return b;
}

QToolButton *StartScreen::button(Choice choice) const
{
    const int i = static_cast<int>(choice) - 1;
    return (i >= 0 && i < m_buttons.size()) ? m_buttons.at(i) : nullptr;
}

QString StartScreen::defaultHint()
{
    return uiText(QStringLiteral("按一个图形,开始..."), QStringLiteral("Click A graphic,Start..."));
}

QString StartScreen::hintFor(Choice choice, const QString &recentPath)
{
    switch (choice) {
    case Choice::NewFile:
        return uiText(QStringLiteral("创建一个新的工程..."),
                      QStringLiteral("Create a new project..."));
    case Choice::LastFile:
        return uiText(QStringLiteral("打开: ") + recentPath +
                          QStringLiteral("\n在您退出的地方继续工作。"),
                      QStringLiteral("Open: ") + recentPath +
                          QStringLiteral("\nContinue to work on your out of place."));
    case Choice::OpenFile:
        return uiText(QStringLiteral("打开现有的工程..."),
                      QStringLiteral("Open an existing project..."));
    case Choice::Examples:
        return uiText(QStringLiteral("打开本系统提供的例子，\n自多种专业的设计中选择。"),
                      QStringLiteral("Open the system provides examples，\nSince the design of "
                                     "various professional choice."));
    case Choice::None:
        break;
    }
    return defaultHint();
}

QString StartScreen::hintText() const
{
    return m_hint->text();
}

bool StartScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter) {
        Choice over = Choice::None;
        for (int i = 0; i < m_buttons.size(); ++i) {
            if (watched == m_buttons.at(i))
                over = static_cast<Choice>(i + 1);
        }
        m_hint->setText(hintFor(over, m_recentPath));
    }
    return QDialog::eventFilter(watched, event);
}

void StartScreen::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        choose(Choice::LastFile);
        return;
    }
    QDialog::keyPressEvent(event); // Escape closes without a command
}

void StartScreen::choose(Choice choice)
{
    accept();
    if (m_handler)
        QTimer::singleShot(0, this, [handler = m_handler, choice] { handler(choice); });
}

void StartScreen::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_hint->setText(defaultHint());
    setWindowTitle(
        uiText(QStringLiteral("欢迎来到 Brevix "), QStringLiteral("Welcome to Brevix ")));
    const QScreen *s = screen();
    if (!s)
        return;
    // Grows from the centre, 100 pixels above the middle of the screen.
    const QSize size = sizeHint().expandedTo(minimumSizeHint());
    QRect target(QPoint(0, 0), size);
    target.moveCenter(s->availableGeometry().center() - QPoint(0, 100));
    QRect start(QPoint(0, 0), QSize(size.width() / 10, size.height() / 10));
    start.moveCenter(target.center());
    auto *grow = new QPropertyAnimation(this, "geometry", this);
    grow->setDuration(kOpeningMilliseconds);
    grow->setStartValue(start);
    grow->setEndValue(target);
    grow->setEasingCurve(QEasingCurve::OutCubic);
    grow->start(QAbstractAnimation::DeleteWhenStopped);
}

void StartScreen::run()
{
    exec();
}

namespace {
const bool registered = [] {
    registerLanguageWindow(
        [](QWidget *owner) -> QWidget * { return dialogInstance<StartScreen>(owner); });
    return true;
}();
} // namespace

} // namespace brevix
