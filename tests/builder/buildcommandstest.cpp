#include "compiler/buildcommands.h"
#include "compiler/compilecheckframe.h"
#include "language/uilanguage.h"
#include "model/project.h"
#include "settings/projectsettings.h"

#include "dialogtesthelpers.h"
#include "tempfolder.h"

#include <QFile>
#include <QTest>

using namespace brevix;

class BuildCommandsTest : public QObject
{
    Q_OBJECT

private:
    TempFolder m_work;
    Project m_project;
    CompileCheckFrame *m_frame = nullptr;
    bool m_modified = false;
    int m_saves = 0;
    int m_parameterDialogs = 0;
    QStringList m_started;
    QString m_status;
    QString m_packageFolder;
    QString m_opened;
    QStringList m_boxes;
    QTimer m_boxCloser;

    BuildCommandHooks hooks()
    {
        BuildCommandHooks h;
        h.project = &m_project;
        h.checkFrame = m_frame;
        h.isModified = [this] { return m_modified; };
        h.projectPath = [this] { return m_work.file(QStringLiteral("plant.KX3")); };
        h.save = [this] { ++m_saves; };
        h.showWorkingParameters = [this] { ++m_parameterDialogs; };
        h.statusText = [this] { return m_status; };
        h.setStatusText = [this](const QString &t) { m_status = t; };
        h.startDetached = [this](const QString &program, const QString &) {
            m_started << program;
            return true;
        };
        h.askPackagePath = [this](const QString &) { return m_packageFolder; };
        h.openFolder = [this](const QString &folder) { m_opened = folder; };
        return h;
    }

    QString kxPath() const { return m_work.file(QStringLiteral("KX.bin")); }

private slots:
    void initTestCase()
    {
        qputenv("BREVIX_WORKDIR", m_work.path().toUtf8());
        // Every message box is answered and remembered.
        m_boxCloser.setInterval(5);
        connect(&m_boxCloser, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                m_boxes << box->text();
                box->accept();
            }
        });
        m_boxCloser.start();
    }

    void init()
    {
        setUiLanguage(Language::English);
        m_project.resetToNew();
        ProjectSettings(m_project.settings()).setInitialPage(1);
        delete m_frame;
        m_frame = new CompileCheckFrame;
        m_modified = false;
        m_saves = m_parameterDialogs = 0;
        m_started.clear();
        m_status = QStringLiteral(" Ready");
        m_boxes.clear();
        QFile::remove(kxPath());
    }
    void cleanupTestCase() { delete m_frame; }

    void unsavedProjectAsksToSaveAndBuildsNothing()
    {
        m_modified = true;
        QCOMPARE(runBuildCommand(BuildCommand::Download, hooks()), PrologueOutcome::Unsaved);
        QCOMPARE(m_boxes, QStringList{QStringLiteral(" Please save this new project ！")});
        QCOMPARE(m_saves, 1);
        QVERIFY(!QFile::exists(kxPath()));
    }

    void missingStartPageOpensTheWorkingParameters()
    {
        ProjectSettings(m_project.settings()).setInitialPage(7);
        QCOMPARE(runBuildCommand(BuildCommand::OfflineSimulation, hooks()),
                 PrologueOutcome::NoStartPage);
        QCOMPARE(m_boxes.size(), 1);
        QVERIFY(m_boxes.first().startsWith(
            QStringLiteral("Your initial settings ( Master ) screen number: [7]")));
        QCOMPARE(m_parameterDialogs, 1);
        QVERIFY(m_started.isEmpty());
    }

    void faultyElementShowsTheListAndStops()
    {
        PageRecord &r = m_project.record(1);
        r.Kind[0] = 3; // a lamp on link 2 in a project without a second link
        r.ByteA[0] = 0x80;
        r.Width[0] = r.Height[0] = 16;
        QCOMPARE(runBuildCommand(BuildCommand::Download, hooks()), PrologueOutcome::CheckFailed);
        QVERIFY(!m_boxes.isEmpty());
        QVERIFY(m_boxes.last().startsWith(QStringLiteral("Find a total of")));
        QVERIFY(m_frame->rowCount() >= 1);
        QVERIFY(!QFile::exists(kxPath()));
    }

    void simulationBuildsAndStartsTheSimulator()
    {
        QCOMPARE(runBuildCommand(BuildCommand::OnlineSimulation, hooks()), PrologueOutcome::Built);
        QVERIFY(m_boxes.isEmpty());
        QVERIFY(QFile::exists(kxPath()));
        QCOMPARE(m_started.size(), 1);
        QVERIFY(m_started.first().endsWith(QStringLiteral("pelvane")));
        QCOMPARE(m_status, QStringLiteral(" Ready　√"));
    }

    void updatePackageCopiesTheImageAsDatBin()
    {
        m_packageFolder = m_work.file(QStringLiteral("customer pack"));
        QFile program(m_work.file(QStringLiteral("vzupdate")));
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.write("#!/bin/sh\n");
        program.close();
        BuildCommandHooks h = hooks();
        h.updateProgramPath = program.fileName();
        QCOMPARE(runBuildCommand(BuildCommand::UpdatePackage, h), PrologueOutcome::Built);
        QVERIFY(m_boxes.isEmpty());
        QVERIFY(QFile::exists(m_packageFolder + QStringLiteral("/vzupdate")));
        QFile kx(kxPath()), dat(m_packageFolder + QStringLiteral("/Dat.bin"));
        QVERIFY(kx.open(QIODevice::ReadOnly));
        QVERIFY(dat.open(QIODevice::ReadOnly));
        QCOMPARE(dat.readAll(), kx.readAll());
        QCOMPARE(m_opened, m_packageFolder);
    }

    void downloadShowsTheSizeText()
    {
        QCOMPARE(runBuildCommand(BuildCommand::Download, hooks()), PrologueOutcome::Built);
        QVERIFY(m_status.startsWith(QStringLiteral("Compiler Succeed: ")));
        QVERIFY(m_status.contains(QStringLiteral("KB")));
    }
};

QTEST_MAIN(BuildCommandsTest)
#include "buildcommandstest.moc"
