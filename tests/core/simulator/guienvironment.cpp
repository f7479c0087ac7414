// Drawing texts needs a GUI application object; one lives for the whole test program.
#include <QGuiApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

class GuiEnvironment : public testing::Environment
{
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "simulator_tests";
    char *m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QGuiApplication> m_app;
};

const bool registered = (testing::AddGlobalTestEnvironment(new GuiEnvironment), true);

} // namespace
