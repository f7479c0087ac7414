#include "instanceclaim.h"

#include <QDir>

namespace brevix::pelvane {

InstanceClaim::InstanceClaim(const QString &workFolder)
{
    const QString folder = workFolder + QStringLiteral("/Pelvane");
    QDir().mkpath(folder);
    for (int n = 1; n <= kMaxInstances; ++n) {
        auto lock = std::make_unique<QLockFile>(folder + QStringLiteral("/Instance%1.lock").arg(n));
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            m_number = n;
            m_lock = std::move(lock);
            return;
        }
    }
}

} // namespace brevix::pelvane
