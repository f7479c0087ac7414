#include "devicelink/eventwait.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace brevix {

void waitLettingEventsRun(int ms)
{
    if (ms <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

int waitCyclesImpl(int cycleMs, int maxCycles, const std::function<bool()> &done,
                   const std::function<QMetaObject::Connection(std::function<void()>)> &hook)
{
    if (done())
        return 1;
    QEventLoop loop;
    int cycle = 1;
    int heldIn = 0;
    const auto check = [&] {
        if (heldIn == 0 && done()) {
            heldIn = cycle;
            loop.quit();
        }
    };
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        check();
        if (heldIn != 0)
            return;
        if (cycle >= maxCycles) {
            loop.quit();
            return;
        }
        ++cycle;
    });
    const QMetaObject::Connection arrival = hook(check);
    tick.start(cycleMs);
    loop.exec();
    QObject::disconnect(arrival);
    return heldIn;
}

} // namespace brevix
