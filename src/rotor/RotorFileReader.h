#pragma once
// Reader for the rotor's small settings files, from bytes and without Qt.
//
// The files follow the rules of every ".SQF" file of the program:
//  - a character is the first character of its line (an empty line gives CR);
//  - a number is read after skipping blanks, tabs and line breaks, up to the next
//    blank or line end, with '.' as the decimal point; the rest of the line is skipped;
//  - a text is the rest of the line.
// Past the end of the bytes a number reads as 0, a character as code 26 and a text
// as empty, without error. Text where a number belongs marks the reader failed
// (the file error that stops the start-up step) and names the line.
// Lines may end in CR LF or LF; bytes are 8-bit text.

#include <string>
#include <string_view>

namespace kelvora {

inline constexpr char kRotorEndOfFileChar = 26;

class TRotorFileReader {
public:
    TRotorFileReader(std::string_view bytes, std::string fileName);

    char ReadChar();
    int ReadInt();
    double ReadDouble();
    std::string ReadText();
    bool AtEnd() const { return pos_ >= bytes_.size(); }

    // After a number that did not read: false, and Error() says file, line and text.
    // Later reads still move on but the reader stays failed.
    bool Ok() const { return error_.empty(); }
    const std::string& Error() const { return error_; }

private:
    std::string_view NextLine();
    std::string_view NextNumberToken();
    void Fail(std::string_view token);

    std::string_view bytes_;
    std::string name_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int tokenLine_ = 1;
    std::string error_;
};

// The text without leading and trailing blanks and tabs.
std::string_view TrimRotorBlanks(std::string_view text);

// Number syntax of the files: optional sign, digits with at most one '.',
// optional exponent; the whole token must be the number and finite.
bool ParseRotorDecimal(std::string_view token, double& value);
// Optional sign and digits only, within the range of int.
bool ParseRotorWholeNumber(std::string_view token, int& value);

}  // namespace kelvora
