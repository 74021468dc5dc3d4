#include "ConfigFile.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

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
    : bytes_(std::move(bytes)), name_(std::move(displayName)) {}

QByteArray ConfigFile::NextLineBytes() {
    const qsizetype start = pos_;
    qsizetype end = bytes_.indexOf('\n', pos_);
    if (end < 0) {
        pos_ = bytes_.size();
        end = pos_;
    } else {
        pos_ = end + 1;
    }
    ++line_;
    qsizetype stop = end;
    if (stop > start && bytes_[stop - 1] == '\r') --stop;
    return bytes_.mid(start, stop - start);
}

char ConfigFile::ReadChar() {
    if (AtEnd()) return EndOfFileChar;
    const QByteArray line = NextLineBytes();
    return line.isEmpty() ? '\r' : line[0];
}

QString ConfigFile::ReadText() {
    if (AtEnd()) return QString();
    return QString::fromLatin1(NextLineBytes());
}

QByteArray ConfigFile::NextNumberToken() {
    // Skip blanks, tabs and line breaks; the token ends at the next blank or line end.
    while (pos_ < bytes_.size()) {
        const char c = bytes_[pos_];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++pos_;
        } else if (c == '\n') {
            ++pos_;
            ++line_;
        } else {
            break;
        }
    }
    tokenLine_ = line_;
    lastToken_.clear();
    if (AtEnd()) return QByteArray();
    const qsizetype start = pos_;
    while (pos_ < bytes_.size()) {
        const char c = bytes_[pos_];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') break;
        ++pos_;
    }
    lastToken_ = bytes_.mid(start, pos_ - start);
    NextLineBytes();  // the rest of the line is skipped
    return lastToken_;
}

void ConfigFile::FailNumber(const QByteArray& token, int line) const {
    throw ConfigError(name_, line, QStringLiteral("\"%1\" is not a valid number").arg(Excerpt(token)));
}

void ConfigFile::RefuseLastNumber(const QString& reason) const {
    throw ConfigError(name_, tokenLine_,
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
    if (!ParseWholeNumber(token, value)) FailNumber(token, tokenLine_);
    return value;
}

double ConfigFile::ReadDouble() {
    const QByteArray token = NextNumberToken();
    if (token.isEmpty()) return 0.0;
    double value = 0.0;
    if (!ParseDecimal(token, value)) FailNumber(token, tokenLine_);
    return value;
}

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

bool ParseDecimal(const QByteArray& token, double& value) {
    qsizetype i = 0;
    const qsizetype n = token.size();
    if (i < n && (token[i] == '+' || token[i] == '-')) ++i;
    qsizetype digits = 0;
    while (i < n && IsDigit(token[i])) ++i, ++digits;
    if (i < n && token[i] == '.') {
        ++i;
        while (i < n && IsDigit(token[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < n && (token[i] == 'e' || token[i] == 'E')) {
        ++i;
        if (i < n && (token[i] == '+' || token[i] == '-')) ++i;
        qsizetype expDigits = 0;
        while (i < n && IsDigit(token[i])) ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    if (i != n) return false;
    const std::string text = token.toStdString();
    errno = 0;
    const double parsed = std::strtod(text.c_str(), nullptr);  // only C-locale syntax reaches here
    if (!std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

bool ParseWholeNumber(const QByteArray& token, int& value) {
    qsizetype i = 0;
    const qsizetype n = token.size();
    if (i < n && (token[i] == '+' || token[i] == '-')) ++i;
    if (i == n) return false;
    for (qsizetype k = i; k < n; ++k)
        if (!IsDigit(token[k])) return false;
    const std::string text = token.toStdString();
    errno = 0;
    const long parsed = std::strtol(text.c_str(), nullptr, 10);
    if (errno == ERANGE || parsed > INT_MAX || parsed < INT_MIN) return false;
    value = static_cast<int>(parsed);
    return true;
}

}  // namespace kelvora
