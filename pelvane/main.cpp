#include "commandserver.h"
#include "instanceclaim.h"
#include "keysounds.h"
#include "mainform.h"
#include "model/workfolder.h"
#include "noticebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

using namespace brevix;
using namespace brevix::pelvane;

int main(int argc, char **argv)
{
    prepareRuntimeEnvironment();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelvane"));
    const WorkFolder work;
    work.ensureExists();

    InstanceClaim claim(work.path());
    if (!claim.claimed()) {
        showNotice(
            nullptr,
            sim::Notice{{QStringLiteral("你已经同时运行了8个程序 ！"),
                         QStringLiteral("You are already running 8 copies of the program!")}},
            QStringLiteral("运行计数限制"));
        return 1;
    }

    MainForm form(PelvaneSetup{work.path(), claim.number(), KeySounds::defaultFolder()});
    CommandServer server;
    QObject::connect(&server, &CommandServer::requested, &form, &MainForm::handleRequest);
    server.listen(claim.number());
    form.show();
    bool ended = false;
    // The simulation opens once the window is on screen.
    QTimer::singleShot(50, &form, [&form, &ended] {
        if (!form.openSimulation()) {
            ended = true;
            QApplication::quit();
        }
    });
    const int code = app.exec();
    return ended ? 1 : code;
}
