#pragma once

#include <QObject>
#include <QString>
#include <map>

class QSoundEffect;

namespace brevix::pelvane {

// Key clicks of the keypad: "PUT.wav" and "T0" + digit + ".wav" in a sounds folder. Played
// asynchronously; a missing file or no audio device stays silent and never waits.
class KeySounds : public QObject
{
    Q_OBJECT
public:
    explicit KeySounds(const QString &folder, QObject *parent = nullptr);
    static QString defaultFolder();
    static QString digitFile(int digit);
    static QString putFile();

    void play(const QString &fileName);
    const QString &folder() const { return m_folder; }

private:
    QString m_folder;
    std::map<QString, QSoundEffect *> m_effects;
};

} // namespace brevix::pelvane
