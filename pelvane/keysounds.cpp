#include "keysounds.h"

#include "model/datafolder.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace brevix::pelvane {

KeySounds::KeySounds(const QString &folder, QObject *parent) : QObject(parent), m_folder(folder) {}

QString KeySounds::defaultFolder()
{
    return dataFile(QStringLiteral("Sounds"));
}

QString KeySounds::digitFile(int digit)
{
    return QStringLiteral("T0%1.wav").arg(digit);
}

QString KeySounds::putFile()
{
    return QStringLiteral("PUT.wav");
}

void KeySounds::play(const QString &fileName)
{
    const QString path = m_folder + QLatin1Char('/') + fileName;
    auto found = m_effects.find(fileName);
    if (found == m_effects.end()) {
        if (!QFileInfo::exists(path))
            return;
        auto *effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
        found = m_effects.emplace(fileName, effect).first;
    }
    // Restarting an effect that never left "playing" (no audio device) must not block.
    found->second->stop();
    found->second->play();
}

} // namespace brevix::pelvane
