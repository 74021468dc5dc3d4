#include "RotorFileReader.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace kelvora {

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlankOrLineEnd(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
}  // namespace

TRotorFileReader::TRotorFileReader(std::string_view bytes, std::string fileName)
    : bytes_(bytes), name_(std::move(fileName)) {}

std::string_view TRotorFileReader::NextLine() {
    const std::size_t start = pos_;
    std::size_t end = bytes_.find('\n', pos_);
    if (end == std::string_view::npos) {
        end = bytes_.size();
        pos_ = end;
    } else {
        pos_ = end + 1;
    }
    ++line_;
    std::size_t stop = end;
    if (stop > start && bytes_[stop - 1] == '\r') --stop;
    return bytes_.substr(start, stop - start);
}

char TRotorFileReader::ReadChar() {
    if (AtEnd()) return kRotorEndOfFileChar;
    const std::string_view line = NextLine();
    return line.empty() ? '\r' : line.front();
}

std::string TRotorFileReader::ReadText() {
    if (AtEnd()) return std::string();
    return std::string(NextLine());
}

std::string_view TRotorFileReader::NextNumberToken() {
    while (pos_ < bytes_.size() && IsBlankOrLineEnd(bytes_[pos_])) {
        if (bytes_[pos_] == '\n') ++line_;
        ++pos_;
    }
    if (AtEnd()) return {};
    tokenLine_ = line_;
    const std::size_t start = pos_;
    while (pos_ < bytes_.size() && !IsBlankOrLineEnd(bytes_[pos_])) ++pos_;
    const std::string_view token = bytes_.substr(start, pos_ - start);
    NextLine();  // the rest of the line is skipped
    return token;
}

void TRotorFileReader::Fail(std::string_view token) {
    if (!error_.empty()) return;
    error_ = name_ + ", line " + std::to_string(tokenLine_) + ": \"" + std::string(token) +
             "\" is not a valid number";
}

int TRotorFileReader::ReadInt() {
    const std::string_view token = NextNumberToken();
    if (token.empty()) return 0;
    int value = 0;
    if (!ParseRotorWholeNumber(token, value)) Fail(token);
    return value;
}

double TRotorFileReader::ReadDouble() {
    const std::string_view token = NextNumberToken();
    if (token.empty()) return 0.0;
    double value = 0.0;
    if (!ParseRotorDecimal(token, value)) Fail(token);
    return value;
}

std::string_view TrimRotorBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool ParseRotorDecimal(std::string_view token, double& value) {
    std::size_t i = 0;
    const std::size_t n = token.size();
    if (i < n && (token[i] == '+' || token[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < n && IsDigit(token[i])) ++i, ++digits;
    if (i < n && token[i] == '.') {
        ++i;
        while (i < n && IsDigit(token[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < n && (token[i] == 'e' || token[i] == 'E')) {
        ++i;
        if (i < n && (token[i] == '+' || token[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < n && IsDigit(token[i])) ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    if (i != n) return false;
    // from_chars does not take a leading '+'; the syntax is already checked.
    const std::string_view body = token.front() == '+' ? token.substr(1) : token;
    double parsed = 0.0;
    const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), parsed);
    if (error != std::errc() || end != body.data() + body.size() || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

bool ParseRotorWholeNumber(std::string_view token, int& value) {
    std::size_t i = 0;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
    if (i == token.size()) return false;
    for (std::size_t k = i; k < token.size(); ++k)
        if (!IsDigit(token[k])) return false;
    const std::string_view body = token.front() == '+' ? token.substr(1) : token;
    int parsed = 0;
    const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), parsed);
    if (error != std::errc() || end != body.data() + body.size()) return false;
    value = parsed;
    return true;
}

}  // namespace kelvora
