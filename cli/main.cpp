#include "commands.h"
#include "model/workfolder.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    // Drawing (render, simulate) needs a GUI application object but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    brevix::prepareRuntimeEnvironment();
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("builder-cli"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    return brevix::cli::runBuilderCli(arguments, out, err);
}
