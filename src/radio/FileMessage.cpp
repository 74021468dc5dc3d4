#include "FileMessage.h"

namespace kelvora {

std::string TFileError::Text() const {
    std::string text = FileName;
    if (Line > 0) text.append(", line ").append(std::to_string(Line));
    return text.append(": ").append(Message);
}

bool FailFileLine(TFileError* error, std::string_view fileName, int line, std::string message) {
    if (error) *error = TFileError{std::string(fileName), line, std::move(message)};
    return false;
}

std::string NotANumberText(std::string_view token) { return QuotedExcerpt(token, " is not a valid number"); }

// Built by appending: GCC 12 at -O3 misreads "literal" + std::string as an overlapping copy.
std::string QuotedExcerpt(std::string_view bytes, std::string_view rest) {
    std::string text = "\"";
    text.append(TextExcerpt(bytes)).append("\"").append(rest);
    return text;
}

}  // namespace kelvora
