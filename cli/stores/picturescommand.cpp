#include "picturescommand.h"

#include "pictures/pictureconversion.h"
#include "pictures/picturestore.h"
#include "pictures/rgb565.h"
#include "storeargs.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace brevix::cli {

namespace {

const char *kHelp =
    "usage:\n"
    "  builder-cli pictures list FILE.KX3 [--json]\n"
    "  builder-cli pictures add FILE.KX3 PICTURE.bmp|.jpg [--spi] [--id N]\n"
    "  builder-cli pictures replace FILE.KX3 ID PICTURE.bmp|.jpg\n"
    "  builder-cli pictures delete FILE.KX3 ID\n"
    "  builder-cli pictures export FILE.KX3 ID NAME   (writes NAME + the stored extension)\n"
    "  builder-cli pictures compact FILE.KX3\n"
    "New numbers follow the editor: (last listed number + 1) mod 50, plus 50 with --spi.\n"
    "Pictures 0..49 go into KX.bin, 51..100 into SPI.bin, 50 into neither.\n";

QString target(int id)
{
    if (id < kFirstSpiPictureId)
        return QStringLiteral("KX.bin");
    if (id > kFirstSpiPictureId && id <= kLastSpiPictureId)
        return QStringLiteral("SPI.bin");
    return QStringLiteral("none");
}

QJsonObject describe(const PictureRow &row)
{
    const QImage image = decodePicture(row.Pic, row.Ext);
    QJsonObject o{{QStringLiteral("id"), row.ID},
                  {QStringLiteral("file"), row.FName},
                  {QStringLiteral("ext"), row.Ext},
                  {QStringLiteral("note"), row.Note},
                  {QStringLiteral("bytes"), row.Pic.size()},
                  {QStringLiteral("image"), target(row.ID)},
                  {QStringLiteral("decodable"), !image.isNull()}};
    if (!image.isNull()) {
        o.insert(QStringLiteral("width"), image.width());
        o.insert(QStringLiteral("height"), image.height());
        o.insert(QStringLiteral("panelBytes"), pictureRecordSize(image.width(), image.height()));
    }
    return o;
}

int list(PictureStore &store, bool json, CliContext &context)
{
    PictureRows rows;
    if (Result read = store.rows(rows, true); !read)
        return reportFailure(context, read.message());
    QJsonArray all;
    for (const PictureRow &row : rows)
        all.append(describe(row));
    if (json) {
        context.out << QJsonDocument(QJsonObject{{QStringLiteral("pictures"), all}})
                           .toJson(QJsonDocument::Indented);
        context.out.flush();
        return ExitOk;
    }
    const bool zh = context.language == Language::Chinese;
    context.out << (zh ? "  ID  尺寸          图片名称" : "  ID  size          picture name")
                << "\n";
    for (const auto &value : all) {
        const QJsonObject o = value.toObject();
        const QString size = o[QStringLiteral("decodable")].toBool()
                                 ? QStringLiteral("%1x%2")
                                       .arg(o[QStringLiteral("width")].toInt())
                                       .arg(o[QStringLiteral("height")].toInt())
                                 : QString::fromUtf8(zh ? "无法解码" : "undecodable");
        context.out << QString::number(o[QStringLiteral("id")].toInt()).rightJustified(4) << "  "
                    << size.leftJustified(12) << "  " << o[QStringLiteral("file")].toString()
                    << "  (" << o[QStringLiteral("image")].toString() << ")\n";
    }
    context.out.flush();
    return ExitOk;
}

int done(CliContext &context, const Result &result, const QString &zh, const QString &en)
{
    if (!result)
        return reportFailure(context, result.message());
    context.out << (context.language == Language::Chinese ? zh : en) << Qt::endl;
    return ExitOk;
}

} // namespace

int PicturesCommand::run(const QStringList &arguments, CliContext &context)
{
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("json"), QStringLiteral("print JSON")});
    parser.addOption({QStringLiteral("spi"),
                      QStringLiteral("number the new picture in the SPI library (51..99)")});
    parser.addOption({QStringLiteral("id"), QStringLiteral("use this number for the new picture"),
                      QStringLiteral("N")});
    parser.addOption(
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("show the actions")});
    if (!parser.parse(QStringList{name()} + arguments))
        return reportUsage(context, *this, parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        context.out << kHelp;
        context.out.flush();
        return ExitOk;
    }
    int exitCode = ExitOk;
    const auto args = storeArguments(parser, context, *this, exitCode);
    if (!args)
        return exitCode;
    const QString &action = args->action;
    const QStringList &rest = args->rest;
    auto expect = [&](int count) { return rest.size() == count; };

    PictureStore store;
    if (Result opened = store.ADOConnected(args->project); !opened)
        return reportFailure(context, opened.message());

    if (action == QLatin1String("list") && expect(0))
        return list(store, parser.isSet(QStringLiteral("json")), context);
    if (action == QLatin1String("add") && expect(1)) {
        int id = store.nextPictureNumber(parser.isSet(QStringLiteral("spi")));
        if (parser.isSet(QStringLiteral("id"))) {
            const auto chosen = numberArgument(parser.value(QStringLiteral("id")));
            if (!chosen)
                return reportUsage(context, *this, QStringLiteral("--id needs a number"));
            id = *chosen;
        }
        return done(context, store.SavePicture(1, id, rest[0]),
                    QStringLiteral("已添加图片 %1").arg(id),
                    QStringLiteral("added picture %1").arg(id));
    }
    if (action == QLatin1String("replace") && expect(2)) {
        const auto id = numberArgument(rest[0]);
        if (!id)
            return reportUsage(context, *this, QStringLiteral("a picture number expected"));
        return done(context, store.ModifyPic(*id, rest[1]),
                    QStringLiteral("已替换图片 %1").arg(*id),
                    QStringLiteral("replaced picture %1").arg(*id));
    }
    if (action == QLatin1String("delete") && expect(1)) {
        const auto id = numberArgument(rest[0]);
        if (!id)
            return reportUsage(context, *this, QStringLiteral("a picture number expected"));
        return done(context, store.Delrecord(*id), QStringLiteral("已删除图片 %1").arg(*id),
                    QStringLiteral("deleted picture %1").arg(*id));
    }
    if (action == QLatin1String("export") && expect(2)) {
        const auto id = numberArgument(rest[0]);
        if (!id)
            return reportUsage(context, *this, QStringLiteral("a picture number expected"));
        QString written;
        const Result saved = store.SaveAsPic(*id, rest[1], &written);
        return done(context, saved, QStringLiteral("已导出到 %1").arg(written),
                    QStringLiteral("exported to %1").arg(written));
    }
    if (action == QLatin1String("compact") && expect(0))
        return done(context, store.compact(), QStringLiteral("图库已压缩"),
                    QStringLiteral("library compacted"));
    return reportUsage(context, *this,
                       QStringLiteral("unknown action or wrong arguments (see pictures --help)"));
}

} // namespace brevix::cli
