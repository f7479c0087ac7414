// The main window's menus and tool bars: every command with its caption in both languages,
// its shortcut and an objectName other parts of the editor use to find it.
#include "editor/commandicons.h"
#include "editor/mainframe.h"
#include "editor/structurep.h"

#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace brevix {

namespace {

struct Command
{
    const char *name;
    const char *zh;
    const char *en;
    const char *shortcut;
    const char *hint; // tool-bar hint, empty when the menu caption serves
};

// A menu: its objectName and captions, then its commands ("-" is a separator).
struct MenuEntry
{
    const char *name;
    const char *zh;
    const char *en;
    bool projectOnly; // invisible until a project is loaded
    std::vector<Command> commands;
};

const std::vector<MenuEntry> &menuTable()
{
    static const std::vector<MenuEntry> table = {
        {"FileMenu",
         "文件(&F)",
         "File(&F)",
         false,
         {{"FileNew", "新建(&N)...", "New(&N)...", "Ctrl+N", "新建"},
          {"FileOpen", "打开(&O)...", "Open(&O)...", "Ctrl+O", "打开"},
          {"FileSave", "保存(&S)...", "Save(&S)...", "Ctrl+S", "保存"},
          {"FileSaveAs", "另存为(&a)...", "Save As(&a)...", "", ""},
          {"-", "", "", "", ""},
          {"FilePrint", "打印(&P)...", "Print(&P)...", "Ctrl+P", "打印"},
          {"FilePrinterSetup", "打印机设置(&u)...", "Printer Setup(&u)...", "", ""},
          {"FileExportPicture", "输出图片(&E)...", "Export Picture(&E)...", "Ctrl+E", ""},
          {"-", "", "", "", ""},
          {"FileRecent", "最近文件", "Recent file", "", ""},
          {"FileOpenExample", "开例子库(&I)", "Open Example(&I)", "", ""},
          {"-", "", "", "", ""},
          {"FileExit", "退出(&X)", "Exit(&X)", "", ""}}},
        {"EditMenu",
         "编辑(&E)",
         "Edit(&E)",
         true,
         {{"EditCut", "剪切(&T)", "Cut(&T)", "Ctrl+X", "剪切"},
          {"EditCopy", "复制(&C)", "Copy(&C)", "Ctrl+C", "复制"},
          {"EditPaste", "粘贴(&P)", "Paste(&P)", "Ctrl+V", "粘贴"},
          {"EditMultipleCopy", "多重复制(&I)...", "Multiple Copy(&I)...", "", "多重复制"},
          {"-", "", "", "", ""},
          {"EditUndo", "撤消(&U)", "Undo(&U)", "Ctrl+Z", "撤消"},
          {"EditRedo", "重复(&R)", "Redo(&R)", "Ctrl+Y", "重复"},
          {"-", "", "", "", ""},
          {"EditCopyPage", "复制当前画面(&M)", "Copy Current Window(&M)", "Shift+C",
           "复制当前画面"},
          {"EditPastePage", "粘贴新画面(&A)", "Paste New Window(&A)", "Shift+V", "粘贴新画面"},
          {"-", "", "", "", ""},
          {"EditLock", "锁定(&L)", "Lock(&L)", "Ctrl+Shift+Z", "锁定"},
          {"EditUnlock", "解锁(&U)", "Unlock(&U)", "Ctrl+Shift+Y", "解锁"}}},
        {"ViewMenu",
         "视图(&V)",
         "View(&V)",
         true,
         {{"ViewUsagePreview", "预览画面使用数据(&U)", "Preview Window Data Usage(&U)", "F2",
           "预览画面使用数据 F2"},
          {"-", "", "", "", ""},
          {"ViewStandardBar", "标准工具栏(&T)", "Standard Toolbar(&T)", "", ""},
          {"ViewDesignBar", "设计部件(&D)", "Design Elements(&D)", "", ""},
          {"ViewFunctionBar", "编辑工具(&E)", "Edit Tools(&E)", "", ""},
          {"ViewStatusBar", "状态栏(&S)", "Status Bar(&S)", "", ""}}},
        {"ToolsMenu",
         "工具(&T)",
         "Tools(&T)",
         true,
         {{"ToolsNewPage", "新画面(&N)...", "New Window(&N)...", "", "创建新画面"},
          {"ToolsPageAttributes", "修改画面属性(&A)...", "Window Attributes(&A)...", "",
           "修改当前画面属性"},
          {"ToolsDeletePage", "删除画面(&D)...", "Delete Window(&D)...", "", "删除当前画面"},
          {"-", "", "", "", ""},
          {"ToolsRegisterLookup", "寄存器查找(&L)", "Register Lookup(&L)", "F3", ""},
          {"ToolsStatistics", "元件统计(&W)...", "Element Statistics(&W)...", "F4",
           "元件统计 F4"}}},
        {"DrawMenu",
         "绘图(&D)",
         "Drawing(&D)",
         true,
         {{"Tool20", "长方形(&R)", "Rectangle(&R)", "", "长方形"},
          {"Tool26", "椭圆(&E)", "Ellipse(&E)", "", "椭圆"},
          {"Tool25", "刻度(&G)", "Scale(&G)", "", "刻度"},
          {"Tool27", "线(&L)", "Line(&L)", "", "线"}}},
        {"ElementMenu",
         "元件(&O)",
         "Elements(&O)",
         true,
         {{"Tool1", "文本(&T)", "Text(&T)", "", "文本"},
          {"Tool2", "寄存器(&R)", "Register(&R)", "", "寄存器"},
          {"Tool3", "指示灯(&L)", "Lamp(&L)", "", "指示灯"},
          {"Tool34", "位操作开关(&B)", "Bit Switch(&B)", "", "位操作开关"},
          {"Tool4", "趋势图(&Q)", "Trend Graph(&Q)", "", "趋势图"},
          {"Tool5", "棒状图(&S)", "Bar Graph(&S)", "", "棒状图"},
          {"Tool6", "图片(&P)", "Picture(&P)", "", "图片"},
          {"Tool7", "动态文本(&D)", "Dynamic Text(&D)", "", "动态文本"},
          {"Tool8", "功能键(&F)", "Function Key(&F)", "", "功能键"},
          {"Tool9", "ASCII中文(&A)", "ASCII Chinese(&A)", "", "ASCII中文"},
          {"Tool10", "日期(&D)", "Date(&D)", "", "日期"},
          {"Tool11", "时间(&T)", "Time(&T)", "", "时间"}}},
        {"ApplicationMenu",
         "应用(&A)",
         "Application(&A)",
         true,
         {{"AppPortSettings", "下载端口设置(&S)", "Download Port(&S)", "F5", "下载端口设置 F5"},
          {"AppDownload", "下载(&U)", "Download(&U)", "F6", "下载 F6"},
          {"AppWorkingParameters", "设定工作参数(&W)...", "Working Parameters(&W)...", "F7",
           "设置KX系列 F7"},
          {"AppBatchModify", "批量修改(&P)...", "Batch Modification(&P)...", "F8", "批量修改 F8"},
          {"AppKeyboardLed", "设定下键盘参数(&D)", "Keyboard LED Parameters(&D)", "",
           "设定下键盘参数"},
          {"AppSaveBackup", "保存和备份(&B)...", "Save and Backup(&B)...", "", ""},
          {"AppClockMacro", "Clock 宏(&M)", "Clock Macro(&M)", "F11", "编写 function1 函数"},
          {"AppAlarms", "报警设置(&A)", "Alarm Setup(&A)", "", "报警设置"},
          {"AppUpdatePackage", "客户更新包提取(&C)", "Customer Update Package(&C)", "F12", ""},
          {"AppFirmwareUpgrade", "固件升级(&F)", "Firmware Upgrade(&F)", "", ""}}},
        {"DebugMenu",
         "调试(&L)",
         "Debug(&L)",
         true,
         {{"DebugOffline", "离线模拟(&S)...", "Offline Simulation(&S)...", "F9", "离线模拟 F9"},
          {"DebugOnline", "在线模拟(&O)...", "Online Simulation(&O)...", "F10", "在线模拟 F10"}}},
        {"PersonaliseMenu",
         "个性化(&I)",
         "Personalise(&I)",
         true,
         {{"PersonalShowGrid", "显示格栅(&S)", "Show Grid(&S)", "", "显示格栅"},
          {"PersonalGridProperties", "格栅属性(&G)", "Grid Properties(&G)", "", ""},
          {"PersonalFontOptimisation", "字体优化(&F)", "Font Optimisation(&F)", "", ""}}},
        {"WindowMenu",
         "窗口(&W)",
         "Window(&W)",
         true,
         {{"WindowCascade", "层叠(&C)", "Cascade(&C)", "Shift+Return", "层叠"},
          {"WindowTileHorizontal", "横向平铺(&H)", "Tile Horizontally(&H)", "Ctrl+Return",
           "横向平铺"},
          {"WindowTileVertical", "纵向平铺(&V)", "Tile Vertically(&V)", "", "纵向平铺"},
          {"WindowCloseAll", "全部关闭(&L)", "Close All(&L)", "", ""}}},
        {"HelpMenu",
         "帮助(&H)",
         "Help(&H)",
         false,
         {{"HelpTopics", "帮助主题(&H)", "Help Topics(&H)", "F1", "帮助"},
          {"HelpAbout", "版本信息 (&A)...", "About (&A)...", "", ""}}},
    };
    return table;
}

// Commands that only tool bars carry.
const std::vector<Command> &toolBarOnlyCommands()
{
    static const std::vector<Command> commands = {
        {"Align1", "水平左对齐", "Align left", "", ""},
        {"Align2", "水平居中对齐", "Align centres horizontally", "", ""},
        {"Align3", "水平右对齐", "Align right", "", ""},
        {"Align4", "垂直顶对齐", "Align top", "", ""},
        {"Align5", "垂直居中对齐", "Align centres vertically", "", ""},
        {"Align6", "垂直底对齐", "Align bottom", "", ""},
        {"Align7", "使等宽", "Same width", "", ""},
        {"Align8", "使等高", "Same height", "", ""},
        {"Align9", "使等宽高", "Same size", "", ""},
        {"SendToBack", "移至底层", "Move to the bottom", "", ""},
        {"BitOff", "OFF", "OFF", "", "位元件表示OFF"},
        {"BitOn", "ON", "ON", "", "位元件表示ON"},
        {"OpenPaint", "打开画图", "Open Paint", "", ""},
        {"OpenCalculator", "打开计算器", "Open Calculator", "", ""},
        {"Style1", "风格一(&1)", "Style 1(&1)", "", ""},
        {"Style2", "风格二(&2)", "Style 2(&2)", "", ""},
        {"Style3", "风格三(&3)", "Style 3(&3)", "", ""},
        {"LanguageChinese", "Chinese", "Chinese", "", ""},
        {"LanguageEnglish", "English", "English", "", ""},
    };
    return commands;
}

QAction *makeAction(QObject *owner, const Command &c)
{
    auto *action = new QAction(owner);
    action->setObjectName(QString::fromLatin1(c.name));
    action->setProperty("zh", QString::fromUtf8(c.zh));
    action->setProperty("en", QString::fromUtf8(c.en));
    action->setProperty("hint", QString::fromUtf8(c.hint));
    if (c.shortcut[0] != '\0')
        action->setShortcut(QKeySequence(QString::fromLatin1(c.shortcut)));
    return action;
}

} // namespace

