#include "infocommand.h"

#include "model/elementkindname.h"
#include "model/projectfile.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>

namespace brevix::cli {

namespace {

QJsonObject linkObject(const ProjectRecord &settings, int port)
{
    return QJsonObject{{QStringLiteral("protocol"), settings.Left[port]},
                       {QStringLiteral("baud"), settings.Top[port]},
                       {QStringLiteral("format"), settings.Width[port]},
                       {QStringLiteral("family"), settings.Height[port]}};
}

QJsonObject describe(const Project &project)
{
    const ProjectRecord &settings = project.settings();
    QJsonArray pages;
    for (int n = 1; n <= kMaxPage; ++n) {
        if (!project.PageExists(n))
            continue;
        const PageRecord &page = project.record(n);
        std::map<QString, int> counts;
        int total = 0;
        for (int s = 0; s < kSlotCount; ++s) {
            if (page.Kind[s] != 0) {
                ++counts[elementKindName(page.Kind[s])];
                ++total;
            }
        }
        QJsonObject kinds;
        for (const auto &[kind, count] : counts)
            kinds.insert(kind, count);
        const QSize size = project.pageSize(n);
        pages.append(QJsonObject{{QStringLiteral("number"), n},
                                 {QStringLiteral("name"), page.PageStrings[PageName].text()},
                                 {QStringLiteral("width"), size.width()},
                                 {QStringLiteral("height"), size.height()},
                                 {QStringLiteral("elements"), total},
                                 {QStringLiteral("kinds"), kinds}});
    }
    return QJsonObject{{QStringLiteral("model"), project.panelModel()},
                       {QStringLiteral("startPage"), settings.LongA[3]},
                       {QStringLiteral("link1"), linkObject(settings, 0)},
                       {QStringLiteral("link2"), linkObject(settings, 1)},
                       {QStringLiteral("pages"), pages}};
}

void printText(QTextStream &out, const QJsonObject &info)
{
    out << "model: " << info[QStringLiteral("model")].toInt() << "\n"
        << "start page: " << info[QStringLiteral("startPage")].toInt() << "\n";
    for (const QString &link : {QStringLiteral("link1"), QStringLiteral("link2")}) {
        const QJsonObject l = info[link].toObject();
        out << link << ": protocol " << l[QStringLiteral("protocol")].toInt() << ", baud index "
            << l[QStringLiteral("baud")].toInt() << ", format "
            << l[QStringLiteral("format")].toInt() << ", family "
            << l[QStringLiteral("family")].toInt() << "\n";
    }
    const QJsonArray pages = info[QStringLiteral("pages")].toArray();
    out << "pages: " << pages.size() << "\n";
    for (const auto &value : pages) {
        const QJsonObject page = value.toObject();
        out << "  " << QString::number(page[QStringLiteral("number")].toInt()).rightJustified(3)
            << "  " << page[QStringLiteral("name")].toString() << "  ("
            << page[QStringLiteral("width")].toInt() << "x"
            << page[QStringLiteral("height")].toInt() << ", "
            << page[QStringLiteral("elements")].toInt() << " elements";
        const QJsonObject kinds = page[QStringLiteral("kinds")].toObject();
        for (auto it = kinds.begin(); it != kinds.end(); ++it)
            out << ", " << it.key() << " " << it.value().toInt();
        out << ")\n";
    }
    out.flush();
}

} // namespace

int InfoCommand::run(const QStringList &arguments, CliContext &context)
{
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("json"), QStringLiteral("print JSON")});
    if (!parser.parse(QStringList{name()} + arguments))
        return reportUsage(context, *this, parser.errorText());
    if (parser.positionalArguments().size() != 1)
        return reportUsage(context, *this, QStringLiteral("one project file expected"));
    Project project;
    const QString path = parser.positionalArguments().first();
    const Result opened = openProject(project, path, WorkFolder());
    if (!opened)
        return reportFailure(context, opened.message());
    const QJsonObject info = describe(project);
    if (parser.isSet(QStringLiteral("json")))
        context.out << QJsonDocument(info).toJson(QJsonDocument::Indented);
    else
        printText(context.out, info);
    context.out.flush();
    return ExitOk;
}

} // namespace brevix::cli
