#pragma once

#include <QObject>
#include <functional>

namespace brevix {

// Waits `ms` milliseconds in a local event loop, so windows stay alive and serial data keeps
// arriving while the protocol pauses.
void waitLettingEventsRun(int ms);

// Runs up to `maxCycles` cycles of `cycleMs` each in a local event loop and returns as soon as
// `done()` holds, checked whenever `source` emits `signal` and at the end of every cycle.
// Returns the number of the cycle during which it held (1-based), or 0 when it never did.
template <typename Sender, typename Signal>
int waitCycles(int cycleMs, int maxCycles, const std::function<bool()> &done, const Sender *source,
               Signal signal);

int waitCyclesImpl(int cycleMs, int maxCycles, const std::function<bool()> &done,
                   const std::function<QMetaObject::Connection(std::function<void()>)> &hook);

template <typename Sender, typename Signal>
int waitCycles(int cycleMs, int maxCycles, const std::function<bool()> &done, const Sender *source,
               Signal signal)
{
    return waitCyclesImpl(cycleMs, maxCycles, done, [source, signal](std::function<void()> slot) {
        return QObject::connect(source, signal, source, std::move(slot));
    });
}

} // namespace brevix
