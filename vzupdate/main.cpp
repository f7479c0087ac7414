// vzupdate: the customer update program. Sends the Dat.bin beside it (a project's KX.bin) to a
// panel. With --port it runs on the terminal; without, a small window asks for the port.
#include "devicelink/downloadrun.h"
#include "devicelink/serialdriver.h"
#include "model/workfolder.h"
#include "updatewindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTextStream>
#include <memory>

using namespace brevix;

namespace {

int runOnTerminal(const QString &port, const QString &image, bool timeSync, Language language)
{
    QTextStream err(stderr);
    QTextStream out(stdout);
    QorCommDriver driver;
    RegisterImage registers;
    DownloadRun run(driver, registers);
    run.setLanguage(language);
    run.setPort(port);
    run.setImageFile(image);
    run.setTimeSync(timeSync);
    QObject::connect(&run, &DownloadRun::statusChanged, [&](const Message &m) {
        err << '\r' << m.text(language) << "      " << Qt::flush;
    });
    const DownloadReport report = run.run();
    err << Qt::endl;
    if (!report.succeeded())
        return 2;
    if (!report.fullyConfirmed()) {
        out << (language == Language::Chinese ? "面板未确认的数据块："
                                              : "blocks not confirmed by the panel:");
        for (int b : report.unconfirmedImageBlocks)
            out << ' ' << b;
        out << Qt::endl;
        return 1;
    }
    out << (language == Language::Chinese ? "下载完成" : "download complete") << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    bool terminal = false;
    for (int i = 1; i < argc; ++i)
        terminal =
            terminal || QByteArray(argv[i]).startsWith("--port") || QByteArray(argv[i]) == "--help";
    prepareRuntimeEnvironment();
    std::unique_ptr<QCoreApplication> app;
    if (terminal)
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vzupdate"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Sends Dat.bin to a panel."));
    parser.addHelpOption();
    parser.addOption(
        {QStringLiteral("port"), QStringLiteral("serial device"), QStringLiteral("DEV")});
    parser.addOption({QStringLiteral("file"),
                      QStringLiteral("image to send (default: Dat.bin beside the program)"),
                      QStringLiteral("FILE")});
    parser.addOption(
        {QStringLiteral("time-sync"), QStringLiteral("set the panel clock from this computer")});
    parser.addOption({QStringLiteral("lang"), QStringLiteral("zh or en"), QStringLiteral("LANG")});
    parser.process(*app);

    const QString langOption = parser.value(QStringLiteral("lang"));
    const Language language = langOption == QLatin1String("en")   ? Language::English
                              : langOption == QLatin1String("zh") ? Language::Chinese
                              : QLocale::system().language() == QLocale::Chinese
                                  ? Language::Chinese
                                  : Language::English;
    const QString image =
        parser.isSet(QStringLiteral("file"))
            ? parser.value(QStringLiteral("file"))
            : QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Dat.bin"));
    if (terminal)
        return runOnTerminal(parser.value(QStringLiteral("port")), image,
                             parser.isSet(QStringLiteral("time-sync")), language);
    UpdateWindow window(image, language);
    window.show();
    return app->exec();
}
