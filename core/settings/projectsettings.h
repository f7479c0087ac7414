#pragma once

#include "model/pagerecord.h"

#include <QByteArray>
#include <cstdint>

namespace brevix {

// Named access to the working parameters kept in the settings record's cells. The cells are
// the file format; these names only say what each one means. Getters read the cell as stored;
// the rules that need ranges or the device lists live in settingsrules.h.
class ProjectSettings
{
public:
    explicit ProjectSettings(ProjectRecord &record) : r(record) {}

    // Panel and pages.
    int PanelModel() const { return r.WordA[0] & 0x3F; }
    void setPanelModel(int v) { r.WordA[0] = std::uint16_t(v); }
    int StartLanguage() const { return r.ByteA[0]; }
    void setStartLanguage(int v) { r.ByteA[0] = std::uint8_t(v); }
    int InitialPage() const { return r.LongA[3]; }
    void setInitialPage(int v) { r.LongA[3] = v; }
    int ScreenSaverMinutes() const { return r.LongA[4]; }
    void setScreenSaverMinutes(int v) { r.LongA[4] = v; }
    int FocusColor() const { return r.LongA[6]; }
    void setFocusColor(int v) { r.LongA[6] = v; }
    int PasswordPage() const { return r.LongA[7]; }
    void setPasswordPage(int v) { r.LongA[7] = v; }
    QByteArray SuperPassword() const { return r.TextA[0].bytes(); }
    void setSuperPassword(const QByteArray &v) { r.TextA[0].setBytes(v.left(50)); }

    // Page switching and reporting between panel and controller.
    bool AutoPageSwitch() const { return r.ByteB[0] != 0; }
    void setAutoPageSwitch(bool v) { r.ByteB[0] = v ? 1 : 0; }
    bool ReportPage() const { return r.ByteB[1] != 0; }
    void setReportPage(bool v) { r.ByteB[1] = v ? 1 : 0; }
    int PageSwitchRegister() const { return r.LongA[10]; }
    void setPageSwitchRegister(int v) { r.LongA[10] = v; }
    int PageReportRegister() const { return r.LongA[11]; }
    void setPageReportRegister(int v) { r.LongA[11] = v; }

    // Link 1 (index 0) and link 2 (index 1) line settings.
    int LinkParity(int link) const { return r.Left[link & 1]; }
    void setLinkParity(int link, int v) { r.Left[link & 1] = std::uint16_t(v); }
    int LinkDataBits(int link) const { return r.Top[link & 1]; }
    void setLinkDataBits(int link, int v) { r.Top[link & 1] = std::uint16_t(v); }
    int LinkStopBits(int link) const { return r.Width[link & 1]; }
    void setLinkStopBits(int link, int v) { r.Width[link & 1] = std::uint16_t(v); }
    int LinkDeviceSort(int link) const { return r.Height[link & 1]; }
    void setLinkDeviceSort(int link, int v) { r.Height[link & 1] = std::uint16_t(v); }
    int Link1StationId() const { return r.LongA[0]; }
    void setLink1StationId(int v) { r.LongA[0] = v; }
    int Link1Baud() const { return r.LongA[1]; }
    void setLink1Baud(int v) { r.LongA[1] = v; }
    int Link1Timeout() const { return r.LongA[2]; }
    void setLink1Timeout(int v) { r.LongA[2] = v; }
    int Link1Port() const { return r.LongA[30]; }
    void setLink1Port(int v) { r.LongA[30] = v; }
    bool Link1FailAlarm() const { return r.ByteB[3] != 0; }
    void setLink1FailAlarm(bool v) { r.ByteB[3] = v ? 1 : 0; }
    int Link2StationId() const { return r.LongA[20]; }
    void setLink2StationId(int v) { r.LongA[20] = v; }
    int Link2Baud() const { return r.LongA[21]; }
    void setLink2Baud(int v) { r.LongA[21] = v; }
    int Link2Timeout() const { return r.LongA[22]; }
    void setLink2Timeout(int v) { r.LongA[22] = v; }
    int Link2Port() const { return r.LongA[31]; }
    void setLink2Port(int v) { r.LongA[31] = v; }
    // The project has a second link (the check's link rule is active while it has none).
    bool SecondLinkUsed() const { return r.ByteB[5] != 0; }
    void setSecondLinkUsed(bool v) { r.ByteB[5] = v ? 1 : 0; }
    int Rs485IdMode() const { return r.LongA[12]; }
    void setRs485IdMode(int v) { r.LongA[12] = v; }
    int RegistersPerId() const { return r.LongA[13]; }
    void setRegistersPerId(int v) { r.LongA[13] = v; }

