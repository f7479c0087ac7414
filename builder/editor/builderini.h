#pragma once

#include "model/savebackupsettings.h"

#include <QString>

namespace brevix {

// The editor's per-user settings, Builder.ini section "configure".
struct BuilderSettings
{
    // Colour values 0xFF0000nn stand for system colour n (0x0B: the inactive border).
    static constexpr unsigned kSystemInactiveBorder = 0xFF00000Bu;

    int griddingColor = int(kSystemInactiveBorder); // "GriddingColor"
    int gridX = 32;                                 // "GriX", 2..72
    int gridY = 16;                                 // "GriY", 2..72
    int comPort = 0;                                // "ComPort"
    int downMode = 0;                               // "DownMode"
    bool chinese = true;                            // "Language"
    bool fontOptimisation = false;                  // "N23"
    bool showGrid = true;                           // "N2"
    SaveBackupSettings saveBackup;                  // "AutoSavBakFun", ..Interval, "AutoTempBakFun"
    QString lastFileOpenItem = QStringLiteral("最近文件"); // "LastFileOpenItem"

    // Reads path; a missing file gives the defaults above, a missing key its own default.
    static BuilderSettings read(const QString &path);
    bool write(const QString &path) const;

    // ~/.config/Brevix/Builder.ini (the folder is created when written).
    static QString defaultPath();
};

// The caption of the recent-file item is "&1 " + path; the path is the rest from its fourth
// character on.
QString recentItemCaption(const QString &path);
QString pathFromRecentItem(const QString &caption);

} // namespace brevix
