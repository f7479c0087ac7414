#include "simulatecommand.h"

#include "simulator/elementvalues.h"
#include "simulator/panelface.h"
#include "simulator/simulatorsession.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace brevix::cli {

namespace {

struct Assignment
{
    int area = 0;
    long long address = 0;
    long long value = 0;
};

// "AREA:ADDRESS=VALUE" with decimal numbers (a value may be negative).
std::optional<Assignment> parseAssignment(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+):(\\d+)=(-?\\d+)$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    Assignment a;
    a.area = match.captured(1).toInt();
    a.address = match.captured(2).toLongLong();
    a.value = match.captured(3).toLongLong();
    if (a.area < 0 || a.area >= sim::kAreaCount)
        return std::nullopt;
    return a;
}

int reportNotice(CliContext &context, const sim::Notice &notice)
{
    context.err << "builder-cli: " << notice.text.text(context.language) << Qt::endl;
    return ExitFailure;
}

QJsonObject dumpPage(const sim::SimulatorSession &session)
{
    QJsonArray elements;
    const sim::PageRuntime *page = session.page();
    const sim::SlotTables &t = page->page().tables;
    for (int s = 0; s < sim::kSimSlotCount; ++s) {
        if (t.Kind[s] == 0)
            continue;
        const sim::Control &c = page->control(s);
        QJsonObject slot{{QStringLiteral("slot"), s},
                         {QStringLiteral("type"), t.Kind[s]},
                         {QStringLiteral("value"), static_cast<qint64>(c.shownValue)},
                         {QStringLiteral("text"), c.shownText},
                         {QStringLiteral("visible"), c.exists ? c.visible : true}};
        if (t.Kind[s] == 20 || t.Kind[s] == 26) {
            // Shapes compare all their words at once; report the sum the panel reports.
            slot[QStringLiteral("value")] =
                static_cast<qint64>(sim::shapeSum(t, s, session.memory()));
            slot[QStringLiteral("left")] = c.rect.left();
            slot[QStringLiteral("top")] = c.rect.top();
        }
        elements.append(slot);
    }
    return QJsonObject{{QStringLiteral("page"), session.shownPage()},
                       {QStringLiteral("language"), session.languageSelect()},
                       {QStringLiteral("elements"), elements}};
}

} // namespace

