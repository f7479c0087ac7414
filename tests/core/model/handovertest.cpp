#include "model/handover.h"

#include <gtest/gtest.h>

using namespace brevix;

TEST(HandOver, ParsesTheTwoRequests)
{
    const HandOver open = parseHandOver(QStringLiteral("Brevix  .OpenFileName:=/home/a b/x.KX3"));
    EXPECT_EQ(open.kind, HandOver::Kind::Open);
    EXPECT_EQ(open.path, QStringLiteral("/home/a b/x.KX3"));
    EXPECT_EQ(parseHandOver(kNewHandOverText).kind, HandOver::Kind::New);
    // One blank is not the marker: the two blanks are part of it.
    EXPECT_EQ(parseHandOver(QStringLiteral("Brevix .OpenFileName:=x")).kind, HandOver::Kind::None);
    EXPECT_EQ(parseHandOver(QStringLiteral("OK")).kind, HandOver::Kind::None);
    EXPECT_EQ(openHandOverText(QStringLiteral("p")), QStringLiteral("Brevix  .OpenFileName:=p"));
}

TEST(HandOver, CommandLineIsJoinedAndLeftTrimmed)
{
    EXPECT_EQ(commandLineText(
                  {QStringLiteral(""), QStringLiteral("/tmp/My"), QStringLiteral("Project.KX3")}),
              QStringLiteral("/tmp/My Project.KX3"));
    EXPECT_EQ(commandLineText({}), QString());
}
