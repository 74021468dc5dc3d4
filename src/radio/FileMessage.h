#pragma once
// How the radio's file readers say what is wrong: the file, the line and the text
// that stands there, in the words every settings reader of the program uses
// ("IcomPar.SQF, line 3: ...").

#include <string>
#include <string_view>

#include "ConfigText.h"  // TextExcerpt

namespace kelvora {

struct TFileError {
    std::string FileName;
    int Line = 0;  // 0 when the whole file is concerned (missing, unreadable)
    std::string Message;

    // "file, line N: message", or "file: message" without a line.
    std::string Text() const;
};

// Fills *error (when given) and returns false.
bool FailFileLine(TFileError* error, std::string_view fileName, int line, std::string message);

// "\"text\" is not a valid number", the text shortened for a message.
// The excerpt of the bytes between double quotes, followed by the rest of the text.
std::string QuotedExcerpt(std::string_view bytes, std::string_view rest);
std::string NotANumberText(std::string_view token);

}  // namespace kelvora