QAction *MainFrame::action(const QString &name) const
{
    return findChild<QAction *>(name);
}

void MainFrame::buildMenus()
{
    for (const Command &c : toolBarOnlyCommands())
        makeAction(this, c);
    for (const MenuEntry &entry : menuTable()) {
        QMenu *menu = menuBar()->addMenu(QString());
        menu->setObjectName(QString::fromLatin1(entry.name));
        menu->setProperty("zh", QString::fromUtf8(entry.zh));
        menu->setProperty("en", QString::fromUtf8(entry.en));
        if (entry.projectOnly)
            m_projectMenus << menu;
        for (const Command &c : entry.commands) {
            if (c.name[0] == '-')
                menu->addSeparator();
            else
                menu->addAction(makeAction(this, c));
        }
        if (entry.name == std::string("PersonaliseMenu")) {
            QMenu *style = menu->addMenu(QString());
            style->setObjectName(QStringLiteral("StyleMenu"));
            style->setProperty("zh", QStringLiteral("界面风格"));
            style->setProperty("en", QStringLiteral("Interface Style"));
            auto *styles = new QActionGroup(this);
            for (const char *name : {"Style1", "Style2", "Style3"}) {
                QAction *a = action(QString::fromLatin1(name));
                a->setCheckable(true);
                styles->addAction(a);
                style->addAction(a);
            }
            action(QStringLiteral("Style1"))->setChecked(true);
            QMenu *languages = menu->addMenu(QString());
            languages->setObjectName(QStringLiteral("LanguageMenu"));
            languages->setProperty("zh", QStringLiteral("语言选择(&L)"));
            languages->setProperty("en", QStringLiteral("Language(&L)"));
            auto *group = new QActionGroup(this);
            for (const char *name : {"LanguageChinese", "LanguageEnglish"}) {
                QAction *a = action(QString::fromLatin1(name));
                a->setCheckable(true);
                group->addAction(a);
                languages->addAction(a);
            }
        }
    }
    for (const char *name : {"ViewStandardBar", "ViewDesignBar", "ViewFunctionBar", "ViewStatusBar",
                             "PersonalShowGrid", "PersonalFontOptimisation"})
        action(QString::fromLatin1(name))->setCheckable(true);
    action(QStringLiteral("ViewStatusBar"))->setChecked(true);
    for (int kind : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 20, 25, 26, 27, 34})
        action(QStringLiteral("Tool%1").arg(kind))->setCheckable(true);
    auto *bits = new QActionGroup(this);
    for (const char *name : {"BitOff", "BitOn"}) {
        QAction *a = action(QString::fromLatin1(name));
        a->setCheckable(true);
        bits->addAction(a);
    }
    action(QStringLiteral("BitOff"))->setChecked(true);

    for (QAction *a : findChildren<QAction *>()) {
        const QIcon icon = commandIcon(a->objectName());
        if (!icon.isNull())
            a->setIcon(icon);
    }
    // Standard icons where the desktop has them.
    const QStyle *st = style();
    action(QStringLiteral("FileNew"))->setIcon(st->standardIcon(QStyle::SP_FileIcon));
    action(QStringLiteral("FileOpen"))->setIcon(st->standardIcon(QStyle::SP_DialogOpenButton));
    action(QStringLiteral("FileSave"))->setIcon(st->standardIcon(QStyle::SP_DialogSaveButton));
    action(QStringLiteral("ToolsDeletePage"))->setIcon(st->standardIcon(QStyle::SP_TrashIcon));
    action(QStringLiteral("EditUndo"))->setIcon(st->standardIcon(QStyle::SP_ArrowBack));
    action(QStringLiteral("EditRedo"))->setIcon(st->standardIcon(QStyle::SP_ArrowForward));
    action(QStringLiteral("HelpTopics"))->setIcon(st->standardIcon(QStyle::SP_DialogHelpButton));
}

