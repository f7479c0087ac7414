#pragma once

#include <QString>

namespace brevix {

// The working folder: KX.bin, SPI.bin, G1.Temp, G2.Temp, MCopy.Temp, store templates, the
// simulator's run folders. $BREVIX_WORKDIR, or ~/.local/share/Brevix/work; created 0700.
class WorkFolder
{
public:
    WorkFolder();                             // from the environment
    explicit WorkFolder(const QString &path); // an explicit folder (tests, tools)

    const QString &path() const { return m_path; }
    QString file(const QString &name) const;
    bool ensureExists() const;

    // "G1.Temp" and "G2.Temp": deleted at start, after each save, after a failed open, at exit.
    void removeSaveOpenTemps() const;
    // The temps and "MCopy.Temp", as the editor does when it closes.
    void removeAllWorkingFiles() const;

    static QString defaultPath();

private:
    QString m_path;
};

inline const QString kSaveTempPlain = QStringLiteral("G1.Temp");
inline const QString kSaveTempPacked = QStringLiteral("G2.Temp");
inline const QString kClipboardRecordFile = QStringLiteral("MCopy.Temp");

} // namespace brevix

namespace brevix {

// Qt wants XDG_RUNTIME_DIR; on a bare session or CI it may be unset. Creates a private one
// named by the user id. Call before the application object is made.
void prepareRuntimeEnvironment();

} // namespace brevix
