#include "ConfigFile.h"

#include <QFile>
#include <QFileInfo>

namespace kelvora {

ConfigError::ConfigError(const QString& fileName, int line, const QString& message)
    : std::runtime_error((line > 0 ? QStringLiteral("%1, line %2: %3").arg(fileName).arg(line).arg(message)
                                   : QStringLiteral("%1: %2").arg(fileName, message))
                             .toStdString()),
      fileName_(fileName), line_(line), message_(message) {}

ConfigFile ConfigFile::Open(const QString& path) {
    QFile file(path);
    const QString name = QFileInfo(path).fileName();
    if (!file.exists()) throw ConfigError(name, 0, QStringLiteral("File not found"));
    if (!file.open(QIODevice::ReadOnly)) throw ConfigError(name, 0, QStringLiteral("Cannot read the file"));
    return ConfigFile(file.readAll(), name);
}

ConfigFile::ConfigFile(QByteArray bytes, QString displayName)
    : text_(bytes.toStdString()), name_(std::move(displayName)) {}

char ConfigFile::ReadChar() { return text_.ReadChar(); }

QString ConfigFile::ReadText() {
    const std::string_view line = text_.ReadLine();
    return QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
}

QByteArray ConfigFile::NextNumberToken() {
    const std::string_view token = text_.ReadNumberToken();
    lastToken_ = QByteArray(token.data(), static_cast<qsizetype>(token.size()));
    return lastToken_;
}

void ConfigFile::FailNumber(const QByteArray& token) const {
    throw ConfigError(name_, text_.TokenLine(), QStringLiteral("\"%1\" is not a valid number").arg(Excerpt(token)));
}

void ConfigFile::RefuseLastNumber(const QString& reason) const {
    throw ConfigError(name_, text_.TokenLine(),
                      QStringLiteral("\"%1\" is not a valid number: %2").arg(Excerpt(lastToken_), reason));
}

QString Excerpt(const QByteArray& bytes, int maxChars) {
    static const char hex[] = "0123456789ABCDEF";
    QString text;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        QString piece;
        if ((c >= 0x20 && c < 0x7f) || c >= 0xa0) piece = QChar(c);
        else piece = QStringLiteral("\\x") + QChar(hex[c >> 4]) + QChar(hex[c & 15]);
        if (text.size() + piece.size() > maxChars) return text + QStringLiteral("...");
        text += piece;
    }
    return text;
}

int ConfigFile::ReadInt() {
    const QByteArray token = NextNumberToken();
    if (token.isEmpty()) return 0;
    int value = 0;
    if (!ParseWholeNumber(token, value)) FailNumber(token);
    return value;
}

double ConfigFile::ReadDouble() {
    const QByteArray token = NextNumberToken();
    if (token.isEmpty()) return 0.0;
    double value = 0.0;
    if (!ParseDecimal(token, value)) FailNumber(token);
    return value;
}

bool ParseDecimal(const QByteArray& token, double& value) {
    return ParseDecimalText(std::string_view(token.constData(), static_cast<std::size_t>(token.size())), value);
}

bool ParseWholeNumber(const QByteArray& token, int& value) {
    return ParseWholeNumberText(std::string_view(token.constData(), static_cast<std::size_t>(token.size())), value);
}

}  // namespace kelvora