    // Keys, LEDs and panel options.
    bool ExtendedLeds() const { return r.ByteB[4] != 0; }
    void setExtendedLeds(bool v) { r.ByteB[4] = v ? 1 : 0; }
    bool ClockMacro() const { return r.ByteC[0] != 0; }
    void setClockMacro(bool v) { r.ByteC[0] = v ? 1 : 0; }
    bool ExtendedKeys() const { return r.ByteC[1] != 0; }
    void setExtendedKeys(bool v) { r.ByteC[1] = v ? 1 : 0; }
    bool NoDigitKeys() const { return r.ByteC[2] != 0; }
    void setNoDigitKeys(bool v) { r.ByteC[2] = v ? 1 : 0; }
    bool BoldFocusCursor() const { return r.ByteC[5] != 0; }
    void setBoldFocusCursor(bool v) { r.ByteC[5] = v ? 1 : 0; }
    int HomeKeyAction() const { return r.LongA[55]; }
    void setHomeKeyAction(int v) { r.LongA[55] = v; }
    int KeyRegister() const { return r.WordA[10]; }
    void setKeyRegister(int v) { r.WordA[10] = std::uint16_t(v); }
    int LedRegister() const { return r.WordA[12]; }
    void setLedRegister(int v) { r.WordA[12] = std::uint16_t(v); }

    // Analogue block.
    int AdInputType() const { return r.WordA[18]; }
    void setAdInputType(int v) { r.WordA[18] = std::uint16_t(v); }
    int DaOutputType() const { return r.WordA[19]; }
    void setDaOutputType(int v) { r.WordA[19] = std::uint16_t(v); }
    int AdRegister() const { return r.WordA[20]; }
    void setAdRegister(int v) { r.WordA[20] = std::uint16_t(v); }
    int DaRegister() const { return r.WordA[21]; }
    void setDaRegister(int v) { r.WordA[21] = std::uint16_t(v); }

    // Fast read and write areas.
    int FastReadDevice() const { return r.LongA[60]; }
    void setFastReadDevice(int v) { r.LongA[60] = v; }
    int FastReadStart() const { return r.LongA[61]; }
    void setFastReadStart(int v) { r.LongA[61] = v; }
    int FastReadLength() const { return r.LongA[62]; }
    void setFastReadLength(int v) { r.LongA[62] = v; }
    bool GlobalFastWrite() const { return r.WordA[15] != 0; }
    void setGlobalFastWrite(bool v) { r.WordA[15] = v ? 1 : 0; }
    int FastWriteStart() const { return r.WordA[16]; }
    void setFastWriteStart(int v) { r.WordA[16] = std::uint16_t(v); }
    int FastWriteLength() const { return r.WordA[17]; }
    void setFastWriteLength(int v) { r.WordA[17] = std::uint16_t(v); }

    // Editor defaults for new pages and texts.
    int PageDefaultBackColor() const { return r.LongA[50]; }
    void setPageDefaultBackColor(int v) { r.LongA[50] = v; }
    int DefaultFont() const { return r.LongA[51]; }
    void setDefaultFont(int v) { r.LongA[51] = v; }
    int TextDefaultBackColor() const { return r.LongA[52]; }
    void setTextDefaultBackColor(int v) { r.LongA[52] = v; }
    int TextDefaultForeColor() const { return r.LongA[53]; }
    void setTextDefaultForeColor(int v) { r.LongA[53] = v; }

