#include "editor/builderini.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

namespace brevix {

namespace {
const QString kSection = QStringLiteral("configure/");

int gridStep(const QSettings &ini, const char *key, int fallback)
{
    return std::clamp(ini.value(kSection + QLatin1String(key), fallback).toInt(), 2, 72);
}
} // namespace

BuilderSettings BuilderSettings::read(const QString &path)
{
    BuilderSettings s;
    if (!QFileInfo::exists(path))
        return s; // a missing file is no error: every value keeps its default
    QSettings ini(path, QSettings::IniFormat);
    s.griddingColor =
        ini.value(kSection + QStringLiteral("GriddingColor"), s.griddingColor).toInt();
    s.gridX = gridStep(ini, "GriX", 32);
    s.gridY = gridStep(ini, "GriY", 16);
    s.comPort = ini.value(kSection + QStringLiteral("ComPort"), 0).toInt();
    s.downMode = ini.value(kSection + QStringLiteral("DownMode"), 0).toInt();
    s.chinese = ini.value(kSection + QStringLiteral("Language"), true).toBool();
    s.fontOptimisation = ini.value(kSection + QStringLiteral("N23"), false).toBool();
    s.showGrid = ini.value(kSection + QStringLiteral("N2"), true).toBool();
    s.saveBackup = SaveBackupSettings::read(ini);
    // With the file present but the key absent the item keeps the current project path (none).
    s.lastFileOpenItem =
        ini.value(kSection + QStringLiteral("LastFileOpenItem"), QString()).toString();
    return s;
}

bool BuilderSettings::write(const QString &path) const
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings ini(path, QSettings::IniFormat);
    ini.setValue(kSection + QStringLiteral("GriddingColor"), griddingColor);
    ini.setValue(kSection + QStringLiteral("GriX"), gridX);
    ini.setValue(kSection + QStringLiteral("GriY"), gridY);
    ini.setValue(kSection + QStringLiteral("ComPort"), comPort);
    ini.setValue(kSection + QStringLiteral("DownMode"), downMode);
    ini.setValue(kSection + QStringLiteral("Language"), chinese);
    ini.setValue(kSection + QStringLiteral("N23"), fontOptimisation);
    ini.setValue(kSection + QStringLiteral("N2"), showGrid);
    saveBackup.write(ini);
    ini.setValue(kSection + QStringLiteral("LastFileOpenItem"), lastFileOpenItem);
    ini.sync();
    return ini.status() == QSettings::NoError;
}

QString BuilderSettings::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Brevix/Builder.ini");
}

QString recentItemCaption(const QString &path)
{
    return QStringLiteral("&1 ") + path;
}

QString pathFromRecentItem(const QString &caption)
{
    return caption.startsWith(QLatin1String("&1 ")) ? caption.mid(3) : QString();
}

} // namespace brevix
