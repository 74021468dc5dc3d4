#pragma once
// Waiting for something another program or thread does, through the event loop.

#include <QCoreApplication>
#include <QElapsedTimer>

namespace kelvora::test {

// Runs the event loop until the condition holds or the limit passes.
template <class Condition>
bool PollUntil(Condition condition, int limitMs = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > limitMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

}  // namespace kelvora::test
