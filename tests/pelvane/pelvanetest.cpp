#include "commandserver.h"
#include "facekeybutton.h"
#include "instanceclaim.h"
#include "kxfixture.h"
#include "mainform.h"
#include "noticebox.h"
#include "numerickeyfrm.h"
#include "pageview.h"
#include "runfolder.h"
#include "simulator/linkfiles.h"
#include "tempfolder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLocalSocket>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>

using namespace brevix;
using namespace brevix::pelvane;
namespace kx = kxfixture;

namespace {

struct ShownNotice
{
    QString text;
    QString title;
};

QByteArray sampleImage()
{
    kx::RegisterFields entry;
    entry.address = 10;
    entry.entry = true;
    entry.decimals = 2;
    entry.high = 10000;
    kx::Page p1{1, 0xFFFFFF, {}, {}};
    p1.keyJump[0] = 3;  // panel key 1 (shift + key 12)
    p1.keyJump[11] = 2; // key 12
    p1.records = {kx::registerRecord({10, 10, 80, 24}, entry),
                  kx::functionKey({10, 50, 60, 24}, 0, 2, 0, "P2"),
                  kx::functionKey({10, 90, 60, 24}, 0, 250, 0, "P250")};
    kx::Page p2{2, 0x00FFFF, {}, {kx::text({0, 0, 60, 20}, "two")}};
    kx::Page p3{3, 0xFF0000, {}, {kx::text({0, 0, 60, 20}, "three")}};
    return kx::image({}, {p1, p2, p3});
}

void clickKeys(NumericKeyFrm *keypad, const QString &keys)
{
    for (const QChar c : keys) {
        QString name;
        if (c.isDigit())
            name = QStringLiteral("Key") + c;
        else if (c == QLatin1Char('.'))
            name = QStringLiteral("KeyDot");
        else
            name = QStringLiteral("KeyMinus");
        auto *key = keypad->findChild<QPushButton *>(name);
        QVERIFY2(key, qPrintable(name));
        QTest::mouseClick(key, Qt::LeftButton);
    }
}

} // namespace

class PelvaneTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_notices.clear();
        m_questions.clear();
        m_answer = false;
        setNoticePresenter([this](QWidget *, const sim::Notice &notice, const QString &title) {
            m_notices.push_back({notice.text.zh, title});
        });
        setQuestionPresenter([this](QWidget *, const Message &question) {
            m_questions.push_back(question.zh);
            return m_answer;
        });
    }

    void keypadTakesAValueWithTwoDecimals()
    {
        sim::RegisterMemory memory;
        NumericKeyFrm keypad(nullptr);
        sim::KeypadTarget target;
        target.address = 5;
        target.decimals = 2;
        target.high = 10000;
        keypad.prepare(target, memory);
        keypad.show();
        QCOMPARE(keypad.windowTitle(), QStringLiteral("请输入:"));
        QCOMPARE(keypad.rangeText(), QStringLiteral("0.00~100.00"));
        QCOMPARE(keypad.displayText(), QStringLiteral("0.00"));
        QVERIFY(!keypad.findChild<QPushButton *>(QStringLiteral("KeyMinus"))->isEnabled());
        QVERIFY(keypad.findChild<QPushButton *>(QStringLiteral("KeyDot"))->isEnabled());
        QCOMPARE(qRound(keypad.windowOpacity() * 255), 228);
        clickKeys(&keypad, QStringLiteral("100.01"));
        QTest::mouseClick(keypad.findChild<QPushButton *>(QStringLiteral("KeyOk")), Qt::LeftButton);
        QCOMPARE(m_notices.size(), 1u);
        QCOMPARE(m_notices[0].text, QStringLiteral("输入不在范围内 ！"));
        QCOMPARE(m_notices[0].title, QStringLiteral("Pelvane"));
        QVERIFY(keypad.isVisible());
        QCOMPARE(keypad.displayText(), QString());
        clickKeys(&keypad, QStringLiteral("99.99"));
        QTest::mouseClick(keypad.findChild<QPushButton *>(QStringLiteral("KeyOk")), Qt::LeftButton);
        QVERIFY(!keypad.isVisible());
        QCOMPARE(keypad.result(), int(QDialog::Accepted));
        QCOMPARE(memory.word(0, 5), 9999);
    }

    void keypadLimitsDigitsAndClears()
    {
        sim::RegisterMemory memory;
        memory.setWord(0, 5, 65535);
        NumericKeyFrm keypad(nullptr);
        sim::KeypadTarget target;
        target.address = 5;
        target.isSigned = true;
        target.signed16 = true;
        target.low = -10;
        target.high = 10;
        keypad.prepare(target, memory);
        keypad.show();
        QCOMPARE(keypad.displayText(), QStringLiteral("-1"));
        clickKeys(&keypad, QStringLiteral("1234567890"));
        QCOMPARE(keypad.displayText(), QStringLiteral("123456789"));
        QTest::mouseClick(keypad.findChild<QPushButton *>(QStringLiteral("KeyDelete")),
                          Qt::LeftButton);
        QCOMPARE(keypad.displayText(), QStringLiteral("12345678"));
        QTest::mouseClick(keypad.findChild<QPushButton *>(QStringLiteral("KeyClear")),
                          Qt::LeftButton);
        QCOMPARE(keypad.displayText(), QString());
        QTest::mouseClick(keypad.findChild<QPushButton *>(QStringLiteral("KeyOk")), Qt::LeftButton);
        QCOMPARE(m_notices.back().text, QStringLiteral("设定值超限 ！"));
        clickKeys(&keypad, QStringLiteral("-7"));
        QTest::mouseClick(keypad.findChild<QPushButton *>(QStringLiteral("KeyOk")), Qt::LeftButton);
        QCOMPARE(memory.word(0, 5), 65529);
        keypad.prepare(target, memory);
        keypad.show();
        QTest::mouseClick(keypad.findChild<QPushButton *>(QStringLiteral("KeyCancel")),
                          Qt::LeftButton);
        QCOMPARE(keypad.result(), int(QDialog::Rejected));
    }

    void keypadTransparencyPanel()
    {
        sim::RegisterMemory memory;
        NumericKeyFrm keypad(nullptr);
        keypad.prepare(sim::KeypadTarget{}, memory);
        keypad.show();
        QVERIFY(!keypad.transparencyPanelShown());
        auto *display = keypad.findChild<QLabel *>(QStringLiteral("DisplayPanel"));
        QTest::mouseClick(display, Qt::LeftButton);
        QVERIFY(keypad.transparencyPanelShown());
        auto *track = keypad.findChild<QSlider *>(QStringLiteral("TrackBar1"));
        QCOMPARE(track->value(), 0);
        QCOMPARE(qRound(keypad.windowOpacity() * 255), 250);
        track->setValue(100);
        QCOMPARE(qRound(keypad.windowOpacity() * 255), 150);
        QTest::mouseClick(display, Qt::LeftButton);
        QVERIFY(!keypad.transparencyPanelShown());
    }

    void faceKeysChangePages()
    {
        TempFolder work;
        writeImage(work);
        MainForm form(PelvaneSetup{work.path(), 1, work.file(QStringLiteral("no sounds"))});
        form.show();
        QVERIFY(form.openSimulation());
        QCOMPARE(form.session().shownPage(), 1);
        QCOMPARE(form.size(), QSize(755, 398));
        auto *sk2 = form.findChild<FaceKeyButton *>(QStringLiteral("SK2"));
        QCOMPARE(sk2->keyNumber(), 12);
        QTest::mouseClick(sk2, Qt::LeftButton);
        QCOMPARE(form.session().shownPage(), 2);
        QCOMPARE(form.pageView()->pageImage().pixelColor(100, 100), QColor(0xF8, 0xFC, 0));
        QTest::mouseClick(form.findChild<FaceKeyButton *>(QStringLiteral("SK1")), Qt::LeftButton);
        QCOMPARE(form.session().shownPage(), 1);
        QTest::mouseClick(form.findChild<FaceKeyButton *>(QStringLiteral("SK19")), Qt::LeftButton);
        QCOMPARE(form.session().shownPage(), 1);
        QTest::mouseClick(form.findChild<FaceKeyButton *>(QStringLiteral("SK7")), Qt::LeftButton);
        QVERIFY(form.session().shift());
        QTest::mouseClick(sk2, Qt::LeftButton);
        QCOMPARE(form.session().shownPage(), 3);
        QVERIFY(m_notices.empty());
        m_answer = true;
        form.close();
    }

    void functionKeysAndRequests()
    {
        TempFolder work;
        writeImage(work);
        MainForm form(PelvaneSetup{work.path(), 1, QString()});
        form.show();
        QVERIFY(form.openSimulation());
        PageView *view = form.pageView();
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(20, 100));
        QTRY_COMPARE(m_notices.size(), 1u);
        QCOMPARE(m_notices[0].text, QStringLiteral("画面:250模拟器不用 ！"));
        QCOMPARE(form.session().shownPage(), 1);
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(20, 60));
        QTRY_COMPARE(form.session().shownPage(), 2);

        form.handleRequest(kRequestSerialPortBusy, 3);
        QCOMPARE(m_notices.back().title, QStringLiteral("打开串口( 3 )失败"));
        QCOMPARE(
            m_notices.back().text,
            QStringLiteral(
                "当前串口号已经被占用，或其它错误 ！\r请选择其它串口，或检查串口设置是否正确。"));
        form.handleRequest(kRequestPipeError, 0);
        QCOMPARE(m_notices.back().text, QStringLiteral("创建管道错误！"));
        form.handleRequest(kRequestProcessError, 0);
        QCOMPARE(m_notices.back().text, QStringLiteral("创建进程错误！"));
        form.handleRequest(kRequestReadPipeError, 0);
        QCOMPARE(m_notices.back().text, QStringLiteral("读管道错误！"));
        form.handleRequest(kRequestQuit, 0);
        QVERIFY(!form.isVisible());
        QVERIFY(m_questions.empty());
    }

    void pressingAnEntryRegisterOpensTheKeypad()
    {
        TempFolder work;
        writeImage(work);
        MainForm form(PelvaneSetup{work.path(), 1, QString()});
        form.show();
        QVERIFY(form.openSimulation());
        bool sawHighlight = false;
        QTimer::singleShot(0, this, [&form, &sawHighlight] {
            NumericKeyFrm *keypad = form.keypad();
            QVERIFY(keypad->isVisible());
            sawHighlight = form.session().page()->focusFlag(0);
            clickKeys(keypad, QStringLiteral("12.5"));
            QTest::mouseClick(keypad->findChild<QPushButton *>(QStringLiteral("KeyOk")),
                              Qt::LeftButton);
        });
        QTest::mouseClick(form.pageView(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QVERIFY(sawHighlight);
        QCOMPARE(form.memory().word(0, 10), 1250);
        QVERIFY(!form.session().page()->focusFlag(0));
        QTRY_COMPARE(form.session().page()->control(0).shownText, QStringLiteral("12.50"));
        m_answer = true;
        form.close();
    }

    void closingAsksAndKeepsWordRegisters()
    {
        TempFolder work;
        writeImage(work);
        {
            MainForm form(PelvaneSetup{work.path(), 1, QString()});
            form.show();
            QVERIFY(form.openSimulation());
            form.memory().setWord(0, 77, 4321);
            form.memory().setBit(0, 5, true);
            QFile leftover(form.runFolder() + QStringLiteral("/old.BMP"));
            QVERIFY(leftover.open(QIODevice::WriteOnly));
            leftover.close();
            m_answer = false;
            QVERIFY(!form.close());
            QVERIFY(form.isVisible());
            QCOMPARE(m_questions.back(), QStringLiteral("是否退出程序 ？"));
            m_answer = true;
            QVERIFY(form.close());
            QVERIFY(!QFile::exists(leftover.fileName()));
        }
        QCOMPARE(QFileInfo(work.file(QStringLiteral("Link1.Dat"))).size(), 175046);
        QCOMPARE(QFileInfo(work.file(QStringLiteral("Link2.Dat"))).size(), 175046);
        MainForm again(PelvaneSetup{work.path(), 1, QString()});
        QVERIFY(again.openSimulation());
        QCOMPARE(again.memory().word(0, 77), 4321);
        QVERIFY(!again.memory().bit(0, 5));
        m_answer = true;
        again.close();
    }

    void missingImageEndsWithTheMessage()
    {
        TempFolder work;
        MainForm form(PelvaneSetup{work.path(), 1, QString()});
        QVERIFY(!form.openSimulation());
        QCOMPARE(m_notices.back().text, QStringLiteral("找不到运行文件，可能您还没有编译工程 ！"));
    }

    void exportWritesTheShownPageAsBmp()
    {
        TempFolder work;
        writeImage(work);
        MainForm form(PelvaneSetup{work.path(), 1, QString()});
        form.show();
        QVERIFY(form.openSimulation());
        const QString path = work.file(QStringLiteral("1号画面.bmp"));
        QVERIFY(form.exportPage(path));
        const QImage image(path, "BMP");
        QCOMPARE(image.size(), QSize(320, 240));
        QCOMPARE(image.pixelColor(300, 200), QColor(0xF8, 0xFC, 0xF8));
        m_answer = true;
        form.close();
    }

    void ninthInstanceIsRefused()
    {
        TempFolder work;
        std::vector<std::unique_ptr<InstanceClaim>> claims;
        for (int n = 1; n <= 8; ++n) {
            claims.push_back(std::make_unique<InstanceClaim>(work.path()));
            QCOMPARE(claims.back()->number(), n);
        }
        InstanceClaim ninth(work.path());
        QVERIFY(!ninth.claimed());
        claims[2].reset();
        InstanceClaim again(work.path());
        QCOMPARE(again.number(), 3);
    }

    void runFolderCleanUpTakesOnlyItsPatterns()
    {
        TempFolder work;
        const QString folder = runFolderPath(work.path(), 4);
        QVERIFY(folder.endsWith(QStringLiteral("/Pelvane/Run4")));
        QDir().mkpath(folder);
        const QStringList doomed{QStringLiteral("a.BMP"), QStringLiteral("b.bmp"),
                                 QStringLiteral("c.PS6"), QStringLiteral("d.BIN"),
                                 QStringLiteral("e.Txt"), QStringLiteral("f.mdb")};
        for (const QString &name : doomed + QStringList{QStringLiteral("keep.dat")}) {
            QFile file(folder + QLatin1Char('/') + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        prepareRunFolder(folder);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("keep.dat")});
    }

    void requestsArriveOverTheLocalSocket()
    {
        CommandServer server;
        QVERIFY(server.listen(7));
        QSignalSpy spy(&server, &CommandServer::requested);
        QLocalSocket socket;
        socket.connectToServer(CommandServer::serverName(7));
        QVERIFY(socket.waitForConnected(2000));
        socket.write("56283 4\n1029\nnonsense\n");
        socket.flush();
        QTRY_COMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toInt(), 56283);
        QCOMPARE(spy.at(0).at(1).toLongLong(), 4);
        QCOMPARE(spy.at(1).at(0).toInt(), 1029);
    }

private:
    static void writeImage(const TempFolder &work)
    {
        QFile file(work.file(QStringLiteral("KX.bin")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(sampleImage());
    }

    std::vector<ShownNotice> m_notices;
    std::vector<QString> m_questions;
    bool m_answer = false;
};

QTEST_MAIN(PelvaneTest)
#include "pelvanetest.moc"
