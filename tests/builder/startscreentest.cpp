#include "start/startscreen.h"
#include "language/uilanguage.h"
#include "start/aboutbox.h"

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace brevix;
using Choice = StartScreen::Choice;

class StartScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { setUiLanguage(Language::Chinese); }

    void buttonsRunTheirCommandAfterTheScreenClosed_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("choice");
        QTest::newRow("new") << "SpeedButton1" << int(Choice::NewFile);
        QTest::newRow("last") << "SpeedButton2" << int(Choice::LastFile);
        QTest::newRow("open") << "SpeedButton3" << int(Choice::OpenFile);
        QTest::newRow("examples") << "SpeedButton4" << int(Choice::Examples);
    }
    void buttonsRunTheirCommandAfterTheScreenClosed()
    {
        QFETCH(QString, button);
        QFETCH(int, choice);
        StartScreen screen;
        int chosen = -1;
        bool visibleWhenRun = true;
        screen.setChoiceHandler([&](Choice c) {
            chosen = int(c);
            visibleWhenRun = screen.isVisible();
        });
        QTimer::singleShot(0, &screen, [&] { screen.findChild<QToolButton *>(button)->click(); });
        screen.run();
        QCOMPARE(chosen, -1); // queued: not yet
        QTRY_COMPARE(chosen, choice);
        QVERIFY(!visibleWhenRun);
    }

    void enterOpensTheLastFileAndEscapeNothing()
    {
        StartScreen screen;
        QList<Choice> chosen;
        screen.setChoiceHandler([&](Choice c) { chosen << c; });
        QTimer::singleShot(0, &screen, [&] { QTest::keyClick(&screen, Qt::Key_Return); });
        screen.run();
        QTRY_COMPARE(chosen, QList<Choice>{Choice::LastFile});
        QTimer::singleShot(0, &screen, [&] { QTest::keyClick(&screen, Qt::Key_Escape); });
        screen.run();
        QTest::qWait(20);
        QCOMPARE(chosen.size(), 1);
    }

    void hintsInBothLanguages()
    {
        QCOMPARE(StartScreen::hintFor(Choice::LastFile, QStringLiteral("/p/a.KX3")),
                 QStringLiteral("打开: /p/a.KX3\n在您退出的地方继续工作。"));
        QCOMPARE(StartScreen::hintFor(Choice::None, {}), QStringLiteral("按一个图形,开始..."));
        setUiLanguage(Language::English);
        QCOMPARE(StartScreen::hintFor(Choice::NewFile, {}),
                 QStringLiteral("Create a new project..."));
        QCOMPARE(StartScreen::hintFor(Choice::None, {}),
                 QStringLiteral("Click A graphic,Start..."));
        QCOMPARE(StartScreen::hintFor(Choice::LastFile, QStringLiteral("x")),
                 QStringLiteral("Open: x\nContinue to work on your out of place."));
    }

    void pointerOverAButtonShowsItsHint()
    {
        StartScreen screen;
        screen.setRecentPath(QStringLiteral("/w/b.KX3"));
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(screen.button(Choice::OpenFile), &enter);
        QCOMPARE(screen.hintText(), QStringLiteral("打开现有的工程..."));
        QCoreApplication::sendEvent(&screen, &enter);
        QCOMPARE(screen.hintText(), QStringLiteral("按一个图形,开始..."));
    }

    void aboutBoxVersion()
    {
        AboutBox box;
        QCOMPARE(box.windowTitle(), QStringLiteral("About Brevix "));
        QCOMPARE(box.versionLabel()->text(), QStringLiteral("Brevix  Version 5.15"));
    }
};

QTEST_MAIN(StartScreenTest)
#include "startscreentest.moc"
