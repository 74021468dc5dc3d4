#include "ConfigText.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <system_error>

namespace kelvora {

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlankOrLineEnd(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The files always use '.', whatever LC_NUMERIC the desktop sets.
locale_t CLocale() {
    static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}
}  // namespace

std::string_view TConfigText::NextLine() {
    const std::size_t start = pos_;
    std::size_t end = bytes_.find('\n', pos_);
    if (end == std::string::npos) {
        end = bytes_.size();
        pos_ = end;
    } else {
        pos_ = end + 1;
    }
    ++line_;
    std::size_t stop = end;
    if (stop > start && bytes_[stop - 1] == '\r') --stop;
    return std::string_view(bytes_).substr(start, stop - start);
}

std::string_view TConfigText::ReadLine() {
    if (AtEnd()) return {};
    return NextLine();
}

char TConfigText::ReadChar() {
    if (AtEnd()) return kEndOfFileChar;
    const std::string_view line = NextLine();
    return line.empty() ? '\r' : line.front();
}

std::string_view TConfigText::ReadNumberToken() {
    while (pos_ < bytes_.size() && IsBlankOrLineEnd(bytes_[pos_])) {
        if (bytes_[pos_] == '\n') ++line_;
        ++pos_;
    }
    tokenLine_ = line_;
    if (AtEnd()) return {};
    const std::size_t start = pos_;
    while (pos_ < bytes_.size() && !IsBlankOrLineEnd(bytes_[pos_])) ++pos_;
    const std::size_t length = pos_ - start;
    NextLine();  // the rest of the line is skipped
    return std::string_view(bytes_).substr(start, length);
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool ParseDecimalText(std::string_view token, double& value) {
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
    // The syntax is checked; a number too small for a double reads as its nearest value.
    const std::string text(token);
    const double parsed = strtod_l(text.c_str(), nullptr, CLocale());
    if (!std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

bool ParseWholeNumberText(std::string_view token, int& value) {
    std::size_t i = 0;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
    if (i == token.size()) return false;
    for (std::size_t k = i; k < token.size(); ++k)
        if (!IsDigit(token[k])) return false;
    // from_chars does not take a leading '+'; the syntax is already checked.
    const std::string_view body = token.front() == '+' ? token.substr(1) : token;
    int parsed = 0;
    const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), parsed);
    if (error != std::errc() || end != body.data() + body.size()) return false;
    value = parsed;
    return true;
}

std::string TextExcerpt(std::string_view bytes, std::size_t maxChars) {
    static const char hex[] = "0123456789ABCDEF";
    std::string text;
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        std::string piece;
        if ((c >= 0x20 && c < 0x7f) || c >= 0xa0) piece = std::string(1, ch);
        else piece = std::string("\\x") + hex[c >> 4] + hex[c & 15];
        if (text.size() + piece.size() > maxChars) return text + "...";
        text += piece;
    }
    return text;
}

}  // namespace kelvora
