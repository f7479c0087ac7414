#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace brevix::pelvane {

constexpr int kMaxInstances = 8;

// Claims the lowest free instance number 1..8 by a lock file in the working folder; the lock
// is held until the object dies (a crashed instance's stale lock is taken over).
class InstanceClaim
{
public:
    explicit InstanceClaim(const QString &workFolder);
    bool claimed() const { return m_number > 0; }
    int number() const { return m_number; }

private:
    int m_number = 0;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace brevix::pelvane
