#include "devicelink/progressline.h"

namespace brevix::cli {

QString ProgressLine::text(qint64 done, qint64 total, const QString &what)
{
    const int percent = total > 0 ? static_cast<int>(done * 100 / total) : 100;
    return QStringLiteral("%1%  %2 KB / %3 KB  %4")
        .arg(percent, 3)
        .arg(done / 1024.0, 0, 'f', 1)
        .arg(total / 1024.0, 0, 'f', 1)
        .arg(what);
}

void ProgressLine::show(qint64 done, qint64 total, const QString &what)
{
    m_stream << '\r' << text(done, total, what) << "   ";
    m_stream.flush();
    m_open = true;
}

void ProgressLine::finish()
{
    if (m_open)
        m_stream << '\n';
    m_stream.flush();
    m_open = false;
}

} // namespace brevix::cli
