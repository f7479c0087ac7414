#include "editing/placement.h"
#include "editor/elementdialogs.h"
#include "editor/mainframe.h"
#include "editor/newpagedialog.h"
#include "editor/pagecanvas.h"
#include "editor/pastepagedialog.h"
#include "editor/structurep.h"
#include "guitesthelpers.h"
#include "model/projectfile.h"
#include "tempfolder.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>
#include <memory>

using namespace brevix;

class EditorGuiTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempFolder> temp;
    std::unique_ptr<EditorSession> session;
    std::unique_ptr<MainFrame> frame;

    StructureP *editor() { return frame->activeEditor(); }
    PageRecord &page() { return session->project.record(editor()->page()); }
    int place(int kind, QPoint at)
    {
        session->project.selectedTool = unsigned(kind);
        const auto slot = editor()->PlacedOrgan(at);
        return slot ? *slot : -1;
    }
    void putElement(int slot, int kind, QRect r)
    {
        PageRecord &p = page();
        p.Kind[slot] = std::uint8_t(kind);
        p.Left[slot] = std::uint16_t(r.left());
        p.Top[slot] = std::uint16_t(r.top());
        p.Width[slot] = std::uint16_t(r.width());
        p.Height[slot] = std::uint16_t(r.height());
        p.MoveLock[slot] = 0;
        editor()->OrganRepaint(slot);
    }
    void drag(QPoint from, QPoint to)
    {
        QWidget *canvas = editor()->canvas();
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(canvas, (from + to) / 2);
        QTest::mouseMove(canvas, to);
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, to);
    }
    void trigger(const char *name) { frame->action(QString::fromLatin1(name))->trigger(); }

