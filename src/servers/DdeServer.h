#pragma once
// The server side of a conversation: one service and one topic on a D-Bus
// connection, items holding byte values. Requests read an item, pokes replace it,
// every setting of an item goes to the advise loops as the Advise signal. Macros
// go to OnExecute when someone listens; otherwise they are not acted on.

#include <QByteArray>
#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

namespace kelvora {

class TDdeServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kelvora.Dde")
public:
    // Registers at once; Registered() tells whether the bus took the name and path.
    TDdeServer(QDBusConnection bus, const QString& service, const QString& topic);
    ~TDdeServer() override;

    bool Registered() const { return registered_; }
    // Sets the item's value and notifies the advise loops, changed or not.
    void SetItem(const QString& item, const QByteArray& value);
    QByteArray Item(const QString& item) const { return items_.value(item); }

    std::function<void(const QString& macro)> OnExecute;
    std::function<void(const QString& item, const QByteArray& value)> OnPoke;

public slots:  // the D-Bus interface, and only it
    QByteArray Request(const QString& item);
    void Poke(const QString& item, const QByteArray& value);
    void Execute(const QString& macro);

signals:
    void Advise(const QString& item, const QByteArray& value);

private:
    QDBusConnection bus_;
    QString busName_;
    QString path_;
    bool registered_ = false;
    QHash<QString, QByteArray> items_;
};

}  // namespace kelvora
