#include "devicelink/downloadcommand.h"

#include "devicelink/bootloaderrules.h"
#include "devicelink/firmwareimages.h"
#include "devicelink/firmwareupgrade.h"
#include "devicelink/portchoice.h"
#include "devicelink/progressline.h"
#include "devicelink/serialdriver.h"

#include <QCommandLineParser>
#include <QEventLoop>

namespace brevix::cli {

int UpgradeCommand::run(const QStringList &arguments, CliContext &context)
{
    QCommandLineParser parser;
    parser.addOption(
        {QStringLiteral("port"), QStringLiteral("serial device"), QStringLiteral("DEV")});
    parser.addOption(
        {QStringLiteral("variant"), QStringLiteral("72M or 112M"), QStringLiteral("VARIANT")});
    if (!parser.parse(QStringList{name()} + arguments))
        return reportUsage(context, *this, parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return reportUsage(context, *this, QStringLiteral("no further arguments expected"));
    const auto variant = firmwareVariantFromName(parser.value(QStringLiteral("variant")));
    if (!variant)
        return reportUsage(context, *this, QStringLiteral("--variant must be 72M or 112M"));
    const QString port = parser.isSet(QStringLiteral("port")) ? parser.value(QStringLiteral("port"))
                                                              : defaultDownloadPort();
    if (port.isEmpty())
        return reportFailure(context, Message{QStringLiteral("没有指定串口：请用 --port 指定。"),
                                              QStringLiteral("No serial port given: use --port.")});
    const QByteArray image = loadFirmwareImage(*variant);
    if (image.isEmpty())
        return reportFailure(
            context, Message{upgradetext::kImageMissing.zh.arg(firmwareResourcePath(*variant)),
                             upgradetext::kImageMissing.en.arg(firmwareResourcePath(*variant))});

    QorCommDriver driver;
    FirmwareUpgrade upgrade(driver);
    upgrade.setPort(port);
    upgrade.setImageLoader([image] { return image; });
    ProgressLine progress(context.err);
    QString lastStatus;
    QObject::connect(&upgrade, &FirmwareUpgrade::statusChanged, [&](const Message &status) {
        if (status.en.startsWith(QLatin1String("Writing")))
            return;
        if (status.zh == lastStatus)
            return;
        lastStatus = status.zh;
        progress.finish();
        context.err << status.text(context.language) << Qt::endl;
    });
    QObject::connect(&upgrade, &FirmwareUpgrade::progressChanged, [&](int) {
        if (upgrade.blocksWritten() > 0 && upgrade.state() != 1)
            progress.show(
                std::min<qint64>(qint64(upgrade.blocksWritten()) * kWriteChunk, image.size()),
                image.size(), firmwareVariantName(*variant));
    });
    QObject::connect(&upgrade, &FirmwareUpgrade::portFailed,
                     [&](const Message &text, const Message &) {
                         progress.finish();
                         context.err << text.text(context.language) << Qt::endl;
                     });
    bool succeeded = false;
    QEventLoop loop;
    QObject::connect(&upgrade, &FirmwareUpgrade::finished, &loop, [&](bool ok) {
        succeeded = ok;
        loop.quit();
    });
    upgrade.start();
    if (upgrade.isRunning())
        loop.exec();
    progress.finish();
    if (!succeeded)
        return ExitFailure;
    context.out << (context.language == Language::English ? "firmware written: " : "固件已写入：")
                << upgrade.blocksWritten()
                << (context.language == Language::English ? " blocks, " : " 块，") << image.size()
                << " bytes" << Qt::endl;
    return ExitOk;
}

} // namespace brevix::cli
