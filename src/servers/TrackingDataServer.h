#pragma once
// The tracking data server: the program's own service (its file name before the
// first "."), topic "MiradDdeConv", one item "MiradDdeItem" that the tick renews.

#include <QByteArray>
#include <QDBusConnection>
#include <QString>
#include <memory>

namespace kelvora {

class TDdeServer;

class ITrackingDataServer {
public:
    virtual ~ITrackingDataServer() = default;
    // The item's new value, CR LF included; the advise loops hear of it.
    virtual void Publish(const QByteArray& value) = 0;
};

class TNullTrackingDataServer final : public ITrackingDataServer {
public:
    void Publish(const QByteArray&) override {}
};

inline constexpr char kTrackingTopic[] = "MiradDdeConv";
inline constexpr char kTrackingItem[] = "MiradDdeItem";

// "kelvoraiss" for "/usr/bin/kelvoraiss", "Kelvora" for "Kelvora.bin.exe".
QString ProgramServiceName(const QString& programPath);

class TTrackingDataServer final : public ITrackingDataServer {
public:
    // Registers the service at once; without a bus it publishes nowhere.
    TTrackingDataServer(QDBusConnection bus, const QString& service);
    ~TTrackingDataServer() override;

    void Publish(const QByteArray& value) override;
    bool Registered() const;
    QByteArray Value() const;  // what a request returns now

private:
    std::unique_ptr<TDdeServer> server_;
};

}  // namespace kelvora
