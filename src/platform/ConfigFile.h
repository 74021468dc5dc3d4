#pragma once
// Reader for the small line-oriented settings files (".SQF" and friends), with the
// rules of TConfigText (ConfigText.h). Text where a number belongs is a ConfigError
// naming file and line. Bytes are Latin-1.

#include "ConfigText.h"

#include <QByteArray>
#include <QString>
#include <stdexcept>

namespace kelvora {

class ConfigError : public std::runtime_error {
public:
    ConfigError(const QString& fileName, int line, const QString& message);
    QString FileName() const { return fileName_; }
    int Line() const { return line_; }  // 0 when the whole file is concerned
    QString Message() const { return message_; }

private:
    QString fileName_;
    int line_;
    QString message_;
};

class ConfigFile {
public:
    static constexpr char EndOfFileChar = TConfigText::kEndOfFileChar;

    // Opens and reads the whole file; a missing or unreadable file is a ConfigError.
    static ConfigFile Open(const QString& path);
    ConfigFile(QByteArray bytes, QString displayName);

    char ReadChar();
    int ReadInt();
    double ReadDouble();
    QString ReadText();
    bool AtEnd() const { return text_.AtEnd(); }
    // The line number (1-based) the next read starts on.
    int CurrentLine() const { return text_.CurrentLine(); }
    const QString& DisplayName() const { return name_; }
    // The number read last parsed but cannot be used: a ConfigError on its line that
    // quotes it and gives the reason.
    [[noreturn]] void RefuseLastNumber(const QString& reason) const;

private:
    QByteArray NextNumberToken();
    [[noreturn]] void FailNumber(const QByteArray& token) const;

    TConfigText text_;
    QString name_;
    QByteArray lastToken_;
};

// A short, printable excerpt of bytes for a message: at most maxChars characters,
// other bytes shown as \xNN, "..." when cut. Messages never carry a NUL or a
// megabyte of whatever a damaged file holds.
QString Excerpt(const QByteArray& bytes, int maxChars = 40);

// Strict decimal parsing with '.' as the point: optional sign, digits, optional
// fraction and exponent. Returns false for anything else ("nan", "1,5", "12abc").
bool ParseDecimal(const QByteArray& token, double& value);
bool ParseWholeNumber(const QByteArray& token, int& value);

}  // namespace kelvora
