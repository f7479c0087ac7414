// Copy an element in one editor process and paste it in another, through the real clipboard
// and the shared transfer file. The test program plays three parts: the driver (starts its own
// Xvfb and the two editors) and, started by it, the copying and the pasting editor.
#include "editor/mainframe.h"
#include "editor/structurep.h"
#include "tempfolder.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <cstdio>

using namespace brevix;

namespace {

const char *kRoleCopy = "--role=copy";
const char *kRolePaste = "--role=paste";

int runEditorRole(int argc, char *argv[], bool copying)
{
    QApplication app(argc, argv);
    EditorSession session{WorkFolder()};
    MainFrame frame(session);
    frame.setSettingsPath(session.work.file(QStringLiteral("Builder.ini")));
    frame.show();
    frame.New();
    StructureP *editor = frame.activeEditor();
    if (!editor)
        return 3;
    if (copying) {
        session.project.selectedTool = 3;
        const auto slot = editor->PlacedOrgan(QPoint(50, 40));
        session.project.record(1).TextA[*slot].setBytes("LAMP-X");
        editor->selectSlot(*slot);
        frame.action(QStringLiteral("EditCopy"))->trigger();
        std::printf("copied\n");
        std::fflush(stdout);
        // Without a clipboard manager the text lives only while its owner runs: stay until told.
        QTimer quitCheck;
        QObject::connect(&quitCheck, &QTimer::timeout, &app, [&] {
            if (QFile::exists(session.work.file(QStringLiteral("quit"))))
                app.quit();
        });
        quitCheck.start(50);
        QTimer::singleShot(30000, &app, &QApplication::quit);
        return app.exec();
    }
    QElapsedTimer waited;
    waited.start();
    while (!session.elementOnClipboard() && waited.elapsed() < 15000) {
        QTest::qWait(100);
        frame.tick();
    }
    if (!session.elementOnClipboard())
        return 4;
    frame.action(QStringLiteral("EditPaste"))->trigger();
    const PageRecord &r = session.project.record(1);
    const int s = session.project.currentSlot;
    std::printf("pasted %d %d %d %s\n", r.Kind[s], r.Left[s], r.Top[s],
                r.TextA[s].bytes().constData());
    std::fflush(stdout);
    return 0;
}

} // namespace

class TwoEditorsClipboardTest : public QObject
{
    Q_OBJECT
private slots:
    void copyInOneEditorAndPasteInAnother()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            QSKIP("Xvfb is not installed");
        TempFolder temp;
        QProcess server;
        // -displayfd lets the server pick a free display and tell us its number.
        server.start(xvfb,
                     {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                      QStringLiteral("0"), QStringLiteral("800x600x24"),
                      QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        QVERIFY(server.waitForStarted(5000));
        QVERIFY(server.waitForReadyRead(10000));
        const QString display = QLatin1Char(':') + QString::fromLatin1(server.readLine()).trimmed();

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("BREVIX_WORKDIR"), temp.file(QStringLiteral("work")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), temp.file(QStringLiteral("config")));
        const QString self = QCoreApplication::applicationFilePath();

        QProcess copier;
        copier.setProcessEnvironment(env);
        copier.start(self, {QString::fromLatin1(kRoleCopy)});
        QVERIFY(copier.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(copier.canReadLine() || copier.state() != QProcess::Running,
                                 20000);
        QCOMPARE(copier.readLine().trimmed(), QByteArray("copied"));

        QProcess paster;
        paster.setProcessEnvironment(env);
        paster.start(self, {QString::fromLatin1(kRolePaste)});
        QVERIFY(paster.waitForFinished(25000));
        const QByteArray output = paster.readAllStandardOutput().trimmed();

        QFile quit(temp.file(QStringLiteral("work/quit")));
        QVERIFY(quit.open(QIODevice::WriteOnly));
        quit.close();
        copier.waitForFinished(5000);
        server.terminate();
        server.waitForFinished(5000);

        QCOMPARE(paster.exitCode(), 0);
        // The lamp copied at 50,40 arrives one paste step further in the other editor.
        QCOMPARE(output, QByteArray("pasted 3 60 46 LAMP-X"));
    }
};

int main(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], kRoleCopy) == 0 || qstrcmp(argv[i], kRolePaste) == 0)
            return runEditorRole(argc, argv, qstrcmp(argv[i], kRoleCopy) == 0);
    }
    QCoreApplication app(argc, argv);
    TwoEditorsClipboardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "twoeditorsclipboardtest.moc"