private slots:
    void initTestCase()
    {
        // These tests drive the page editor itself: element dialogs linked into the editor would
        // wait for a person, so each kind's dialog is replaced by one that closes unconfirmed.
        for (int kind = 1; kind <= 40; ++kind)
            registerElementDialog(kind, [](QWidget *, Project &, int, int) { return false; });
    }
    void init()
    {
        temp = std::make_unique<TempFolder>();
        session = std::make_unique<EditorSession>(WorkFolder(temp->file(QStringLiteral("work"))));
        frame = std::make_unique<MainFrame>(*session);
        frame->setSettingsPath(temp->file(QStringLiteral("Builder.ini")));
        frame->show();
        frame->New();
        QVERIFY(frame->projectLoaded());
        QVERIFY(editor());
        QCOMPARE(editor()->page(), 1);
    }
    void cleanup()
    {
        frame.reset();
        session.reset();
        temp.reset();
    }

    void newProjectShowsTheTreeAndMenus()
    {
        QCOMPARE(session->projectPath, kUnsavedProjectPath);
        QCOMPARE(frame->objectName(), QStringLiteral("MainFrm"));
        QCOMPARE(editor()->windowTitle(), QStringLiteral("1:Window1"));
        QVERIFY(frame->findChild<QMenu *>(QStringLiteral("EditMenu"))->menuAction()->isVisible());
        QTreeWidget *tree = frame->projectTree();
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("工程"));
        QCOMPARE(tree->topLevelItem(0)->childCount(), 4);
        QCOMPARE(tree->topLevelItem(0)->child(3)->child(0)->text(0), QStringLiteral("1:Window1"));
        QCOMPARE(frame->pageJumpList().size(), 256);
        QVERIFY(frame->action(QStringLiteral("AppDownload"))->isEnabled()); // wired to the build commands
    }

    void placingEachKindWritesItsDefaults_data()
    {
        QTest::addColumn<int>("kind");
        for (int kind : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 20, 25, 26, 27, 34})
            QTest::newRow(qPrintable(QString::number(kind))) << kind;
    }
    void placingEachKindWritesItsDefaults()
    {
        QFETCH(int, kind);
        const int slot = place(kind, QPoint(30, 20));
        QVERIFY(slot >= 0);
        QCOMPARE(slot, kind == 7 ? 135 : 0);
        const QSize size = placementSize(kind, 1);
        QCOMPARE(int(page().Kind[slot]), kind);
        QCOMPARE(int(page().Left[slot]), 30);
        QCOMPARE(int(page().Top[slot]), 20);
        QCOMPARE(int(page().Width[slot]), size.width());
        QCOMPARE(int(page().Height[slot]), size.height());
        QCOMPARE(session->project.selectedTool, 0u);
        QVERIFY(editor()->hasSingleSelection());
        QVERIFY(!editor()->elementImage(slot).isNull());
        QVERIFY(session->undo.canUndo());
        QVERIFY(frame->action(QStringLiteral("FileSave"))->isEnabled());
        QVERIFY(frame->statusPanel(0)->text().contains(QStringLiteral(" at[25,15]")));
    }

    void placingOnAFullPageIsRefused()
    {
        for (int s = 0; s < 200; ++s)
            page().Kind[s] = 1;
        ModalAnswer answer(QMessageBox::Ok);
        QCOMPARE(place(2, QPoint(20, 20)), -1);
        QCOMPARE(answer.text, QStringLiteral("不再有这种类型的部件 ！"));
        QCOMPARE(int(page().Kind[200]), 0);
        QVERIFY(!editor()->hasSelection());
    }

    void placingByClickingWithATool()
    {
        trigger("Tool3");
        QCOMPARE(session->project.selectedTool, 3u);
        QTest::mouseClick(editor()->canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 50));
        QCOMPARE(int(page().Kind[0]), 3);
        QCOMPARE(int(page().Left[0]), 40);
        QCOMPARE(page().TextB[0].text(), QStringLiteral("ON"));
    }

    void movingAndResizingWithTheMouse()
    {
        putElement(0, 1, QRect(50, 50, 40, 30));
        editor()->selectSlot(0);
        drag(QPoint(60, 60), QPoint(80, 70));
        QCOMPARE(int(page().Left[0]), 70);
        QCOMPARE(int(page().Top[0]), 60);
        // Far past the right and bottom edges: clamped inside the page (320 x 240).
        drag(QPoint(75, 65), QPoint(600, 600));
        QCOMPARE(int(page().Left[0]), 5 + 320 - 1 - 40);
        QCOMPARE(int(page().Top[0]), 5 + 240 - 1 - 30);

        putElement(1, 1, QRect(100, 100, 40, 30));
        editor()->selectSlot(1);
        // Bottom-right handle at (137, 127): drag it 21 right and 11 down.
        drag(QPoint(139, 129), QPoint(160, 140));
        QCOMPARE(int(page().Width[1]), 60);
        QCOMPARE(int(page().Height[1]), 40);
        QVERIFY(editor()->selectionFrame() == QRect(100, 100, 60, 40));
    }

    void lockedElementsAndPicturesKeepTheirSize()
    {
        putElement(0, 6, QRect(100, 100, 40, 30));
        editor()->selectSlot(0);
        drag(QPoint(139, 129), QPoint(170, 160));
        QCOMPARE(int(page().Width[0]), 40);
        putElement(1, 1, QRect(20, 20, 40, 30));
        editor()->selectSlot(1);
        trigger("EditLock");
        QCOMPARE(int(page().MoveLock[1]), 1);
        drag(QPoint(30, 30), QPoint(90, 90));
        QCOMPARE(int(page().Left[1]), 20);
        QVERIFY(!frame->action(QStringLiteral("EditLock"))->isEnabled());
        trigger("EditUnlock");
        QCOMPARE(int(page().MoveLock[1]), 0);
    }

    void arrowKeysStepTwoPixelsAndStopAtTheEdge()
    {
        putElement(0, 1, QRect(302, 50, 20, 10));
        editor()->selectSlot(0);
        QTest::keyClick(editor()->canvas(), Qt::Key_Right);
        QCOMPARE(int(page().Left[0]), 304);
        QTest::keyClick(editor()->canvas(), Qt::Key_Right);
        QCOMPARE(int(page().Left[0]), 305); // right edge 325 = page width + 5
        QTest::keyClick(editor()->canvas(), Qt::Key_Right);
        QCOMPARE(int(page().Left[0]), 305);
        page().Left[0] = 7;
        editor()->selectSlot(0);
        QTest::keyClick(editor()->canvas(), Qt::Key_Left);
        QCOMPARE(int(page().Left[0]), 5);
        QTest::keyClick(editor()->canvas(), Qt::Key_Left);
        QCOMPARE(int(page().Left[0]), 5);
    }

    void areaSelectionLeavesOutAnElementEndingAtTheFrame()
    {
        putElement(0, 1, QRect(20, 20, 30, 10)); // right edge 50
        putElement(1, 1, QRect(20, 40, 29, 10)); // right edge 49
        putElement(2, 1, QRect(30, 60, 10, 10));
        drag(QPoint(15, 15), QPoint(50, 100));
        QVERIFY(editor()->hasAreaSelection());
        QCOMPARE(editor()->areaSelection().members, (std::vector<int>{1, 2}));
        QCOMPARE(editor()->areaSelection().frame, QRect(20, 40, 29, 30));
        QVERIFY(frame->action(QStringLiteral("Align1"))->isEnabled());
        // Arrow keys move the whole group.
        QTest::keyClick(editor()->canvas(), Qt::Key_Down);
        QCOMPARE(int(page().Top[1]), 42);
        QCOMPARE(int(page().Top[2]), 62);
    }

    void alignUsesTheLowestSlot()
    {
        putElement(3, 1, QRect(100, 60, 40, 20));
        putElement(5, 1, QRect(150, 90, 20, 10));
        putElement(9, 1, QRect(20, 100, 60, 30)); // leftmost, but not the reference
        editor()->selectArea(QRect(10, 50, 200, 100));
        QCOMPARE(editor()->areaSelection().referenceSlot(), 3);
        trigger("Align1");
        QCOMPARE(int(page().Left[5]), 100);
        QCOMPARE(int(page().Left[9]), 100);
        trigger("Align9");
        QCOMPARE(int(page().Width[9]), 40);
        QCOMPARE(int(page().Height[5]), 20);
        QVERIFY(session->undo.canUndo());
    }

    void fiveChangesAndSixUndos()
    {
        for (int i = 0; i < 5; ++i)
            QVERIFY(place(1, QPoint(10 + 20 * i, 10)) == i);
        for (int i = 0; i < 6; ++i) {
            frame->tick();
            trigger("EditUndo");
        }
        for (int s = 0; s < 5; ++s)
            QCOMPARE(int(page().Kind[s]), 0);
        frame->tick();
        QVERIFY(!frame->action(QStringLiteral("EditUndo"))->isEnabled());
        QVERIFY(frame->action(QStringLiteral("EditRedo"))->isEnabled());
        trigger("EditRedo");
        trigger("EditRedo");
        QCOMPARE(int(page().Kind[1]), 1);
        QCOMPARE(int(page().Kind[2]), 0);
        // A change after undo drops the redo branch.
        place(2, QPoint(200, 200));
        frame->tick();
        QVERIFY(!frame->action(QStringLiteral("EditRedo"))->isEnabled());
        trigger("EditUndo");
        QCOMPARE(int(page().Kind[1]), 1);
        QCOMPARE(int(page().Kind[2]), 0);
        QCOMPARE(int(page().Kind[0]), 1);
    }

    void pastingStepsAndClips()
    {
        putElement(4, 3, QRect(50, 40, 20, 20));
        editor()->selectSlot(4);
        trigger("EditCopy");
        QVERIFY(frame->action(QStringLiteral("EditPaste"))->isEnabled());
        for (int i = 1; i <= 3; ++i) {
            trigger("EditPaste");
            const int slot = session->project.currentSlot;
            QCOMPARE(int(page().Left[slot]), 50 + 10 * i);
            QCOMPARE(int(page().Top[slot]), 40 + 6 * i);
        }
        putElement(7, 1, QRect(300, 230, 40, 20));
        editor()->selectSlot(7);
        trigger("EditCopy");
        trigger("EditPaste");
        const int slot = session->project.currentSlot;
        QCOMPARE(int(page().Left[slot]), 280);
        QCOMPARE(int(page().Top[slot]), 220);
    }

    void areaCopyAndPaste()
    {
        putElement(2, 1, QRect(20, 20, 30, 10));
        putElement(6, 3, QRect(60, 30, 20, 20));
        editor()->selectArea(QRect(10, 10, 100, 100));
        trigger("EditCopy");
        QVERIFY(session->lastSent.startsWith(QStringLiteral("qa_KX:EE02")));
        trigger("EditPaste");
        QVERIFY(editor()->hasAreaSelection());
        const auto &pasted = editor()->areaSelection().members;
        QCOMPARE(pasted.size(), size_t(2));
        QCOMPARE(int(page().Left[pasted[0]]), 30);
        QCOMPARE(int(page().Top[pasted[1]]), 36);
    }

    void cutThenUndoBringsTheElementBack()
    {
        putElement(0, 1, QRect(20, 20, 30, 10));
        session->EditFileBackup();
        editor()->selectSlot(0);
        trigger("EditCut");
        QCOMPARE(int(page().Kind[0]), 0);
        trigger("EditUndo");
        QCOMPARE(int(page().Kind[0]), 1);
    }

    void copyAndPastePageWithTheNamePrefix()
    {
        trigger("EditCopyPage");
        QVERIFY(session->pageOnClipboard());
        QVERIFY(frame->action(QStringLiteral("EditPastePage"))->isEnabled());
        ModalAnswer refused([](QDialog *d) {
            d->findChild<QSpinBox *>(QStringLiteral("SpinEdit1"))->setValue(1);
            ModalAnswer *inner = new ModalAnswer(QMessageBox::Ok);
            inner->setParent(d);
            d->accept(); // page 1 exists: a warning, and the dialog stays open
            QTimer::singleShot(200, d, [d] {
                d->findChild<QSpinBox *>(QStringLiteral("SpinEdit1"))->setValue(4);
                d->accept();
            });
        });
        trigger("EditPastePage");
        QVERIFY(session->project.PageExists(4));
        QCOMPARE(session->project.record(4).PageStrings[PageName].text(),
                 QStringLiteral("新Window1"));
        QCOMPARE(editor()->page(), 4);
        QCOMPARE(frame->pageJumpList().at(4), QStringLiteral("4: 新Window1"));
    }

    void newPageProposesTheNextNumber()
    {
        ModalAnswer answer([](QDialog *d) {
            auto *dialog = static_cast<NewPageDialog *>(d);
            QCOMPARE(dialog->numberBox()->value(), 2);
            QCOMPARE(dialog->nameEdit()->text(), QStringLiteral("Window2"));
            dialog->numberBox()->setValue(5);
            QCOMPARE(dialog->nameEdit()->text(), QStringLiteral("Window5"));
            dialog->nameEdit()->setText(QStringLiteral("Pump"));
            dialog->numberBox()->setValue(6);
            QCOMPARE(dialog->nameEdit()->text(), QStringLiteral("Pump"));
            dialog->accept();
        });
        trigger("ToolsNewPage");
        QVERIFY(session->project.PageExists(6));
        QCOMPARE(editor()->windowTitle(), QStringLiteral("6:Pump"));
        QCOMPARE(frame->projectTree()->topLevelItem(0)->child(3)->childCount(), 2);
    }

    void deletingAPageAsksFirst()
    {
        session->project.createPage(2, "Window2");
        frame->PageCountRefresh();
        QTreeWidgetItem *node = frame->projectTree()->topLevelItem(0)->child(3)->child(0);
        QCOMPARE(node->text(0), QStringLiteral("1:Window1"));
        frame->projectTree()->setCurrentItem(node);
        {
            ModalAnswer no(QMessageBox::No);
            frame->deletePage(true);
            QCOMPARE(no.text, QStringLiteral("您确定删除该画面 ？"));
        }
        QVERIFY(session->project.PageExists(1));
        ModalAnswer yes(QMessageBox::Yes);
        frame->deletePage(true);
        QVERIFY(!session->project.PageExists(1));
        QVERIFY(!frame->editorForPage(1));
        QCOMPARE(session->project.currentPage, 0);
    }

    void languageSwitchRebuildsTheTree()
    {
        session->setModified(false);
        trigger("LanguageEnglish");
        QTreeWidget *tree = frame->projectTree();
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Project"));
        QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("System Setup"));
        QCOMPARE(frame->pageJumpList().at(0), QStringLiteral("Current page"));
        QCOMPARE(frame->action(QStringLiteral("FileNew"))->text(), QStringLiteral("New(&N)..."));
        QVERIFY(session->modified());
        trigger("LanguageChinese");
        QCOMPARE(frame->action(QStringLiteral("FileNew"))->text(), QStringLiteral("新建(&N)..."));
    }

    void saveAndOpenAgain()
    {
        place(2, QPoint(30, 30));
        frame->nextDialogPath = temp->file(QStringLiteral("Press"));
        QVERIFY(frame->Save());
        const QString saved = temp->file(QStringLiteral("Press/Press.KX3"));
        QCOMPARE(session->projectPath, saved);
        QVERIFY(!session->modified());
        QVERIFY(!frame->action(QStringLiteral("FileSave"))->isEnabled());

        EditorSession second(WorkFolder(temp->file(QStringLiteral("work2"))));
        MainFrame other(second);
        other.setSettingsPath(temp->file(QStringLiteral("Builder2.ini")));
        other.openPath(saved);
        QVERIFY(other.projectLoaded());
        QCOMPARE(int(second.project.record(1).Kind[0]), 2);
        QCOMPARE(other.activeEditor()->page(), 1);
        ModalAnswer no(QMessageBox::No);
        QVERIFY(other.QueryClose()); // No closes without saving
        QCOMPARE(no.text, QStringLiteral("是否保存 ") + saved + QStringLiteral(" 文件 ？"));
    }

    void closingWritesTheRecentFile()
    {
        frame->nextDialogPath = temp->file(QStringLiteral("Mill.KX3"));
        QVERIFY(frame->Save());
        {
            ModalAnswer yes(QMessageBox::Yes);
            QVERIFY(frame->QueryClose());
            QCOMPARE(yes.text, QStringLiteral("是否退出程序 ？"));
        }
        frame->writeSettings();
        const BuilderSettings s = BuilderSettings::read(temp->file(QStringLiteral("Builder.ini")));
        QCOMPARE(s.lastFileOpenItem,
                 QStringLiteral("&1 ") + temp->file(QStringLiteral("Mill/Mill.KX3")));
    }

    void saveAsCancelledRestoresThePath()
    {
        frame->nextDialogPath = temp->file(QStringLiteral("A.KX3"));
        QVERIFY(frame->Save());
        const QString first = session->projectPath;
        // An empty choice is a cancelled dialog; the real dialog cannot open offscreen.
        ModalAnswer cancel([](QDialog *d) { d->reject(); });
        frame->SaveAs();
        QCOMPARE(session->projectPath, first);
    }
};

QTEST_MAIN(EditorGuiTest)
#include "editorguitest.moc"
