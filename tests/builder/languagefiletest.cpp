#include "language/languagefile.h"
#include "elements/dynamictextdialog.h"
#include "elements/textdialog.h"
#include "language/languagedump.h"
#include "language/windowregistry.h"
#include "text/gbk.h"

#include "tempfolder.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

using namespace brevix;

namespace {

struct SmallForm
{
    QDialog form;
    QLabel *label;
    QPlainTextEdit *memo;
    QComboBox *combo;
    QPushButton *unnamed;
    QTableWidget *grid;

    SmallForm()
    {
        form.setObjectName(QStringLiteral("TestForm"));
        form.setWindowTitle(QStringLiteral("标题"));
        auto *layout = new QVBoxLayout(&form);
        label = new QLabel(QStringLiteral("标签"), &form);
        label->setObjectName(QStringLiteral("Label1"));
        memo = new QPlainTextEdit(QStringLiteral("一\n二\n三"), &form);
        memo->setObjectName(QStringLiteral("Memo1"));
        combo = new QComboBox(&form);
        combo->setObjectName(QStringLiteral("ComboBox1"));
        combo->addItems({QStringLiteral("甲"), QStringLiteral("乙")});
        auto *box = new QGroupBox(&form);
        box->setObjectName(QStringLiteral("GroupBox1"));
        unnamed = new QPushButton(QStringLiteral("按钮"), box);
        grid = new QTableWidget(1, 2, &form);
        grid->setObjectName(QStringLiteral("Grid"));
        for (QWidget *w : {static_cast<QWidget *>(label), static_cast<QWidget *>(memo),
                           static_cast<QWidget *>(combo), static_cast<QWidget *>(box),
                           static_cast<QWidget *>(grid)})
            layout->addWidget(w);
    }
};

} // namespace

class LanguageFileTest : public QObject
{
    Q_OBJECT

private slots:
    void appliesTheEdgeCases()
    {
        SmallForm f;
        const QStringList lines = {
            QStringLiteral("TestForm.Caption=Title"),
            QStringLiteral("TestForm.Label1.Caption="),
            QStringLiteral("TestForm.Label1.Hint=   "),
            QStringLiteral("TestForm.NoSuch.Caption=Lost"),
            QStringLiteral("TestForm.Memo1.Lines.Text=a\\nb\\n"),
            QStringLiteral("TestForm.ComboBox1.Items.Text=First\\nSecond\\n"),
            QStringLiteral("TestForm.GroupBox1.QPushButton(0).Caption=Go"),
            QStringLiteral("TestForm.Grid.Columns[1].Caption=Content"),
            QStringLiteral("TestForm.Label1.Hint=Tip"),
            QStringLiteral("NoForm.Label1.Caption=x"),
            QStringLiteral("no equals sign"),
        };
        const LanguageApplyCount count = applyLanguageLines(lines, {&f.form});
        QCOMPARE(f.form.windowTitle(), QStringLiteral("Title"));
        QCOMPARE(f.label->text(), QStringLiteral("标签")); // empty value: unchanged
        QCOMPARE(f.label->toolTip(), QStringLiteral("Tip"));
        // "NoSuch" is not a component: stepping stops and it is taken as a property of the
        // form, which has none of that name; nothing changes and the lines after it apply.
        QCOMPARE(f.form.windowTitle(), QStringLiteral("Title"));
        QCOMPARE(f.memo->toPlainText(), QStringLiteral("a\nb\n三"));
        QCOMPARE(f.combo->itemText(0), QStringLiteral("First"));
        QCOMPARE(f.combo->itemText(1), QStringLiteral("Second"));
        QCOMPARE(f.unnamed->text(), QStringLiteral("Go"));
        QCOMPARE(f.grid->horizontalHeaderItem(1)->text(), QStringLiteral("Content"));
        QCOMPARE(count.applied, 6);
        QCOMPARE(count.skipped, 2);
    }

