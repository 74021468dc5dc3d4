// Publishing the tracking item on a private session bus while programs advise it.
// One iteration is a tick's share: Publish and the event loop's turn after it.
// Between ticks (not timed) every advising client is waited for; the time from
// Publish until the last has the value is the counter all_advised_us, Publish
// alone is publish_us. The clients run in a thread of this process: they share
// its D-Bus connection thread with the publisher, so the wall time with 20 of
// them is an upper bound of what clients in programs of their own cost the tick.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QThread>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "DdeClient.h"
#include "PrivateSessionBus.h"
#include "ServerBenchParts.h"
#include "TrackingDataServer.h"

namespace kelvora {
namespace {

using test::PrivateSessionBus;

// The advising clients, each on its own bus connection, counting what they hear.
class AdvisingClients final : public QThread {
public:
    explicit AdvisingClients(int count) : count_(count) {}
    ~AdvisingClients() override {
        quit();
        wait();
    }

    // Starts the thread; false when an advise loop could not be set up.
    bool StartAll() {
        start();
        QElapsedTimer timer;
        timer.start();
        while (ready_.load() == 0) {
            if (timer.elapsed() > 5000) return false;
            QThread::yieldCurrentThread();
        }
        return ready_.load() > 0;
    }
    long long Advised() const { return advised_.load(); }

protected:
    void run() override {
        std::vector<std::unique_ptr<TDdeClient>> clients;
        bool ok = true;
        for (int i = 0; i < count_; ++i) {
            clients.push_back(std::make_unique<TDdeClient>(
                PrivateSessionBus::Connection(QStringLiteral("advising-%1").arg(i)), "kelvoraiss", kTrackingTopic));
            ok = ok && clients.back()->StartAdvise([this](const QString&, const QByteArray&) { ++advised_; });
        }
        ready_ = ok ? 1 : -1;
        if (ok) exec();
        clients.clear();
        for (int i = 0; i < count_; ++i) QDBusConnection::disconnectFromBus(QStringLiteral("advising-%1").arg(i));
    }

private:
    int count_;
    std::atomic<int> ready_{0};
    std::atomic<long long> advised_{0};
};

void BM_PublishTrackingItem(benchmark::State& state) {
    const int clientCount = static_cast<int>(state.range(0));
    state.SetLabel(std::to_string(clientCount) + " advising clients");
    bench::EnsureApplication();
    if (PrivateSessionBus::Address().isEmpty()) return state.SkipWithError("no dbus-daemon");
    TTrackingDataServer server(PrivateSessionBus::Connection("tracker"), "kelvoraiss");
    if (!server.Registered()) return state.SkipWithError("the tracking data server did not register");
    AdvisingClients clients(clientCount);
    if (clientCount > 0 && !clients.StartAll()) return state.SkipWithError("the advise loops did not start");
    // The match rules of the advise loops reach the bus before the first tick.
    bench::IdleFor(50);

    const QByteArray lines[] = {"SNISS AZ123.4 EL5.1 UP145200000 UMFM DN145800123 DMFM MA12.3 RR-6.5\r\n",
                                "SNISS AZ123.6 EL5.2 UP145200000 UMFM DN145800119 DMFM MA12.4 RR-6.5\r\n"};
    long long expected = 0;
    double deliveredSeconds = 0.0;
    double publishSeconds = 0.0;  // Publish alone, without the event loop's turn
    bool lost = false;
    for (auto _ : state) {
        QElapsedTimer delivery;
        delivery.start();
        server.Publish(lines[expected & 1]);
        publishSeconds += static_cast<double>(delivery.nsecsElapsed()) * 1e-9;
        QCoreApplication::processEvents();
        state.PauseTiming();
        expected += clientCount;
        while (clients.Advised() < expected && !lost) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            lost = delivery.elapsed() > 5000;
        }
        deliveredSeconds += static_cast<double>(delivery.nsecsElapsed()) * 1e-9;
        state.ResumeTiming();
        if (lost) break;
    }
    if (lost) return state.SkipWithError("an advising client did not get the item within 5 s");
    const auto perTickUs = [&](double seconds) {
        return benchmark::Counter(seconds * 1e6 / static_cast<double>(state.iterations()));
    };
    state.counters["publish_us"] = perTickUs(publishSeconds);
    if (clientCount > 0) state.counters["all_advised_us"] = perTickUs(deliveredSeconds);
}
BENCHMARK(BM_PublishTrackingItem)->Arg(0)->Arg(20)->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kelvora
