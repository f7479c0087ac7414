#pragma once

#include "panelemulator.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <vector>

// A deterministic byte pattern of `size` bytes that differs per seed.
inline QByteArray patternBytes(int size, std::uint32_t seed)
{
    QByteArray out(size, '\0');
    for (int i = 0; i < size; ++i) {
        seed = seed * 1664525u + 1013904223u;
        out[i] = static_cast<char>(seed >> 24);
    }
    return out;
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray toBytes(const std::vector<std::uint8_t> &v)
{
    return QByteArray(reinterpret_cast<const char *>(v.data()), static_cast<int>(v.size()));
}

inline QString hostPort(const panelemu::PanelEmulator &emulator)
{
    return QString::fromStdString(emulator.hostPath());
}
