#pragma once
// What the server benchmarks share: the application object the links' sockets
// and the bus connections expect, and a tick's idle time for the event loop.

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace kelvora::bench {

inline void EnsureApplication() {
    static int argc = 1;
    static char name[] = "bench_servers";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);  // lives until the process ends
}

// The rest of a tick: the event loop runs for the given time, so that answers,
// errors and deliveries are handled as between two ticks of the program.
inline void IdleFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace kelvora::bench
