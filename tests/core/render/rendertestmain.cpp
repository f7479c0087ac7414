#include "render/pagerenderer.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

// Drawing text needs a GUI application object (on the offscreen platform, no screen).
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    brevix::installPanelFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
