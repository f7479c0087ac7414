#include "text/message.h"

namespace brevix {

Result Result::failure(Message message)
{
    Result r;
    r.m_ok = false;
    r.m_message = std::move(message);
    return r;
}

Result Result::failure(const QString &zh, const QString &en)
{
    return failure(Message{zh, en});
}

} // namespace brevix
