#pragma once
// Reader for the small line-oriented settings files (".SQF" and friends).
//
// Each read consumes whole lines, exactly as the files are laid out:
//  - a character is the first character of its line (an empty line gives CR);
//  - a number is read after skipping blanks, tabs and line breaks, up to the next
//    blank or line end, with '.' as the decimal point; the rest of the line is skipped;
//  - a text is the rest of the line.
// Past the end of the file a number reads as 0, a character as code 26 and a text as
// empty, without error. Text where a number belongs is a ConfigError naming file and line.
// Lines may end in CR LF or LF; bytes are Latin-1.

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
    static constexpr char EndOfFileChar = 26;

    // Opens and reads the whole file; a missing or unreadable file is a ConfigError.
    static ConfigFile Open(const QString& path);
    ConfigFile(QByteArray bytes, QString displayName);

    char ReadChar();
    int ReadInt();
    double ReadDouble();
    QString ReadText();
    bool AtEnd() const { return pos_ >= bytes_.size(); }
    // The line number (1-based) the next read starts on.
    int CurrentLine() const { return line_; }
    const QString& DisplayName() const { return name_; }
    // The number read last parsed but cannot be used: a ConfigError on its line that
    // quotes it and gives the reason.
    [[noreturn]] void RefuseLastNumber(const QString& reason) const;

private:
    QByteArray NextLineBytes();
    QByteArray NextNumberToken();
    [[noreturn]] void FailNumber(const QByteArray& token, int line) const;

    QByteArray bytes_;
    QString name_;
    qsizetype pos_ = 0;
    int line_ = 1;
    int tokenLine_ = 1;
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
