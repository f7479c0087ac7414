#include "model/savebackupsettings.h"

namespace brevix {

namespace {
const QString kSection = QStringLiteral("configure/");
}

SaveBackupSettings SaveBackupSettings::read(const QSettings &ini)
{
    SaveBackupSettings s;
    s.autoSave = ini.value(kSection + QStringLiteral("AutoSavBakFun"), 1).toInt() == 1;
    s.intervalMinutes = ini.value(kSection + QStringLiteral("AutoSavBakInterval"), 5).toInt();
    if (s.intervalMinutes < 1)
        s.intervalMinutes = 1;
    s.backupOnSave = ini.value(kSection + QStringLiteral("AutoTempBakFun"), 0).toInt() == 1;
    return s;
}

void SaveBackupSettings::write(QSettings &ini) const
{
    ini.setValue(kSection + QStringLiteral("AutoSavBakFun"), autoSave ? 1 : 0);
    ini.setValue(kSection + QStringLiteral("AutoSavBakInterval"), intervalMinutes);
    ini.setValue(kSection + QStringLiteral("AutoTempBakFun"), backupOnSave ? 1 : 0);
}

int autoSaveIntervalFromText(const QString &text)
{
    bool ok = false;
    const int value = text.left(2).toInt(&ok);
    return (ok && value >= 1) ? value : 1;
}

} // namespace brevix
