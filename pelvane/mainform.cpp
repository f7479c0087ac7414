#include "mainform.h"

#include "commandserver.h"
#include "facekeybutton.h"
#include "keysounds.h"
#include "noticebox.h"
#include "numerickeyfrm.h"
#include "pageview.h"
#include "runfolder.h"
#include "simulator/panelfont.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace brevix::pelvane {

MainForm::MainForm(const PelvaneSetup &setup, QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_setup(setup)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Pelvane"));
    setAttribute(Qt::WA_TranslucentBackground, false);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0xCA, 0xCA, 0xCA));
    setPalette(grey);
    m_sounds = new KeySounds(setup.soundFolder, this);
    m_keypad = new NumericKeyFrm(m_sounds, this);
    m_displayPanel = new QFrame(this);
    m_displayPanel->setObjectName(QStringLiteral("DisplayPanel"));
    m_displayPanel->setFrameShape(QFrame::Panel);
    m_displayPanel->setFrameShadow(QFrame::Sunken);
    m_displayPanel->setLineWidth(2);
    m_displayPanel->setAutoFillBackground(true);
    QPalette dark = m_displayPanel->palette();
    dark.setColor(QPalette::Window, sim::kDarkShadow);
    m_displayPanel->setPalette(dark);
    m_displayPanel->hide();
    for (int i = 0; i < sim::kFaceKeyCount; ++i) {
        const int keyNumber = sim::kFaceKeyNumbers[i];
        auto *key = new FaceKeyButton(keyNumber, this);
        key->setObjectName(QStringLiteral("SK%1").arg(i + 1));
        key->setToolTip(keyNumber == sim::kShiftKeyNumber
                            ? QStringLiteral("SHIFT")
                            : QStringLiteral("KEY %1").arg(keyNumber));
        connect(key, &QAbstractButton::clicked, this,
                [this, keyNumber] { faceKeyClicked(keyNumber); });
        m_keys[i] = key;
    }
    buildMenu();
    m_timer100.setInterval(100);
    m_timer500.setInterval(500);
    m_timer1s.setInterval(1000);
    connect(&m_timer100, &QTimer::timeout, this, &MainForm::tick100ms);
    connect(&m_timer500, &QTimer::timeout, this, &MainForm::tick500ms);
    connect(&m_timer1s, &QTimer::timeout, this, &MainForm::tick1s);
    m_layout = sim::faceLayout(m_session.displaySize());
    applyLayout();
    centreOnScreen();
}

MainForm::~MainForm() = default;

void MainForm::buildMenu()
{
    m_menu = new QMenu(this);
    QAction *quit = m_menu->addAction(QStringLiteral("退出(&X)"));
    connect(quit, &QAction::triggered, this, &QWidget::close);
    m_menu->addSeparator();
    QAction *exportAction = m_menu->addAction(QStringLiteral("导出画面(&O)"));
    exportAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    exportAction->setShortcutContext(Qt::WindowShortcut);
    addAction(exportAction);
    connect(exportAction, &QAction::triggered, this, &MainForm::askExport);
}

void MainForm::applyLayout()
{
    setFixedSize(m_layout.size);
    m_displayPanel->setGeometry(m_layout.display);
    for (int i = 0; i < sim::kFaceKeyCount; ++i)
        m_keys[i]->setGeometry(m_layout.keys[i]);
    // Rounded outline of the face (corner ellipse 28 × 28).
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()), sim::kFaceCornerDiameter / 2.0,
                           sim::kFaceCornerDiameter / 2.0);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));
    update();
}

void MainForm::centreOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.center().x() - width() / 2, area.center().y() - height() / 2 - 100);
}

void MainForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    sim::FaceState state;
    state.runLampRed = m_session.runLampRed();
    state.shiftLampsLit = m_session.shiftLampsLit();
    state.displayShown = m_displayPanel->isVisible();
    sim::paintFace(painter, m_layout, state, nullptr);
}

void MainForm::faceKeyClicked(int keyNumber)
{
    afterPageChange(m_session.faceKey(keyNumber));
    update();
}

void MainForm::rebuildPageView()
{
    if (m_pageView)
        delete m_pageView;
    m_pageView = new PageView(m_session, m_keypad, m_displayPanel);
    m_pageView->move(4, 4);
    connect(m_pageView, &PageView::functionKeyReleased, this, [this] {
        // Performed after the release has finished, as a posted message would be.
        QMetaObject::invokeMethod(
            this, [this] { handleRequest(kRequestFunctionKey, 0); }, Qt::QueuedConnection);
    });
    m_pageView->show();
    m_shownGeneration = m_session.pageGeneration();
}

void MainForm::afterPageChange(const sim::Notice &notice)
{
    if (m_session.pageGeneration() != m_shownGeneration)
        rebuildPageView();
    showNotice(this, notice);
}

void MainForm::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
    }
}

void MainForm::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - m_dragOffset);
}

void MainForm::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
}

void MainForm::contextMenuEvent(QContextMenuEvent *event)
{
    m_menu->exec(event->globalPos());
}

QString MainForm::runFolder() const
{
    return runFolderPath(m_setup.workFolder, m_setup.instance);
}

bool MainForm::exportPage(const QString &path) const
{
    if (!m_pageView)
        return false;
    return m_pageView->grab().toImage().save(path, "BMP");
}

void MainForm::askExport()
{
    if (!m_pageView)
        return;
    QFileDialog dialog(this, QStringLiteral("输出图形为BMP格式"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QStringLiteral("位图文件(*.bmp)"), QStringLiteral("所有文件(*.*)")});
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    dialog.selectFile(QString::number(m_session.shownPage()) + QStringLiteral("号画面"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    if (!exportPage(path)) {
        showNotice(this, sim::Notice{{QStringLiteral("无法保存 ") + path,
                                      QStringLiteral("Cannot save ") + path}});
    }
}

void MainForm::closeEvent(QCloseEvent *event)
{
    if (!m_closing && !askQuestion(this, kQuitQuestion)) {
        event->ignore();
        return;
    }
    shutDown();
    event->accept();
}

} // namespace brevix::pelvane