    void unknownComponentSetsThePropertyOfTheLastOneFound()
    {
        SmallForm f;
        // "windowTitle" is no component of the form, so it is its string property.
        applyLanguageLines({QStringLiteral("TestForm.Label1.Missing.Caption=x"),
                            QStringLiteral("TestForm.windowTitle=Direct")},
                           {&f.form});
        QCOMPARE(f.form.windowTitle(), QStringLiteral("Direct"));
        QCOMPARE(f.label->text(), QStringLiteral("标签"));
    }

    void readsFilesInUtf8AndGbk()
    {
        TempFolder folder;
        SmallForm f;
        QFile utf8(folder.file(QStringLiteral("apeng.ini")));
        QVERIFY(utf8.open(QIODevice::WriteOnly));
        utf8.write(QStringLiteral("TestForm.Label1.Caption=温度 English\r\n").toUtf8());
        utf8.close();
        LanguageApplyCount count;
        QVERIFY(ApplyLanguageFile(utf8.fileName(), {&f.form}, &count).ok());
        QCOMPARE(f.label->text(), QStringLiteral("温度 English"));
        QFile gbk(folder.file(QStringLiteral("apchs.ini")));
        QVERIFY(gbk.open(QIODevice::WriteOnly));
        gbk.write(toGbk(QStringLiteral("TestForm.Label1.Caption=压力\n")));
        gbk.close();
        QVERIFY(ApplyLanguageFile(gbk.fileName(), {&f.form}).ok());
        QCOMPARE(f.label->text(), QStringLiteral("压力"));
    }

    void missingFileIsAnErrorAndChangesNothing()
    {
        TempFolder folder;
        SmallForm f;
        const Result r = ApplyLanguageFile(folder.file(QStringLiteral("none.ini")), {&f.form});
        QVERIFY(!r.ok());
        QVERIFY(r.message().en.contains(QStringLiteral("none.ini")));
        QCOMPARE(f.form.windowTitle(), QStringLiteral("标题"));
    }

    void dumpThenApplyRestoresTheTexts()
    {
        SmallForm f;
        const QStringList lines = dumpLanguageLines({&f.form});
        QVERIFY(lines.contains(QStringLiteral("TestForm.Caption=标题")));
        QVERIFY(lines.contains(QStringLiteral("TestForm.ComboBox1.Items.Text=甲\\n乙\\n")));
        f.form.setWindowTitle(QStringLiteral("x"));
        f.unnamed->setText(QStringLiteral("x"));
        f.combo->setItemText(1, QStringLiteral("x"));
        const LanguageApplyCount count = applyLanguageLines(lines, {&f.form});
        QCOMPARE(count.skipped, 0);
        QCOMPARE(f.form.windowTitle(), QStringLiteral("标题"));
        QCOMPARE(f.unnamed->text(), QStringLiteral("按钮"));
        QCOMPARE(f.combo->itemText(1), QStringLiteral("乙"));
    }

    void everyWindowHasEnglishTexts()
    {
        QWidget owner;
        const QList<QWidget *> windows = createLanguageWindows(&owner);
        QVERIFY(windows.size() >= 4);
        const QStringList chinese = dumpLanguageLines(windows);
        QStringList missing;
        const QStringList english = translateLanguageLines(
            chinese,
            readDictionary(
                QDir::cleanPath(QStringLiteral(TEST_DATA_DIR "/../../data/language/english.txt"))),
            &missing);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(" | "))));
        const LanguageApplyCount count = applyLanguageLines(english, windows);
        QCOMPARE(count.skipped, 0);
        auto *text = owner.findChild<TextDialog *>();
        QVERIFY(text);
        QCOMPARE(text->windowTitle(), QStringLiteral(" Text Properties "));
        QCOMPARE(text->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Left:"));
        applyLanguageLines(chinese, windows);
        QCOMPARE(text->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("左边:"));
    }
};

QTEST_MAIN(LanguageFileTest)
#include "languagefiletest.moc"
