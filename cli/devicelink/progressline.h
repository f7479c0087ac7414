#pragma once

#include <QString>
#include <QTextStream>

namespace brevix::cli {

// One terminal line rewritten in place: " 45%  67.0 KB / 148.4 KB  KX.bin".
class ProgressLine
{
public:
    explicit ProgressLine(QTextStream &stream) : m_stream(stream) {}
    void show(qint64 done, qint64 total, const QString &what);
    // Ends the line in progress, if any, before other output.
    void finish();
    static QString text(qint64 done, qint64 total, const QString &what);

private:
    QTextStream &m_stream;
    bool m_open = false;
};

} // namespace brevix::cli
