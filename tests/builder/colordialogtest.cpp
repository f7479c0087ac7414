#include "pictures/colordialog.h"
#include "elements/colorswatch.h"
#include "elements/colorvalue.h"
#include "pictures/colorgrid.h"

#include "dialogtesthelpers.h"

#include <QPushButton>
#include <QTest>

using namespace brevix;

class ColorDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void clickOnTheGridReturnsThatColor()
    {
        MyColorDialog dialog;
        dialog.setColorValue(0x00123456);
        const int index = 8; // second row, first cell
        QTimer::singleShot(0, &dialog, [&] {
            QTest::mouseClick(dialog.grid(), Qt::LeftButton, {},
                              dialog.grid()->cellRect(index).center());
        });
        QVERIFY(dialog.pick(QPoint(10, 10)));
        QCOMPARE(dialog.colorValue(), valueFromColor(ColorGrid::standardColors().at(index)));
    }

    void escapeAndCancelKeepTheColor()
    {
        MyColorDialog dialog;
        dialog.setColorValue(0x00123456);
        QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); });
        QVERIFY(!dialog.pick(QPoint(10, 10)));
        QCOMPARE(dialog.colorValue(), 0x00123456);
        QTimer::singleShot(0, &dialog, [&] {
            dialog.findChild<QPushButton *>(QStringLiteral("BitBtn2"))->click();
        });
        QVERIFY(!dialog.pick(QPoint(10, 10)));
        QCOMPARE(dialog.colorValue(), 0x00123456);
    }

    void moreColorsCancelledStillReturnsOkWithTheSameColor()
    {
        MyColorDialog dialog;
        dialog.setColorValue(0x00654321);
        QColor offered;
        dialog.setSystemPicker([&](QWidget *, QColor &c) {
            offered = c;
            return false;
        });
        QTimer::singleShot(0, &dialog, [&] {
            dialog.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
        });
        QVERIFY(dialog.pick(QPoint(10, 10)));
        QCOMPARE(dialog.colorValue(), 0x00654321);
        QCOMPARE(offered, colorFromValue(0x00654321));
    }

    void moreColorsConfirmedTakesItsColor()
    {
        MyColorDialog dialog;
        dialog.setSystemPicker([](QWidget *, QColor &c) {
            c = QColor(255, 0, 0);
            return true;
        });
        QTimer::singleShot(0, &dialog, [&] {
            dialog.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
        });
        QVERIFY(dialog.pick(QPoint(10, 10)));
        QCOMPARE(dialog.colorValue(), 0x000000FF);
    }

    void swatchOpensTheDialogUnderItselfAndKeepsColorOnCancel()
    {
        QWidget window;
        auto *swatch = new ColorSwatch(QStringLiteral("OrganBackCol"), &window);
        swatch->setGeometry(40, 50, 60, 20);
        window.show();
        swatch->setColorValue(0x00ABCDEF);
        QPoint openedAt;
        onNextModal([&](QWidget *w) {
            openedAt = w->pos();
            QTest::keyClick(w, Qt::Key_Escape);
        });
        swatch->pickColor();
        QCOMPARE(swatch->colorValue(), 0x00ABCDEF);
        QCOMPARE(openedAt, swatch->mapToGlobal(QPoint(2, swatch->height())));
    }
};

QTEST_MAIN(ColorDialogTest)
#include "colordialogtest.moc"
