#include "TrackingDataServer.h"

#include "DdeServer.h"

#include <QFileInfo>

namespace kelvora {

QString ProgramServiceName(const QString& programPath) { return QFileInfo(programPath).fileName().section('.', 0, 0); }

TTrackingDataServer::TTrackingDataServer(QDBusConnection bus, const QString& service)
    : server_(std::make_unique<TDdeServer>(bus, service, kTrackingTopic)) {}

TTrackingDataServer::~TTrackingDataServer() = default;

void TTrackingDataServer::Publish(const QByteArray& value) { server_->SetItem(kTrackingItem, value); }

QByteArray TTrackingDataServer::Value() const { return server_->Item(kTrackingItem); }

bool TTrackingDataServer::Registered() const { return server_->Registered(); }

}  // namespace kelvora