    // CAN bus.
    int CanFunction() const { return r.LongB[0]; }
    void setCanFunction(int v) { r.LongB[0] = v; }
    int CanBaud() const { return r.LongB[1]; }
    void setCanBaud(int v) { r.LongB[1] = v; }
    int CanFrameFormat() const { return r.LongB[2]; }
    void setCanFrameFormat(int v) { r.LongB[2] = v; }
    int CanFrameType() const { return r.LongB[3]; }
    void setCanFrameType(int v) { r.LongB[3] = v; }
    int CanNodeId() const { return r.LongB[4]; }
    void setCanNodeId(int v) { r.LongB[4] = v; }
    int CanNodeStart() const { return r.LongB[5]; }
    void setCanNodeStart(int v) { r.LongB[5] = v; }
    int TpdoInhibit() const { return r.LongB[6]; }
    void setTpdoInhibit(int v) { r.LongB[6] = v; }
    int CanShareId() const { return r.LongB[7]; }
    void setCanShareId(int v) { r.LongB[7] = v; }
    int CanShareAccept3() const { return r.LongB[8]; }
    void setCanShareAccept3(int v) { r.LongB[8] = v; }
    int CanShareAccept4() const { return r.LongB[9]; }
    void setCanShareAccept4(int v) { r.LongB[9] = v; }
    int CanShareAccept5() const { return r.LongB[10]; }
    void setCanShareAccept5(int v) { r.LongB[10] = v; }
    int CanRtuId() const { return r.LongB[11]; }
    void setCanRtuId(int v) { r.LongB[11] = v; }
    int CanRtuAccept() const { return r.LongB[12]; }
    void setCanRtuAccept(int v) { r.LongB[12] = v; }

    // Recipes.
    int RecipePlcAddress() const { return r.LongB[15]; }
    void setRecipePlcAddress(int v) { r.LongB[15] = v; }
    int RecipeLength() const { return r.LongB[16]; }
    void setRecipeLength(int v) { r.LongB[16] = v; }
    int RecipeCount() const { return r.LongB[17]; }
    void setRecipeCount(int v) { r.LongB[17] = v; }
    bool RecipeEnable() const { return r.LongB[18] == 1; }
    void setRecipeEnable(bool v) { r.LongB[18] = v ? 1 : 0; }

    // Alarm list.
    int AlarmDeviceKind() const { return r.WordA[100]; }
    void setAlarmDeviceKind(int v) { r.WordA[100] = std::uint16_t(v); }
    int AlarmStartRegister() const { return r.WordA[101]; }
    void setAlarmStartRegister(int v) { r.WordA[101] = std::uint16_t(v); }
    int AlarmCount() const { return r.WordA[102]; }
    void setAlarmCount(int v) { r.WordA[102] = std::uint16_t(v); }
    int AlarmRecordCount() const { return r.WordA[103]; }
    void setAlarmRecordCount(int v) { r.WordA[103] = std::uint16_t(v); }
    // Alarm k = 1..80 in language one and two; other k give an empty text.
    QByteArray AlarmTextLang1(int k) const
    {
        return validAlarm(k) ? r.TextA[99 + k].bytes() : QByteArray();
    }
    void setAlarmTextLang1(int k, const QByteArray &v)
    {
        if (validAlarm(k))
            r.TextA[99 + k].setBytes(v);
    }
    QByteArray AlarmTextLang2(int k) const
    {
        return validAlarm(k) ? r.TextB[99 + k].bytes() : QByteArray();
    }
    void setAlarmTextLang2(int k, const QByteArray &v)
    {
        if (validAlarm(k))
            r.TextB[99 + k].setBytes(v);
    }

    static constexpr int kMaxAlarms = 80;
    static bool validAlarm(int k) { return k >= 1 && k <= kMaxAlarms; }

private:
    ProjectRecord &r;
};

} // namespace brevix
