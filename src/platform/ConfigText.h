#pragma once
// The reading rules of the small line-oriented settings files (".SQF" and friends),
// on bytes and without Qt, so that every part of the program reads them alike:
//  - a character is the first character of its line (an empty line gives CR);
//  - a number is read after skipping blanks, tabs and line breaks, up to the next
//    blank or line end, with '.' as the decimal point; the rest of the line is skipped;
//  - a text is the rest of the line.
// Past the end a number token is empty, a character is code 26 and a text is empty.
// Lines may end in CR LF or LF; bytes are 8-bit text.

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvora {

class TConfigText {
public:
    static constexpr char kEndOfFileChar = 26;

    explicit TConfigText(std::string bytes) : bytes_(std::move(bytes)) {}

    char ReadChar();
    // The rest of the line without its end; valid until the next read.
    std::string_view ReadLine();
    // The next number's text (empty past the end); valid until the next read.
    std::string_view ReadNumberToken();

    bool AtEnd() const { return pos_ >= bytes_.size(); }
    // The line number (1-based) the next read starts on.
    int CurrentLine() const { return line_; }
    // The line the last number token stood on.
    int TokenLine() const { return tokenLine_; }

private:
    // Also at the end, where it still counts a line.
    std::string_view NextLine();

    std::string bytes_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int tokenLine_ = 1;
};

// The text without leading and trailing blanks and tabs.
std::string_view TrimBlanks(std::string_view text);

// Strict decimal syntax with '.' as the point whatever the locale: optional sign,
// digits, optional fraction and exponent, finite. Returns false for anything else
// ("nan", "1,5", "12abc").
bool ParseDecimalText(std::string_view token, double& value);
// Optional sign and digits only, within the range of int.
bool ParseWholeNumberText(std::string_view token, int& value);

// At most maxChars characters of the bytes, others than printable ones as \xNN,
// "..." when cut: a damaged file never puts control bytes or a megabyte into a message.
std::string TextExcerpt(std::string_view bytes, std::size_t maxChars = 40);

}  // namespace kelvora
