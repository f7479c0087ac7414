#include "commands.h"
#include "kxfixture.h"
#include "tempfolder.h"
#include "text/gbk.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace kx = kxfixture;

namespace {

class SimulateCommandTest : public testing::Test
{
protected:
    void SetUp() override
    {
        kx::RegisterFields signedReg;
        signedReg.address = 10;
        signedReg.isSigned = true;
        signedReg.digits = 5;
        kx::Page p1{1, 0xFFFFFF, {}, {}};
        p1.keyJump[0] = 2;
        p1.records = {
            kx::registerRecord({10, 10, 80, 20}, signedReg),
            kx::lamp({10, 40, 20, 20}, {33, 0, 0, 2}, false, 2, 0xFF, 0xFF00, "OFF", "ON"),
            kx::functionKey({10, 70, 60, 24}, 0, 2, 0, "GO"),
            kx::bitSwitch({100, 70, 60, 24}, {12, 4, 3, false, 0}),
            kx::dynamicText({100, 10, 80, 20},
                            {11, true, false, 0, {"a", "b", "c"}, {"A", "B", "C"}})};
        kx::Page p2{
            2, 0x0000FF, {}, {kx::text({0, 0, 60, 20}, brevix::toGbk(QStringLiteral("第二页")))}};
        QFile file(folder.file(QStringLiteral("KX.bin")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kx::image({}, {p1, p2}));
    }

    int run(QStringList arguments)
    {
        out.clear();
        err.clear();
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        arguments.prepend(folder.file(QStringLiteral("KX.bin")));
        arguments.prepend(QStringLiteral("simulate"));
        return brevix::cli::runBuilderCli(arguments, outStream, errStream);
    }

    QJsonObject element(int slot) const
    {
        const QJsonArray elements =
            QJsonDocument::fromJson(out.toUtf8()).object()[QStringLiteral("elements")].toArray();
        for (const auto &value : elements) {
            if (value.toObject()[QStringLiteral("slot")].toInt() == slot)
                return value.toObject();
        }
        return {};
    }

    TempFolder folder;
    QString out;
    QString err;
};

TEST_F(SimulateCommandTest, DumpShowsValuesAndTexts)
{
    ASSERT_EQ(run({QStringLiteral("--set"), QStringLiteral("0:10=-1"), QStringLiteral("--set-bit"),
                   QStringLiteral("0:33=1"), QStringLiteral("--set"), QStringLiteral("0:11=5"),
                   QStringLiteral("--dump")}),
              0)
        << err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(out.toUtf8()).object()[QStringLiteral("page")].toInt(), 1);
    EXPECT_EQ(element(0)[QStringLiteral("text")].toString(), QStringLiteral("-1"));
    EXPECT_EQ(element(0)[QStringLiteral("value")].toInt(), 65535);
    EXPECT_EQ(element(1)[QStringLiteral("text")].toString(), QStringLiteral("ON"));
    EXPECT_EQ(element(2)[QStringLiteral("text")].toString(), QStringLiteral("GO"));
    EXPECT_EQ(element(135)[QStringLiteral("text")].toString(), QStringLiteral("c"));
}

TEST_F(SimulateCommandTest, PressesSwitchesAndFunctionKeys)
{
    ASSERT_EQ(run({QStringLiteral("--press"), QStringLiteral("3"), QStringLiteral("--press"),
                   QStringLiteral("135"), QStringLiteral("--dump")}),
              0);
    EXPECT_EQ(element(3)[QStringLiteral("value")].toInt(), 1);
    EXPECT_EQ(element(135)[QStringLiteral("text")].toString(), QStringLiteral("b"));
    ASSERT_EQ(run({QStringLiteral("--press"), QStringLiteral("2"), QStringLiteral("--dump")}), 0);
    EXPECT_EQ(QJsonDocument::fromJson(out.toUtf8()).object()[QStringLiteral("page")].toInt(), 2);
    EXPECT_EQ(element(0)[QStringLiteral("text")].toString(), QStringLiteral("第二页"));
}

TEST_F(SimulateCommandTest, WritesThePageAndTheFace)
{
    const QString pagePng = folder.file(QStringLiteral("page two.png"));
    ASSERT_EQ(run({QStringLiteral("--page"), QStringLiteral("2"), QStringLiteral("-o"), pagePng}),
              0);
    const QImage page(pagePng);
    ASSERT_EQ(page.size(), QSize(320, 240));
    EXPECT_EQ(page.pixelColor(300, 200), QColor(0xF8, 0, 0));

    const QString facePng = folder.file(QStringLiteral("face.png"));
    ASSERT_EQ(run({QStringLiteral("--face"), QStringLiteral("-o"), facePng}), 0);
    const QImage face(facePng);
    EXPECT_EQ(face.size(), QSize(755, 398));
    // The page lies inside the sunken display panel at 194, 44 (4 pixels of rim).
    EXPECT_EQ(face.pixelColor(194 + 4 + 300, 44 + 4 + 200), QColor(0xF8, 0xFC, 0xF8));
    EXPECT_EQ(face.pixelColor(0, 0).alpha(), 0);
}

TEST_F(SimulateCommandTest, TicksCountAndMissingPagesFail)
{
    ASSERT_EQ(run({QStringLiteral("--ticks"), QStringLiteral("12"), QStringLiteral("--dump")}), 0);
    ASSERT_EQ(run({QStringLiteral("--page"), QStringLiteral("250"), QStringLiteral("--dump")}), 2);
    EXPECT_TRUE(err.contains(QStringLiteral("Page 250 is not used by the simulator!")));
    ASSERT_EQ(run({QStringLiteral("--page"), QStringLiteral("9"), QStringLiteral("--dump")}), 2);
    EXPECT_TRUE(err.contains(QStringLiteral("Page 9 does not exist!")));
}

TEST_F(SimulateCommandTest, BadArgumentsAreUsageErrors)
{
    EXPECT_EQ(run({QStringLiteral("--set"), QStringLiteral("0:10")}), 64);
    EXPECT_EQ(run({QStringLiteral("--set"), QStringLiteral("16:1=1"), QStringLiteral("--dump")}),
              64);
    EXPECT_EQ(run({QStringLiteral("--set-bit"), QStringLiteral("2:1=2"), QStringLiteral("--dump")}),
              64);
    EXPECT_EQ(run({QStringLiteral("--press"), QStringLiteral("201"), QStringLiteral("--dump")}),
              64);
    EXPECT_EQ(run({}), 64);
}

} // namespace
