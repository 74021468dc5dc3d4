// Shared pieces of the element readers: line buffer, form detection, OMM
// epoch conversion and the column helpers.
#include "ElementFileReaders.h"

#include <charconv>
#include <cmath>

#include "FileBytes.h"
#include "SGP_Math.h"

namespace kelvora {

namespace elementtext {

std::string_view Columns(std::string_view line, int from, int count) {
    if (from < 1 || count <= 0) return {};
    const auto start = static_cast<std::size_t>(from - 1);
    return start < line.size() ? line.substr(start, static_cast<std::size_t>(count)) : std::string_view();
}

std::string_view From(std::string_view line, int column) {
    if (column < 1) return line;
    const auto start = static_cast<std::size_t>(column - 1);
    return start < line.size() ? line.substr(start) : std::string_view();
}

// Blanks and control characters, as a text trim takes them; Latin-1 letters
// above 127 are not blanks.
static bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view Trim(std::string_view text) {
    text = TrimRight(text);
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

std::string PadCatalogNumber(std::string_view number) {
    std::string padded(number);
    if (padded.size() < 5) padded.insert(0, 5 - padded.size(), '0');
    return padded;
}

std::string CompactDesignator(std::string_view objectId) {
    return std::string(Columns(objectId, 3, 2)) + std::string(From(objectId, 6));
}

}  // namespace elementtext

using namespace elementtext;

int ReadElementLines(std::string_view bytes, TElementLines& lines) {
    lines.Assign(SplitLines(bytes, TElementLines::kMaxLines));
    return lines.Count();
}

namespace {
bool Contains(std::string_view line, std::string_view what) { return line.find(what) != std::string_view::npos; }
}  // namespace

namespace {
// Walks the lines of the bytes one at a time without keeping them.
class TLineCursor {
public:
    explicit TLineCursor(std::string_view bytes) : bytes_(bytes) {}
    bool Next(std::string_view& line) {
        if (pos_ >= bytes_.size()) return false;
        std::size_t end = bytes_.find('\n', pos_);
        if (end == std::string_view::npos) end = bytes_.size();
        line = bytes_.substr(pos_, end - pos_);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        pos_ = end + 1;
        return true;
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};
}  // namespace

TElementFileFormat DetectElementFileFormat(std::string_view bytes) {
    TLineCursor cursor(bytes);
    std::string_view line;
    while (cursor.Next(line)) {
        if (Contains(line, "Satellite:")) return TElementFileFormat::efVerbose;
        if (Contains(line, "OBJECT_NAME")) return TElementFileFormat::efCsv;
        if (Contains(line, "<?xml")) return TElementFileFormat::efOmmXml;
        if (Contains(line, "CCSDS_OMM_VERS")) return TElementFileFormat::efOmmKvn;
        // The line read as a possible line 2 is not tested again.
        if (StartsWith(line, "1 ") && cursor.Next(line) && StartsWith(line, "2 ")) return TElementFileFormat::efTwoLine;
    }
    return TElementFileFormat::efNone;
}

namespace {
int WholeNumber(std::string_view text) {
    int value = 0;
    return ParseInt(Trim(text), value) ? value : 0;
}

// "000": at least three digits, the sign in front.
std::string ThreeDigits(long long n) {
    std::string digits = std::to_string(n < 0 ? -n : n);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    return n < 0 ? "-" + digits : digits;
}
}  // namespace

std::string OmmEpochToTleEpoch(std::string_view epoch) {
    static constexpr int kDaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    double seconds = 0.0;
    if (!ParseReal(Trim(From(epoch, 18)), seconds)) seconds = 0.0;
    double fraction =
        WholeNumber(Columns(epoch, 12, 2)) / 24.0 + WholeNumber(Columns(epoch, 15, 2)) / 1440.0 + seconds / 86400.0;
    // Seconds that are no time of day at all are garbage, not days to add.
    if (!std::isfinite(fraction) || std::fabs(fraction) > 1e6) fraction = 0.0;

    const std::string_view yy = Columns(epoch, 3, 2);
    const bool leap = WholeNumber(yy) % 4 == 0 && Columns(epoch, 1, 4) != "2100";
    const int month = WholeNumber(Columns(epoch, 6, 2));
    long long day = (month >= 1 && month <= 12 ? kDaysBefore[month - 1] : 0) + WholeNumber(Columns(epoch, 9, 2)) +
                    (leap && month > 2 ? 1 : 0);

    // Eight decimals; a time that rounds up to a whole day (or a negative one)
    // moves into the next (previous) day so the text keeps its YYDDD.FFFFFFFF form.
    constexpr long long kUnits = 100000000;
    long long units = std::llround(fraction * 1e8);
    long long carry = units / kUnits;
    units %= kUnits;
    if (units < 0) {
        units += kUnits;
        --carry;
    }
    day += carry;
    std::string fractionDigits = std::to_string(units);
    fractionDigits.insert(0, 8 - fractionDigits.size(), '0');
    return std::string(yy) + ThreeDigits(day) + "." + fractionDigits;
}

bool DetectTleLayoutIsTwoLine(const TElementLines& lines) {
    const int m = lines.Count();
    if (m <= 3) return false;
    for (int i = 0; i < m; ++i) {
        if (StartsWith(lines.Line(i), "1 ") && StartsWith(lines.Line(i + 1), "2 "))
            return StartsWith(lines.Line(i + 2), "1 ");
    }
    return false;
}

std::vector<std::string_view> SplitOmmDocument(std::string_view document) {
    static constexpr std::string_view kMarker = "/omm";
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    while (static_cast<int>(pieces.size()) < kMaxXmlPieces) {
        const std::size_t marker = document.find(kMarker, start);
        if (marker == std::string_view::npos) {
            pieces.push_back(document.substr(start));  // the document's tail
            break;
        }
        pieces.push_back(document.substr(start, marker - start));
        // Skip the marker and the character after it (normally ">").
        start = std::min(marker + kMarker.size() + 1, document.size());
    }
    return pieces;
}

}  // namespace kelvora