int SimulateCommand::run(const QStringList &arguments, CliContext &context)
{
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("page"),
                      QStringLiteral("page to show (default: the start page)"),
                      QStringLiteral("N")});
    parser.addOption({QStringLiteral("set"), QStringLiteral("set a word register"),
                      QStringLiteral("AREA:ADDRESS=VALUE")});
    parser.addOption(
        {QStringLiteral("set-bit"), QStringLiteral("set a bit"), QStringLiteral("AREA:INDEX=0|1")});
    parser.addOption({QStringLiteral("press"), QStringLiteral("press and release an element"),
                      QStringLiteral("SLOT")});
    parser.addOption(
        {QStringLiteral("ticks"), QStringLiteral("100 ms ticks to run"), QStringLiteral("N")});
    parser.addOption({QStringLiteral("face"), QStringLiteral("draw the whole panel front")});
    parser.addOption({QStringLiteral("dump"), QStringLiteral("print every element as JSON")});
    parser.addOption(
        {QStringLiteral("o"), QStringLiteral("PNG file to write"), QStringLiteral("FILE")});
    if (!parser.parse(QStringList{name()} + arguments))
        return reportUsage(context, *this, parser.errorText());
    if (parser.positionalArguments().size() != 1)
        return reportUsage(context, *this, QStringLiteral("one download image expected"));
    if (!parser.isSet(QStringLiteral("o")) && !parser.isSet(QStringLiteral("dump")))
        return reportUsage(context, *this, QStringLiteral("-o FILE or --dump expected"));

    std::vector<Assignment> words;
    std::vector<Assignment> bits;
    for (const QString &text : parser.values(QStringLiteral("set"))) {
        const auto a = parseAssignment(text);
        if (!a || a->value < -2147483648LL || a->value > 4294967295LL)
            return reportUsage(context, *this, QStringLiteral("bad --set ") + text);
        words.push_back(*a);
    }
    for (const QString &text : parser.values(QStringLiteral("set-bit"))) {
        const auto a = parseAssignment(text);
        if (!a || (a->value != 0 && a->value != 1))
            return reportUsage(context, *this, QStringLiteral("bad --set-bit ") + text);
        bits.push_back(*a);
    }
    std::vector<int> presses;
    for (const QString &text : parser.values(QStringLiteral("press"))) {
        bool ok = false;
        const int slot = text.toInt(&ok);
        if (!ok || slot < 0 || slot >= sim::kSimSlotCount)
            return reportUsage(context, *this, QStringLiteral("bad --press ") + text);
        presses.push_back(slot);
    }
    bool ok = true;
    const int ticks = parser.isSet(QStringLiteral("ticks"))
                          ? parser.value(QStringLiteral("ticks")).toInt(&ok)
                          : 0;
    if (!ok || ticks < 0)
        return reportUsage(context, *this, QStringLiteral("bad --ticks"));
    int wantedPage = -1;
    if (parser.isSet(QStringLiteral("page"))) {
        wantedPage = parser.value(QStringLiteral("page")).toInt(&ok);
        if (!ok || wantedPage < 0 || wantedPage > 255)
            return reportUsage(context, *this, QStringLiteral("bad --page"));
    }

    sim::DownloadImage image;
    const Result loaded = sim::DownloadImage::load(parser.positionalArguments().first(), image);
    if (!loaded)
        return reportFailure(context, loaded.message());
    sim::RegisterMemory memory;
    sim::SimulatorSession session(memory);
    session.setImage(image);
    for (const Assignment &a : words) {
        if (a.value < -32768 || a.value > 65535)
            memory.setWord32(a.area, a.address, static_cast<std::uint32_t>(a.value));
        else
            memory.setWord(a.area, a.address, static_cast<std::uint16_t>(a.value));
    }
    for (const Assignment &a : bits)
        memory.setBit(a.area, a.address, a.value != 0);

    const sim::Notice shown = wantedPage < 0 ? session.start() : session.jumpTo(wantedPage);
    if (!shown.isEmpty())
        return reportNotice(context, shown);
    session.page()->refresh();
    for (int slot : presses) {
        session.page()->press(slot);
        session.page()->refresh();
        const int target = session.page()->release(slot);
        if (target >= 0) {
            const sim::Notice notice = session.funKeyManage(slot);
            if (!notice.isEmpty())
                context.err << "builder-cli: " << notice.text.text(context.language) << Qt::endl;
        }
        session.page()->refresh();
    }
    // Ticks move the counters and the page switch; the clock registers stay as set, so a
    // script gets the same picture every run.
    for (int i = 1; i <= ticks; ++i) {
        const sim::Notice notice = session.tick100ms();
        if (!notice.isEmpty())
            context.err << "builder-cli: " << notice.text.text(context.language) << Qt::endl;
        if (i % 5 == 0)
            session.tick500ms();
        if (i % 10 == 0)
            memory.setWord(0, sim::kTick1s,
                           static_cast<std::uint16_t>(memory.word(0, sim::kTick1s) + 1));
        session.page()->refresh();
    }

    if (parser.isSet(QStringLiteral("o"))) {
        const QImage pageImage = session.page()->render(session.displaySize());
        QImage output = pageImage;
        if (parser.isSet(QStringLiteral("face"))) {
            sim::FaceState state;
            state.runLampRed = session.runLampRed();
            state.shiftLampsLit = session.shiftLampsLit();
            output = sim::renderFace(sim::faceLayout(session.displaySize()), state, &pageImage);
        }
        const QString path = parser.value(QStringLiteral("o"));
        if (!output.save(path, "PNG")) {
            return reportFailure(context, {QStringLiteral("无法写入 ") + path,
                                           QStringLiteral("Cannot write ") + path});
        }
    }
    if (parser.isSet(QStringLiteral("dump")))
        context.out << QJsonDocument(dumpPage(session)).toJson(QJsonDocument::Indented);
    context.out.flush();
    return ExitOk;
}

} // namespace brevix::cli
