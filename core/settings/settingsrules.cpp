#include "settings/settingsrules.h"

#include "settings/projectsettings.h"

#include <algorithm>
#include <optional>

namespace brevix {

QStringList panelModelNames()
{
    return {QStringLiteral("Miral(240*320)"), QStringLiteral("Miral(320*240)"),
            QStringLiteral("Tosca(480*320)"), QStringLiteral("Venda(480*320)"),
            QStringLiteral("Tosca(320*480)"), QStringLiteral("Pirro(256*64)"),
            QStringLiteral("Pirro(64*256)"),  QStringLiteral("Halvo(480*272)"),
            QStringLiteral("Zenta(800*480)")};
}

QStringList baudRateNames()
{
    return {QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400"),
            QStringLiteral("57600"), QStringLiteral("115200")};
}

QStringList parityNames()
{
    return {QStringLiteral("无"), QStringLiteral("奇数"), QStringLiteral("偶数")};
}

QStringList dataBitsNames()
{
    return {QStringLiteral("6 b"), QStringLiteral("7 b"), QStringLiteral("8 b")};
}

QStringList stopBitsNames()
{
    return {QStringLiteral("1 b"), QStringLiteral("2 b")};
}

QStringList link1PortNames()
{
    return {QStringLiteral("COM1(RS232)"), QStringLiteral("COM2(RS485/232)"),
            QStringLiteral("COM3(CANbus)")};
}

QStringList link2PortNames()
{
    return {QStringLiteral("COM1(RS232)"), QStringLiteral("COM2(RS485/232)")};
}

QStringList canBaudNames()
{
    return {QStringLiteral("10K"),  QStringLiteral("20K"),  QStringLiteral("50K"),
            QStringLiteral("100K"), QStringLiteral("125K"), QStringLiteral("250K"),
            QStringLiteral("500K"), QStringLiteral("1000K")};
}

QStringList registersPerIdNames()
{
    QStringList names;
    for (int n = 100; n <= 2000; n += 100)
        names << QString::number(n);
    return names;
}

DeviceLists loadDeviceLists(const DeviceDatabase &database, const ProjectRecord &settings)
{
    DeviceLists lists;
    lists.sortNames = database.LoadDeviceSort();
    lists.link[0] = database.devicesOf(settings.Height[0]);
    lists.link[1] = database.devicesOf(settings.Height[1]);
    return lists;
}

void applyPortRule(ProjectRecord &settings)
{
    ProjectSettings s(settings);
    if (s.Link1Port() == 0) {
        s.setRs485IdMode(0);
        s.setRegistersPerId(0);
    }
}

void clampToFirstWordDevice(ProjectRecord &settings, int max)
{
    ProjectSettings s(settings);
    max = std::max(0, max);
    auto clamp = [](int v, int hi) { return std::clamp(v, 0, std::max(0, hi)); };
    s.setPageSwitchRegister(clamp(s.PageSwitchRegister(), max));
    s.setPageReportRegister(clamp(s.PageReportRegister(), max));
    s.setAdRegister(clamp(s.AdRegister(), std::min(max, 65535)));
    s.setDaRegister(clamp(s.DaRegister(), std::min(max, 65535)));
    s.setFastWriteLength(clamp(s.FastWriteLength(), 50));
    s.setFastWriteStart(clamp(s.FastWriteStart(), std::min(max - s.FastWriteLength(), 65535)));
    s.setFastReadLength(clamp(s.FastReadLength(), 100));
    s.setFastReadStart(clamp(s.FastReadStart(), max - s.FastReadLength()));
}

InitializedSettings ProInitialize(ProjectRecord &settings, const DeviceDatabase &database)
{
    InitializedSettings result;
    applyPortRule(settings);
    result.lists = loadDeviceLists(database, settings);
    ProjectSettings s(settings);
    const QStringList models = panelModelNames();
    const int model = s.PanelModel();
    result.statusModel = QStringLiteral(" ") + models.value(model);
    auto pick = [](const QStringList &list, int i) { return list.value(i); };
    result.statusLink1 = QStringLiteral(" ") + result.lists.sortNames.value(s.LinkDeviceSort(0)) +
                         QStringLiteral(" ( ") + pick(baudRateNames(), s.Link1Baud()) +
                         QStringLiteral(" ") + pick(parityNames(), s.LinkParity(0)) +
                         QStringLiteral(" ") + pick(dataBitsNames(), s.LinkDataBits(0)) +
                         QStringLiteral(" ") + pick(stopBitsNames(), s.LinkStopBits(0)) +
                         QStringLiteral(" )");
    clampToFirstWordDevice(settings, result.lists.firstWordMax());
    return result;
}

RegisterCaptions registerCaptions(Language language, const QString &fastReadDevice,
                                  const QString &n)
{
    const bool zh = language == Language::Chinese;
    RegisterCaptions c;
    c.fastRead = (zh ? QStringLiteral("快速读取区") : QStringLiteral("FastRead ")) +
                 fastReadDevice + QStringLiteral(":");
    c.pageRegister =
        (zh ? QStringLiteral("寄存器号") : QStringLiteral("Register ")) + n + QStringLiteral(":");
    c.fastWriteStart =
        (zh ? QStringLiteral("开始地址") : QStringLiteral("StartAdd ")) + n + QStringLiteral(":");
    c.analogue = n + QStringLiteral(":");
    return c;
}

Result checkLinkPorts(int link1Port, int link2Port)
{
    if (link1Port != link2Port)
        return Result::success();
    return Result::failure(
        QStringLiteral("不正确的通讯端口设定 ！\nLink1 与 Link2 设置通信端口相同 ！"),
        QStringLiteral("Error communication port setting!\nLink1 And Link2 Same "
                       "communication port setting!"));
}

namespace {

// Digits only (the field refuses anything else as it is typed); too long counts as too large.
std::optional<int> digitsValue(const QString &text)
{
    QString digits;
    for (QChar c : text) {
        if (c.isDigit())
            digits += c;
    }
    if (digits.isEmpty())
        return std::nullopt;
    if (digits.size() > 9)
        return 1000000000;
    return digits.toInt();
}

} // namespace

CorrectedField correctStationId(const QString &text)
{
    const auto v = digitsValue(text);
    if (!v)
        return {0, {}};
    if (*v > 255)
        return {0, Message::same(QStringLiteral("Set Range: 0-255 ！"))};
    return {*v, {}};
}

CorrectedField correctTimeout(const QString &text)
{
    const auto v = digitsValue(text);
    if (!v)
        return {1, {}};
    if (*v == 0 || *v > 255)
        return {255, Message::same(QStringLiteral("Set Range: 1-255 ！"))};
    return {*v, {}};
}

QString keyLedCaption(Language language, bool highHalf, const QString &deviceName)
{
    const QString range = highHalf ? QStringLiteral("16-31 ") : QStringLiteral("00-15 ");
    return range +
           (language == Language::Chinese ? QStringLiteral("对应寄存器号")
                                          : QStringLiteral("Corres. Reg.")) +
           deviceName + QStringLiteral(":");
}

QString alarmAddress(const QString &deviceName, int deviceIndex, int start, int k)
{
    if (deviceIndex <= 0)
        return deviceName + QString::number(start + (k - 1) / 16) + QStringLiteral(".") +
               QString::number((k - 1) % 16);
    return deviceName + QString::number(start + k - 1);
}

QStringList adRegisterHint(int adType, int r, const QString &caption)
{
    QStringList lines;
    auto line = [&](int reg, const QString &name) {
        lines << caption + QString::number(reg) + name;
    };
    if (adType == 1) {
        line(r, QStringLiteral("=AD1 采样值"));
        line(r + 1, QStringLiteral("=AD2 采样值"));
        line(r + 2, QStringLiteral("=AD3 采样值"));
        line(r + 3, QStringLiteral("=AD4 采样值"));
        line(r + 4, QStringLiteral("=编码器位置"));
    } else if (adType >= 2 && adType <= 4) {
        line(r, QStringLiteral("=AD1采样值"));
        line(r + 1, QStringLiteral("=AD2采样值"));
        line(r + 2, QStringLiteral("=PT100(AD1线阻补偿0.01)"));
        line(r + 3, QStringLiteral("=PT100(AD2线阻补偿0.01)"));
        line(r + 4, QStringLiteral("=PT100(AD1采样电阻0.1)"));
        line(r + 5, QStringLiteral("=PT100(AD2采样电阻0.1)"));
    }
    return lines;
}

QStringList daRegisterHint(int r, const QString &caption)
{
    return {caption + QString::number(r) + QStringLiteral("=DA1输出值(0~20000)"),
            caption + QString::number(r + 1) + QStringLiteral("=DA1增益值(50~120%)")};
}

} // namespace brevix
