#pragma once

#include "pageview.h"
#include "simulator/panelface.h"
#include "simulator/registermemory.h"
#include "simulator/simulatorsession.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>

class QFrame;
class QMenu;

namespace brevix::pelvane {

class FaceKeyButton;
class KeySounds;
class NumericKeyFrm;

// Where a simulator instance lives: the working folder (KX.bin, Link1.Dat, Link2.Dat), its
// instance number and the folder of the key sounds.
struct PelvaneSetup
{
    QString workFolder;
    int instance = 1;
    QString soundFolder;
};

// The main window (TMainForm): the panel front with its keys and lamps, the display panel
// hosting the page view, the system timers, page changes, export and shut-down.
class MainForm : public QWidget
{
    Q_OBJECT
public:
    explicit MainForm(const PelvaneSetup &setup, QWidget *parent = nullptr);
    ~MainForm() override;

    // Start-up after the window is shown: run folder, register files, the image, the start
    // page. False when the program must end (no image).
    bool openSimulation();
    // A request another program sent (the window messages of the panel tool).
    void handleRequest(int message, qint64 parameter);
    // Saves the word registers and cleans the run folder (the "Yes" of the shut-down question).
    void shutDown();

    sim::SimulatorSession &session() { return m_session; }
    sim::RegisterMemory &memory() { return m_memory; }
    PageView *pageView() const { return m_pageView; }
    NumericKeyFrm *keypad() const { return m_keypad; }
    FaceKeyButton *faceKey(int buttonIndex) const { return m_keys[buttonIndex]; }
    const sim::FaceLayout &faceLayout() const { return m_layout; }
    QString runFolder() const;
    bool exportPage(const QString &path) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    void applyLayout();
    void faceKeyClicked(int keyNumber);
    void rebuildPageView();
    void afterPageChange(const sim::Notice &notice);
    void tick100ms();
    void tick500ms();
    void tick1s();
    void askExport();
    void centreOnScreen();

    PelvaneSetup m_setup;
    sim::RegisterMemory m_memory;
    sim::SimulatorSession m_session{m_memory};
    sim::FaceLayout m_layout;
    KeySounds *m_sounds;
    NumericKeyFrm *m_keypad;
    QFrame *m_displayPanel;
    QPointer<PageView> m_pageView;
    std::array<FaceKeyButton *, sim::kFaceKeyCount> m_keys{};
    QMenu *m_menu = nullptr;
    QTimer m_timer100;
    QTimer m_timer500;
    QTimer m_timer1s;
    int m_shownGeneration = -1;
    QPoint m_dragOffset;
    bool m_dragging = false;
    bool m_closing = false;
    bool m_shutDownDone = false;
};

// The shut-down question.
inline const Message kQuitQuestion{QStringLiteral("是否退出程序 ？"),
                                   QStringLiteral("Exit the program?")};

} // namespace brevix::pelvane
