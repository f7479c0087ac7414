#include "devicelink/downloadcommand.h"

#include "devicelink/downloadrules.h"
#include "devicelink/downloadrun.h"
#include "devicelink/downloadtexts.h"
#include "devicelink/portchoice.h"
#include "devicelink/progressline.h"
#include "devicelink/serialdriver.h"
#include "model/workfolder.h"

#include <QCommandLineParser>
#include <QDir>

namespace brevix::cli {

namespace {

const Message kNoPort{
    QStringLiteral("没有指定串口：请用 --port 指定，或在下载端口设置中选择。"),
    QStringLiteral(
        "No serial port given: use --port, or choose one in the download port settings.")};

QString joinedBlocks(const QList<int> &blocks)
{
    QStringList names;
    for (int b : blocks)
        names << QString::number(b);
    return names.join(QStringLiteral(", "));
}

QString joinedAddresses(const QList<quint32> &addresses)
{
    QStringList names;
    for (quint32 a : addresses)
        names << flashAddressText(a);
    return names.join(QStringLiteral(", "));
}

} // namespace

int DownloadCommand::run(const QStringList &arguments, CliContext &context)
{
    QCommandLineParser parser;
    parser.addOption(
        {QStringLiteral("port"), QStringLiteral("serial device"), QStringLiteral("DEV")});
    parser.addOption(
        {QStringLiteral("time-sync"), QStringLiteral("set the panel clock from this computer")});
    if (!parser.parse(QStringList{name()} + arguments))
        return reportUsage(context, *this, parser.errorText());
    if (parser.positionalArguments().size() > 1)
        return reportUsage(context, *this, QStringLiteral("one folder at most"));
    const QString folder = parser.positionalArguments().isEmpty()
                               ? WorkFolder().path()
                               : parser.positionalArguments().first();
    const QString port = parser.isSet(QStringLiteral("port")) ? parser.value(QStringLiteral("port"))
                                                              : defaultDownloadPort();
    if (port.isEmpty())
        return reportFailure(context, kNoPort);

    QorCommDriver driver;
    RegisterImage registers;
    DownloadRun run(driver, registers);
    run.setLanguage(context.language);
    run.setPort(port);
    run.setImageFile(QDir(folder).filePath(QStringLiteral("KX.bin")));
    run.setPictureFile(QDir(folder).filePath(QStringLiteral("SPI.bin")));
    run.setTimeSync(parser.isSet(QStringLiteral("time-sync")));

    ProgressLine progress(context.err);
    QObject::connect(&run, &DownloadRun::statusChanged, [&](const Message &status) {
        // The search adds a dot per row; the KB label is shown by the progress line instead.
        const bool searchDot = status.en.startsWith(downloadtext::kSearching.en) &&
                               status.en != downloadtext::kSearching.en;
        if (status.en.contains(QLatin1String("KB /")) || searchDot)
            return;
        progress.finish();
        context.err << status.text(context.language) << Qt::endl;
    });
    QObject::connect(&run, &DownloadRun::bytesSent, [&](qint64 sent, qint64 size, bool picture) {
        progress.show(sent, size, picture ? QStringLiteral("SPI.bin") : QStringLiteral("KX.bin"));
    });
    QObject::connect(&run, &DownloadRun::pictureStageStarted, [&] { progress.finish(); });
    QObject::connect(&run, &DownloadRun::logLine, [&](const QString &line) {
        if (line.startsWith(QLatin1String("TxToFlash")))
            return; // the progress line shows the same
        progress.finish();
        if (!line.isEmpty())
            context.err << line << Qt::endl;
    });

    const DownloadReport report = run.run();
    progress.finish();
    if (!report.succeeded())
        return ExitFailure; // the run has said why
    const bool en = context.language == Language::English;
    context.out << (en ? "sent " : "已发送 ") << report.imageBlocksSent
                << (en ? " blocks of KX.bin" : " 块 KX.bin");
    if (report.pictureBlocksSent > 0)
        context.out << (en ? ", " : "，") << report.pictureBlocksSent
                    << (en ? " blocks of SPI.bin" : " 块 SPI.bin");
    context.out << Qt::endl;
    if (report.fullyConfirmed())
        return ExitOk;
    if (!report.unconfirmedImageBlocks.isEmpty())
        context.out << (en ? "not confirmed by the panel: KX.bin blocks "
                           : "面板未确认的 KX.bin 数据块：")
                    << joinedBlocks(report.unconfirmedImageBlocks) << Qt::endl;
    if (!report.unconfirmedPictureAddresses.isEmpty())
        context.out << (en ? "not confirmed by the panel: SPI.bin blocks at "
                           : "面板未确认的 SPI.bin 数据块：")
                    << joinedAddresses(report.unconfirmedPictureAddresses) << Qt::endl;
    return ExitFindings;
}

} // namespace brevix::cli
