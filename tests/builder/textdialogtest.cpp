#include "elements/textdialog.h"
#include "editor/elementdialogs.h"
#include "elements/colorswatch.h"
#include "elements/stylecombos.h"
#include "pictures/colorgrid.h"

#include "dialogtesthelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace brevix;

class TextDialogTest : public QObject
{
    Q_OBJECT

private:
    static constexpr int kSlot = 3;

    void fillText(Project &project)
    {
        placeElement(project, kSlot, 1);
        PageRecord &r = project.record(1);
        r.TextA[kSlot].setText(QStringLiteral("温度"));
        r.TextB[kSlot].setText(QStringLiteral("Temperature"));
        r.WordC[kSlot] = 0x0310;
    }

private slots:
    void loadThenStoreGivesTheSlotBack()
    {
        Project project;
        fillText(project);
        const PageRecord before = project.record(1);
        TextDialog dialog;
        dialog.load(project, 1, kSlot);
        QCOMPARE(dialog.languageOneEdit()->text(), QStringLiteral("温度"));
        QCOMPARE(dialog.styleCombos()->fontBox()->currentIndex(), 3);
        QCOMPARE(dialog.styleCombos()->alignmentBox()->currentIndex(), 1);
        QVERIFY(dialog.store());
        QVERIFY(sameRecord(project.record(1), before));
    }

    void leftFiveShowsZeroAndZeroStoresFive()
    {
        Project project;
        fillText(project);
        project.record(1).Left[kSlot] = 5;
        TextDialog dialog;
        dialog.load(project, 1, kSlot);
        QCOMPARE(dialog.leftBox()->value(), 0);
        QCOMPARE(dialog.topBox()->value(), 25);
        dialog.leftBox()->setValue(10);
        dialog.leftBox()->setValue(0);
        QVERIFY(dialog.store());
        QCOMPARE(project.record(1).Left[kSlot], 5);
    }

    void limitsComeFromThePageSize()
    {
        Project project;
        fillText(project);
        const QSize page = project.pageSize(1);
        TextDialog dialog;
        dialog.load(project, 1, kSlot);
        QCOMPARE(dialog.leftBox()->maximum(), page.width() - 8);
        QCOMPARE(dialog.topBox()->maximum(), page.height() - 8);
        QCOMPARE(dialog.widthBox()->maximum(), page.width());
        QCOMPARE(dialog.heightBox()->maximum(), page.height());
        QCOMPARE(dialog.widthBox()->minimum(), 8);
    }

    void okWritesTextsAndStyleWithoutBorderAndLevel()
    {
        Project project;
        fillText(project);
        project.record(1).WordC[kSlot] = 0x2315; // border and level are not the text's
        TextDialog dialog;
        dialog.load(project, 1, kSlot);
        dialog.languageOneEdit()->setText(QStringLiteral("压力"));
        dialog.languageTwoEdit()->setText(QString(60, QLatin1Char('p')));
        dialog.styleCombos()->fontBox()->setCurrentIndex(7);
        dialog.moveLockBox()->setChecked(false);
        QVERIFY(dialog.store());
        const PageRecord &r = project.record(1);
        QCOMPARE(r.TextA[kSlot].text(), QStringLiteral("压力"));
        QCOMPARE(r.TextB[kSlot].text(), QString(50, QLatin1Char('p')));
        QCOMPARE(r.WordC[kSlot], std::uint16_t(0x0710));
        QCOMPARE(r.MoveLock[kSlot], std::uint8_t(0));
    }

    void cancelAfterPickingAColorLeavesTheRecord()
    {
        Project project;
        fillText(project);
        const PageRecord before = project.record(1);
        TextDialog dialog;
        QTimer::singleShot(0, &dialog, [&] {
            onNextModal([](QWidget *colors) {
                auto *grid = colors->findChild<ColorGrid *>();
                QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(0).center());
            });
            dialog.backSwatch()->pickColor();
            QVERIFY(dialog.backSwatch()->colorValue() != before.BackColor[kSlot]);
            dialog.languageOneEdit()->setText(QStringLiteral("changed"));
            dialog.cancelButton()->click();
        });
        QVERIFY(!dialog.edit(project, 1, kSlot));
        QVERIFY(sameRecord(project.record(1), before));
    }

    void okThroughTheRegistryWritesThePickedColor()
    {
        Project project;
        fillText(project);
        QWidget owner;
        QVERIFY(hasElementDialog(1));
        onNextModal([](QWidget *w) {
            auto *dialog = qobject_cast<TextDialog *>(w);
            QVERIFY(dialog);
            dialog->foreSwatch()->setColorValue(0x0000FF00);
            dialog->okButton()->click();
        });
        QVERIFY(openElementDialog(&owner, project, 1, kSlot));
        QCOMPARE(project.record(1).ForeColor[kSlot], 0x0000FF00);
    }
};

QTEST_MAIN(TextDialogTest)
#include "textdialogtest.moc"
