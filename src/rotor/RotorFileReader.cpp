#include "RotorFileReader.h"

namespace kelvora {

TRotorFileReader::TRotorFileReader(std::string_view bytes, std::string fileName)
    : text_(std::string(bytes)), name_(std::move(fileName)) {}

char TRotorFileReader::ReadChar() { return text_.ReadChar(); }

std::string TRotorFileReader::ReadText() { return std::string(text_.ReadLine()); }

void TRotorFileReader::Fail(std::string_view token) {
    if (!error_.empty()) return;
    // A damaged file's token is quoted shortened and printable: the text goes into a dialog.
    error_ = name_;
    error_.append(", line ").append(std::to_string(text_.TokenLine())).append(": \"");
    error_.append(TextExcerpt(token)).append("\" is not a valid number");
}

int TRotorFileReader::ReadInt() {
    const std::string_view token = text_.ReadNumberToken();
    if (token.empty()) return 0;
    int value = 0;
    if (!ParseWholeNumberText(token, value)) Fail(token);
    return value;
}

double TRotorFileReader::ReadDouble() {
    const std::string_view token = text_.ReadNumberToken();
    if (token.empty()) return 0.0;
    double value = 0.0;
    if (!ParseDecimalText(token, value)) Fail(token);
    return value;
}

}  // namespace kelvora
