#include "infocommand.h"

#include "model/elementkindname.h"
#include "model/projectfile.h"
#include "settings/devicedatabase.h"
#include "settings/projectsettings.h"
#include "settings/settingsrules.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>

namespace brevix::cli {

namespace {

// A link described with the settings' own names; the family name comes from the device database
// when it can be read.
QJsonObject linkObject(const ProjectRecord &record, int link, const QStringList &families)
{
    ProjectSettings s(const_cast<ProjectRecord &>(record));
    const int family = s.LinkDeviceSort(link);
    QJsonObject object{
        {QStringLiteral("LinkDeviceSort"), family},
        {QStringLiteral("family"), families.value(family)},
        {QStringLiteral("LinkParity"), parityNames().value(s.LinkParity(link))},
        {QStringLiteral("LinkDataBits"), dataBitsNames().value(s.LinkDataBits(link))},
        {QStringLiteral("LinkStopBits"), stopBitsNames().value(s.LinkStopBits(link))}};
    if (link == 0) {
        object.insert(QStringLiteral("Link1StationId"), s.Link1StationId());
        object.insert(QStringLiteral("Link1Baud"), baudRateNames().value(s.Link1Baud()));
        object.insert(QStringLiteral("Link1Timeout"), s.Link1Timeout());
        object.insert(QStringLiteral("Link1Port"), link1PortNames().value(s.Link1Port()));
    } else {
        object.insert(QStringLiteral("Link2StationId"), s.Link2StationId());
        object.insert(QStringLiteral("Link2Baud"), baudRateNames().value(s.Link2Baud()));
        object.insert(QStringLiteral("Link2Timeout"), s.Link2Timeout());
        object.insert(QStringLiteral("Link2Port"), link2PortNames().value(s.Link2Port()));
    }
    return object;
}

QJsonObject describe(const Project &project)
{
    const ProjectRecord &settings = project.settings();
    DeviceDatabase database;
    const QStringList families = database.open() ? database.LoadDeviceSort() : QStringList();
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
                       {QStringLiteral("link1"), linkObject(settings, 0, families)},
                       {QStringLiteral("link2"), linkObject(settings, 1, families)},
                       {QStringLiteral("pages"), pages}};
}

void printText(QTextStream &out, const QJsonObject &info)
{
    out << "model: " << info[QStringLiteral("model")].toInt() << "\n"
        << "start page: " << info[QStringLiteral("startPage")].toInt() << "\n";
    for (const QString &link : {QStringLiteral("link1"), QStringLiteral("link2")}) {
        const QJsonObject l = info[link].toObject();
        out << link << ":";
        for (auto it = l.begin(); it != l.end(); ++it)
            out << " " << it.key() << "=" << it.value().toVariant().toString();
        out << "\n";
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
