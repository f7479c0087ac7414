#include "compiler/compilecheckframe.h"
#include "language/uilanguage.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

using namespace brevix;

class CompileCheckFrameTest : public QObject
{
    Q_OBJECT

private:
    static std::vector<CheckRow> sampleRows()
    {
        CheckRow lamp;
        lamp.page = 2;
        lamp.pageCaption = QStringLiteral("2:Pumps");
        lamp.kind = 3;
        lamp.typeName = elementTypeName(3);
        lamp.slot = 17;
        lamp.message = {QStringLiteral("通道连接设置错误 ！"),
                        QStringLiteral("Channel connection setup error!")};
        CheckRow project;
        project.slot = -1;
        project.message = Message::same(QStringLiteral("x"));
        return {lamp, project};
    }

private slots:
    void rowsInBothLanguages()
    {
        CompileCheckFrame frame;
        setUiLanguage(Language::English);
        QCOMPARE(frame.setRows(sampleRows()), 2);
        QCOMPARE(frame.rowCount(), 2);
        QTreeWidgetItem *row = frame.list()->topLevelItem(0);
        QCOMPARE(row->text(CompileCheckFrame::PageColumn), QStringLiteral("2:Pumps"));
        QCOMPARE(row->text(CompileCheckFrame::TypeColumn), QStringLiteral("Lamp"));
        QCOMPARE(row->text(CompileCheckFrame::MessageColumn),
                 QStringLiteral("Channel connection setup error!"));
        QCOMPARE(frame.countLabel()->text(), uiText(errorListLabel(2)));
        setUiLanguage(Language::Chinese);
        frame.setRows(sampleRows());
        QCOMPARE(frame.list()->topLevelItem(0)->text(CompileCheckFrame::TypeColumn),
                 QStringLiteral("指示灯"));
        QVERIFY(frame.list()->isColumnHidden(CompileCheckFrame::SlotColumn));
    }

    void clickGivesTheHintAndDoubleClickTheElement()
    {
        CompileCheckFrame frame;
        setUiLanguage(Language::English);
        frame.setRows(sampleRows());
        QSignalSpy hints(&frame, &CompileCheckFrame::hintChanged);
        QSignalSpy shows(&frame, &CompileCheckFrame::showElement);
        QTreeWidgetItem *row = frame.list()->topLevelItem(0);
        emit frame.list()->itemClicked(row, 0);
        QCOMPARE(hints.size(), 1);
        QCOMPARE(hints.at(0).at(0).toString(),
                 QStringLiteral(" Hint: Channel connection setup error! Please re-set..."));
        emit frame.list()->itemDoubleClicked(row, 0);
        QCOMPARE(shows.size(), 1);
        QCOMPARE(shows.at(0).at(0).toString(), QStringLiteral("2:Pumps"));
        QCOMPARE(shows.at(0).at(1).toInt(), 17);
        // A project-wide row leads nowhere.
        emit frame.list()->itemDoubleClicked(frame.list()->topLevelItem(1), 0);
        QCOMPARE(shows.size(), 1);
    }
};

QTEST_MAIN(CompileCheckFrameTest)
#include "compilecheckframetest.moc"
