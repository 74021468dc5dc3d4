// Publishing the tracking item on a private session bus while programs advise it.
// One iteration is a tick's share: Publish and the event loop's turn after it. The
// advising clients live in a thread of their own, as they would in programs of
// their own; between ticks (not timed) every one of them is waited for, and the
// time from Publish until the last has the value is reported as a counter.
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
    bool lost = false;
    for (auto _ : state) {
        QElapsedTimer delivery;
        delivery.start();
        server.Publish(lines[expected & 1]);
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
    if (clientCount > 0)
        state.counters["all_advised_us"] =
            benchmark::Counter(deliveredSeconds * 1e6 / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_PublishTrackingItem)->Arg(0)->Arg(20)->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kelvora
