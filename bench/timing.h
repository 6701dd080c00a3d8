#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <functional>

// The best of several runs, in milliseconds: the least disturbed by the rest of the machine.
inline double best(int runs, const std::function<void()> &work)
{
    double fastest = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        fastest = std::min(fastest, timer.nsecsElapsed() / 1e6);
    }
    return fastest;
}
