#pragma once

#include <QSettings>
#include <QString>

namespace brevix {

// Automatic save and backup, as kept in Builder.ini section "configure".
struct SaveBackupSettings
{
    bool autoSave = true;      // "AutoSavBakFun"
    int intervalMinutes = 5;   // "AutoSavBakInterval"
    bool backupOnSave = false; // "AutoTempBakFun"

    static SaveBackupSettings read(const QSettings &ini);
    void write(QSettings &ini) const;
    int intervalMilliseconds() const { return intervalMinutes * 60000; }
};

// The interval edit of the save-and-backup dialog: at most two digits; a typed "0" means 1.
int autoSaveIntervalFromText(const QString &text);

} // namespace brevix
