#include "SetupProbes.h"

#include "IcomCiv.h"
#include "ServerSetup.h"

#include <QElapsedTimer>
#include <QTcpSocket>

namespace kelvora {

namespace {
QString Shown(const std::string& bytes) {
    QString text;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F) text += QChar(b);
        else text += QStringLiteral("<%1>").arg(b, 2, 16, QChar('0')).toUpper();
    }
    return text;
}

QString Hex(const std::string& bytes) {
    QStringList parts;
    for (const char c : bytes)
        parts << QStringLiteral("%1").arg(static_cast<unsigned char>(c), 2, 16, QChar('0')).toUpper();
    return parts.join(' ');
}

QString KHzText(double kHz) { return QString::number(kHz, 'f', 3) + " kHz"; }
}  // namespace

std::optional<double> KenwoodFrequencyAnswer(std::string_view answer) {
    const std::size_t at = answer.find("FA");
    if (at == std::string_view::npos || answer.size() < at + 14 || answer[at + 13] != ';') return std::nullopt;
    long long hz = 0;
    for (std::size_t i = at + 2; i < at + 13; ++i) {
        if (answer[i] < '0' || answer[i] > '9') return std::nullopt;
        hz = hz * 10 + (answer[i] - '0');
    }
    return static_cast<double>(hz) / 1000.0;
}

QString ProbeRadio(ISerialPort& port, const TCatRadioSetup& radio, const TSerialSettings& settings,
                   std::chrono::milliseconds wait) {
    const QString device = QString::fromStdString(settings.DevicePath);
    std::string error;
    if (!port.Open(settings, &error))
        return QStringLiteral("%1 could not be opened: %2").arg(device, QString::fromStdString(error));
    port.SetRts(settings.Rts);
    port.SetDtr(settings.Dtr);
    const QString opened = QStringLiteral("%1 opened at %2 baud").arg(device).arg(settings.BaudRate);
    if (radio.Family == TRadioFamily::Icom) {
        const TIcomCiv icom(IcomModelOf(radio.Model), radio.IcomRxAddress, radio.IcomTxAddress);
        port.ClearInput();
        port.Write(icom.ReadFrequency());
        port.WaitForInput(kIcomAnswerBytes, wait);
        TCatBytes answer;
        port.ReadAll(&answer);
        if (answer.empty()) return opened + ": no answer to \"read frequency\".";
        if (const auto f = icom.ParseFrequencyAnswer(answer))
            return opened + ": the radio answers " + KHzText(f->KHz) + ".";
        return opened + ": answer not understood: " + Hex(answer);
    }
    if (radio.Family == TRadioFamily::Kenwood) {
        port.ClearInput();
        port.Write("FA;");
        port.WaitForInput(13, wait);
        TCatBytes answer;
        port.ReadAll(&answer);
        if (answer.empty()) return opened + ": no answer to \"FA;\".";
        if (const auto kHz = KenwoodFrequencyAnswer(answer))
            return opened + ": the radio answers " + KHzText(*kHz) + ".";
        return opened + ": answer not understood: " + Shown(answer);
    }
    return opened + ". Yaesu radios are not asked anything.";
}

QString ProbeHamlibServer(const QString& address, const QByteArray& command, int answerLines,
                          std::chrono::milliseconds wait) {
    QString host;
    quint16 portNumber = 0;
    if (!ParseServerAddress(address.trimmed(), &host, &portNumber))
        return QStringLiteral("\"%1\" is not host:port").arg(address.trimmed());
    QTcpSocket socket;
    QElapsedTimer clock;
    clock.start();
    const auto left = [&] { return int(std::max<qint64>(0, wait.count() - clock.elapsed())); };
    socket.connectToHost(host, portNumber);
    if (!socket.waitForConnected(left())) return "No connection to " + address.trimmed() + ": " + socket.errorString();
    socket.write(command + "\n");
    socket.waitForBytesWritten(left());
    QByteArray answer;
    while (answer.count('\n') < answerLines && left() > 0 && socket.state() == QAbstractSocket::ConnectedState) {
        socket.waitForReadyRead(left());
        answer += socket.readAll();
        if (answer.startsWith("RPRT")) break;  // an error is one line
    }
    answer += socket.readAll();
    socket.abort();
    const QString text = QString::fromLatin1(answer).trimmed().replace('\n', ' ');
    if (text.isEmpty()) return "No answer to \"" + QString::fromLatin1(command) + "\" from " + address.trimmed();
    return QString::fromLatin1(command) + ": " + text;
}

}  // namespace kelvora
