// Writes the example project (".KX3" with its ".PIC" and ".M") from its readable description,
// so the example is never committed as a binary.
//   brevix_example SOURCE.json OUTPUT_FOLDER STORE_TEMPLATE_FOLDER
#include "examplepictures.h"
#include "macros/macrorow.h"
#include "macros/macrostore.h"
#include "model/projectfile.h"
#include "pictures/picturestore.h"
#include "settings/projectsettings.h"
#include "text/gbk.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cstdio>

using namespace brevix;

namespace {

int colour(const QJsonValue &value, int fallback)
{
    const QString text = value.toString();
    if (!text.startsWith(QLatin1Char('#')) || text.size() != 7)
        return fallback;
    const int rgb = text.mid(1).toInt(nullptr, 16);
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16); // Windows order
}

int kindCode(const QString &name)
{
    static const QHash<QString, int> kinds{
        {"text", 1},   {"register", 2}, {"lamp", 3},    {"trend", 4},
        {"bar", 5},    {"picture", 6},  {"dynamic", 7}, {"key", 8},
        {"ascii", 9},  {"date", 10},    {"time", 11},   {"rectangle", 20},
        {"scale", 25}, {"ellipse", 26}, {"line", 27},   {"switch", 34}};
    return kinds.value(name, 0);
}

void setRawCells(SlotValues &v, const QJsonObject &e)
{
    auto num = [&](const char *key, auto &cell) {
        if (e.contains(QLatin1String(key)))
            cell = static_cast<std::remove_reference_t<decltype(cell)>>(
                e.value(QLatin1String(key)).toInteger());
    };
    num("WordA", v.WordA), num("WordB", v.WordB), num("WordC", v.WordC), num("WordD", v.WordD);
    num("WordE", v.WordE), num("ByteA", v.ByteA), num("ByteB", v.ByteB), num("ByteC", v.ByteC);
    num("ByteD", v.ByteD), num("ByteE", v.ByteE), num("LongA", v.LongA), num("LongB", v.LongB);
    auto text = [&](const char *key, auto &cell) {
        if (e.contains(QLatin1String(key)))
            cell.setText(e.value(QLatin1String(key)).toString());
    };
    text("TextA", v.TextA), text("TextB", v.TextB), text("AuxTextA", v.AuxTextA),
        text("AuxTextB", v.AuxTextB);
}

// Fills the cells the element dialogs would write from the description's friendlier names.
SlotValues elementFrom(const QJsonObject &e, int kind)
{
    SlotValues v;
    v.Kind = std::uint8_t(kind);
    v.Left = std::uint16_t(e.value("x").toInt() + 5);
    v.Top = std::uint16_t(e.value("y").toInt() + 5);
    v.Width = std::uint16_t(e.value("w").toInt());
    v.Height = std::uint16_t(e.value("h").toInt());
    v.BackColor = colour(e.value("back"), 0xFFFFFF);
    v.ForeColor = colour(e.value("fore"), 0x000000);
    const bool styled = kind == 1 || kind == 2 || kind == 7 || kind == 8 || kind == 9 ||
                        kind == 10 || kind == 11 || kind == 34;
    if (styled)
        v.WordC = std::uint16_t(e.value("border").toInt() << 12 | e.value("font").toInt() << 8 |
                                e.value("align").toInt(1) << 4);
    if (kind == 2) {
        v.WordB = std::uint16_t(e.value("digits").toInt(4) << 8 | e.value("decimals").toInt());
        v.ByteB = std::uint8_t(e.value("input").toInt());
        v.ByteC = std::uint8_t(e.value("signed").toInt());
        v.LongA = 65535;
    }
    if (kind == 8 && e.contains("jump")) {
        v.WordD = 4; // page jump
        v.LongB = e.value("jump").toInt();
    }
    setRawCells(v, e);
    if (e.contains("device"))
        v.ByteA = std::uint8_t((v.ByteA & 0x8F) | (e.value("device").toInt() << 4));
    return v;
}

void addPage(Project &project, const QJsonObject &p)
{
    const int n = p.value("number").toInt();
    project.createPage(n, toGbk(p.value("name").toString()));
    PageRecord &page = project.record(n);
    page.PageStrings[BackColorText].setBytes(
        QByteArray::number(colour(p.value("background"), 0xFFFFFF)));
    const QJsonObject keys = p.value("keys").toObject();
    for (auto it = keys.begin(); it != keys.end(); ++it)
        page.PageStrings[KeyJumpTextFirst + it.key().toInt()].setBytes(
            QByteArray::number(it.value().toInt()));
    int nextSlot = 0;
    for (const QJsonValue &value : p.value("elements").toArray()) {
        const QJsonObject e = value.toObject();
        const int kind = kindCode(e.value("kind").toString());
        const int slot = e.contains("slot") ? e.value("slot").toInt() : nextSlot++;
        SlotValues v = elementFrom(e, kind);
        const QJsonArray states = e.value("states").toArray();
        if (kind == 7) {
            v.ByteA = std::uint8_t(states.size());
            for (int j = 1; j <= states.size(); ++j) {
                const QJsonArray s = states[j - 1].toArray();
                const QString hex =
                    QStringLiteral("%1").arg(s[2].toInt(), 4, 16, QLatin1Char('0')).toUpper();
                project.ListEntry(n, slot, 1, j).setText(s[0].toString() + hex);
                project.ListEntry(n, slot, 2, j).setText(s[1].toString() + hex);
                if (j == 1) {
                    v.TextA.setText(s[0].toString());
                    v.TextB.setText(s[1].toString());
                }
            }
        }
        Project::writeSlot(page, slot, v);
    }
}

