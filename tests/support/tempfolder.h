#pragma once

#include <QTemporaryDir>

// A temporary folder whose path has a blank in it, so every path is quoted correctly.
class TempFolder
{
public:
    TempFolder() : m_dir(QDir::tempPath() + QStringLiteral("/brevix test-XXXXXX")) {}
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    bool isValid() const { return m_dir.isValid(); }

private:
    QTemporaryDir m_dir;
};