void MainFrame::buildToolBars()
{
    auto bar = [this](const char *name, const char *zh, const char *en,
                      const QStringList &actions) {
        QToolBar *toolBar = addToolBar(QString());
        toolBar->setObjectName(QString::fromLatin1(name));
        toolBar->setProperty("zh", QString::fromUtf8(zh));
        toolBar->setProperty("en", QString::fromUtf8(en));
        toolBar->setIconSize(QSize(20, 20));
        for (const QString &a : actions) {
            if (a == QLatin1String("-"))
                toolBar->addSeparator();
            else
                toolBar->addAction(action(a));
        }
        m_toolBars << toolBar;
        return toolBar;
    };
    QToolBar *standard = bar("StandardBar", "标准工具栏", "Standard",
                             {"FileNew",
                              "FileOpen",
                              "FilePrint",
                              "-",
                              "EditCut",
                              "EditCopy",
                              "EditPaste",
                              "-",
                              "ToolsNewPage",
                              "ToolsPageAttributes",
                              "EditCopyPage",
                              "EditPastePage",
                              "ToolsDeletePage",
                              "FileSave",
                              "EditUndo",
                              "EditRedo",
                              "-",
                              "ToolsStatistics",
                              "AppWorkingParameters",
                              "AppBatchModify",
                              "AppKeyboardLed",
                              "AppAlarms",
                              "AppPortSettings",
                              "AppDownload",
                              "-",
                              "PersonalShowGrid",
                              "BitOff",
                              "BitOn",
                              "ViewUsagePreview",
                              "-",
                              "WindowCascade",
                              "WindowTileHorizontal",
                              "WindowTileVertical",
                              "OpenPaint",
                              "HelpTopics",
                              "AppClockMacro"});
    auto *scale = new QComboBox(standard);
    scale->setObjectName(QStringLiteral("PreviewScale"));
    scale->addItems({QStringLiteral("25%"), QStringLiteral("50%"), QStringLiteral("100%"),
                     QStringLiteral("150%"), QStringLiteral("200%")});
    scale->setCurrentIndex(2);
    scale->setEnabled(false); // used by the usage preview, which is not built yet
    standard->addWidget(scale);
    addToolBarBreak();
    bar("FunctionBar", "功能工具栏", "Functions",
        {"Align1", "Align2", "Align3", "Align4", "Align5", "Align6", "Align7", "Align8", "Align9",
         "-", "EditLock", "EditUnlock", "SendToBack", "EditMultipleCopy"});
    bar("DesignBar", "补助工具栏", "Design elements",
        {"Tool1", "Tool2", "Tool3", "Tool34", "Tool4", "Tool5", "Tool6", "Tool7", "Tool8", "Tool10",
         "Tool11", "Tool9", "-", "Tool20", "Tool26", "Tool25", "Tool27"});
    bar("SmallBar", "模拟工具栏", "Simulation", {"DebugOffline", "DebugOnline", "OpenCalculator"});
}

void MainFrame::retranslate()
{
    const bool zh = m_session.chinese();
    const char *key = zh ? "zh" : "en";
    for (QAction *a : findChildren<QAction *>()) {
        const QVariant caption = a->property(key);
        if (!caption.isValid())
            continue;
        if (a->objectName() == QLatin1String("FileRecent") &&
            !a->property("path").toString().isEmpty())
            continue; // the recent item shows its path
        a->setText(caption.toString());
        const QString hint = a->property("hint").toString();
        a->setToolTip(zh && !hint.isEmpty() ? hint : QString(a->text()).remove(QLatin1Char('&')));
    }
    for (QMenu *m : menuBar()->findChildren<QMenu *>()) {
        const QVariant caption = m->property(key);
        if (caption.isValid())
            m->setTitle(caption.toString());
    }
    for (QToolBar *t : m_toolBars)
        t->setWindowTitle(t->property(key).toString());
}

} // namespace brevix