void applySettings(Project &project, const QJsonObject &s, const QJsonArray &alarms)
{
    ProjectSettings p(project.settings());
    p.setPanelModel(s.value("PanelModel").toInt(1));
    p.setInitialPage(s.value("InitialPage").toInt(1));
    p.setLinkDeviceSort(0, s.value("LinkDeviceSort").toInt());
    p.setLink1Baud(s.value("Link1Baud").toInt(3));
    p.setLink1StationId(s.value("Link1StationId").toInt(1));
    p.setLink1Port(s.value("Link1Port").toInt());
    p.setScreenSaverMinutes(s.value("ScreenSaverMinutes").toInt(6));
    p.setAutoPageSwitch(s.value("AutoPageSwitch").toInt() != 0);
    p.setPageSwitchRegister(s.value("PageSwitchRegister").toInt(2180));
    p.setReportPage(s.value("ReportPage").toInt() != 0);
    p.setPageReportRegister(s.value("PageReportRegister").toInt(1180));
    p.setKeyRegister(s.value("KeyRegister").toInt());
    p.setLedRegister(s.value("LedRegister").toInt(2100));
    p.setAlarmStartRegister(s.value("AlarmStartRegister").toInt(100));
    p.setAlarmRecordCount(s.value("AlarmRecordCount").toInt());
    p.setSuperPassword(s.value("SuperPassword").toString().toLatin1());
    p.setClockMacro(s.value("ClockMacro").toInt() != 0);
    p.setAlarmCount(int(alarms.size()));
    for (int k = 1; k <= alarms.size(); ++k) {
        p.setAlarmTextLang1(k, toGbk(alarms[k - 1].toArray()[0].toString()));
        p.setAlarmTextLang2(k, toGbk(alarms[k - 1].toArray()[1].toString()));
    }
}

std::pair<std::uint8_t, std::uint16_t> operand(const QString &text)
{
    if (text.startsWith(QLatin1Char('D')))
        return {operandType(1), std::uint16_t(text.mid(1).toInt())};
    const QString number = text.startsWith(QLatin1Char('K')) ? text.mid(1) : text;
    return {operandType(0), std::uint16_t(number.toInt())};
}

MacroRows macroFrom(const QJsonArray &lines)
{
    static const QHash<QString, int> codes{
        {"ADD", MacAdd},   {"SUB", MacSub},   {"MOV", MacMov},   {"IF ==", MacIfEq},
        {"IF <", MacIfLt}, {"IF >", MacIfGt}, {"GOTO", MacGoto}, {"LABEL", MacLabel},
        {"END", MacEnd},   {"#", MacComment}};
    MacroRows rows;
    for (const QJsonValue &value : lines) {
        const QJsonArray line = value.toArray();
        MacroRow row;
        row.Code = std::uint8_t(codes.value(line[0].toString()));
        if (row.Code == MacComment) {
            row.setComment(line[1].toString());
        } else {
            std::uint8_t *types[3] = {&row.A1t, &row.A2t, &row.A3t};
            std::uint16_t *values[3] = {&row.A1v, &row.A2v, &row.A3v};
            for (int i = 1; i < line.size() && i <= 3; ++i) {
                const auto [type, v] = operand(line[i].toString());
                *types[i - 1] = type;
                *values[i - 1] = v;
            }
        }
        rows.push_back(row);
    }
    return rows;
}

int fail(const QString &what, const Message &message = {})
{
    std::fprintf(stderr, "brevix_example: %s %s\n", qPrintable(what), qPrintable(message.en));
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return fail(QStringLiteral(
            "usage: brevix_example SOURCE.json OUTPUT_FOLDER STORE_TEMPLATE_FOLDER"));
    QFile source(args[1]);
    if (!source.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read ") + args[1]);
    const QJsonObject description = QJsonDocument::fromJson(source.readAll()).object();
    const QString projectPath = QDir(args[2]).filePath(description.value("file").toString());
    const QString templates = args[3];
    QDir().mkpath(QFileInfo(projectPath).path());
    for (const QString &ext :
         {QStringLiteral(".KX3"), QStringLiteral(".PIC"), QStringLiteral(".M")})
        QFile::remove(companionPath(projectPath, ext));

    Project project;
    project.resetToNew();
    project.deletePage(1);
    applySettings(project, description.value("settings").toObject(),
                  description.value("alarms").toArray());
    for (const QJsonValue &page : description.value("pages").toArray())
        addPage(project, page.toObject());

    QTemporaryDir work;
    const Result saved = saveProject(project, projectPath, WorkFolder(work.path()));
    if (!saved)
        return fail(QStringLiteral("saving the project failed:"), saved.message());

    const Result macro = MacroStore(projectPath, QDir(templates).filePath(kMacroTemplateName))
                             .ADOSaveFile(macroFrom(description.value("macro").toArray()));
    if (!macro)
        return fail(QStringLiteral("saving the macro failed:"), macro.message());

    PictureStore pictures;
    const Result opened =
        pictures.ADOConnected(projectPath, QDir(templates).filePath(kPictureTemplateName));
    if (!opened)
        return fail(QStringLiteral("opening the picture library failed:"), opened.message());
    for (const QJsonValue &value : description.value("pictures").toArray()) {
        const QJsonObject p = value.toObject();
        const QString file = QDir(work.path()).filePath(p.value("file").toString());
        if (!drawExamplePicture(p.value("draw").toString(), p.value("width").toInt(),
                                p.value("height").toInt())
                 .save(file, "BMP"))
            return fail(QStringLiteral("drawing a picture failed: ") + file);
        const Result added = pictures.SavePicture(1, p.value("id").toInt(), file);
        if (!added)
            return fail(QStringLiteral("adding a picture failed:"), added.message());
    }
    pictures.close();
    return 0;
}
