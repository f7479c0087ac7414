#include "editor/editorsession.h"
#include "editor/mainframe.h"
#include "model/workfolder.h"
#include "render/pagerenderer.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    brevix::prepareRuntimeEnvironment();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brevix "));
    QApplication::setOrganizationName(QStringLiteral("Brevix"));
    brevix::installPanelFonts();

    brevix::WorkFolder work;
    work.ensureExists();
    work.removeSaveOpenTemps();
    brevix::EditorSession session(work);
    session.settings = brevix::BuilderSettings::read(brevix::BuilderSettings::defaultPath());
    brevix::MainFrame window(session);
    // Without a window manager "maximised" means nothing: take the screen explicitly.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    window.startUp(app.arguments().mid(1));
    return app.exec();
}
