// The NASA two-line and three-line reader and the Norva verbose reader.
#include <unordered_set>

#include "ElementFileReaders.h"
#include "OrbitModel.h"
#include "SGP_Math.h"

namespace kelvora {

using namespace elementtext;

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A set starts where line 1 and line 2 follow each other and line 2 holds a
// digit in column 11 (the units digit of the inclination).
bool IsSetStart(std::string_view line1, std::string_view line2) {
    return StartsWith(line1, "1 ") && StartsWith(line2, "2 ") && line2.size() >= 11 && IsDigit(line2[10]);
}

// The name line without trailing blanks and without a status in brackets.
std::string NameOfLine(std::string_view line) {
    line = TrimRight(line);
    const std::size_t status = line.find(" [");
    return std::string(line.substr(0, status));
}
}  // namespace

void ReadTwoLineSets(const TElementLines& lines, TReaderContext& context) {
    TNamingOptions& options = context.Options;
    options.TakeWorkingCopies();
    options.ForceValidLookupKey();
    const bool twoLineLayout = DetectTleLayoutIsTwoLine(lines);
    if (twoLineLayout) {
        // Without name lines only satellites of the names list can be named.
        options.WorkingUseNorvaNames = true;
        options.WorkingKeepSourceNames = false;
    }
    const int m = lines.Count();
    int i = 0;
    while (i <= m - 1 && static_cast<int>(context.Listed.size()) < kMaxTwoLineSets) {
        const std::string_view line1 = lines.Line(i), line2 = lines.Line(i + 1);
        if (!IsSetStart(line1, line2)) {
            ++i;
            continue;
        }
        TCatalogEntry entry;
        if (!twoLineLayout && i > 0) entry.Name = NameOfLine(lines.Line(i - 1));
        entry.CatalogNumber = std::string(Columns(line1, 3, 5));
        entry.Designator = std::string(Columns(line1, 10, 6));
        if (options.WorkingUseNorvaNames)
            entry.Name = LookupNorvaName(context.Names, options, entry.Name, entry.CatalogNumber, entry.Designator);
        if (!entry.Name.empty()) {
            entry.Line1 = std::string(line1.substr(0, 69));
            entry.Line2 = std::string(line2.substr(0, 69));
            context.Model.TwoLineRecord(context.NextSetNumber()) = {entry.Line1, entry.Line2};
            context.Listed.push_back(std::move(entry));
        }
        i += 2;  // on after line 2, listed or not
    }
    context.Model.ConvertTwoLine(static_cast<int>(context.Listed.size()));
}

namespace {
constexpr std::string_view kVerboseKeys[9] = {
    "time:", "nation:", "node:", "city:", "igee:", "maly:", "motion:", "rate:", "rev:"};

// The value after the key: at most 255 characters, trimmed, up to the first
// blank (units fall away); not a number reads as 0.
double VerboseValue(std::string_view line, std::string_view key) {
    std::string_view value = line.substr(line.find(key) + key.size()).substr(0, 255);
    value = Trim(value);
    value = value.substr(0, value.find(' '));
    double number = 0.0;
    return ParseReal(value, number) ? number : 0.0;
}

// Moves p to the next line that contains what; false when it reaches the
// file's last line, which is never examined.
bool AdvanceTo(const TElementLines& lines, int last, int& p, std::string_view what) {
    for (;;) {
        ++p;
        if (p >= last) return false;
        if (lines.Line(p).find(what) != std::string_view::npos) return true;
    }
}
}  // namespace

void ReadVerboseSets(const TElementLines& lines, TReaderContext& context) {
    const int last = lines.Count() - 1;
    std::unordered_set<std::string> names;
    int p = -1;
    do {
        if (!AdvanceTo(lines, last, p, "Satellite:")) return;
        const std::string_view line = lines.Line(p);
        const std::string name(Trim(line.substr(line.find("Satellite:") + 10, 11)));
        double values[9] = {};
        for (int k = 0; k < 9; ++k) {
            if (!AdvanceTo(lines, last, p, kVerboseKeys[k])) return;  // the set is dropped
            values[k] = VerboseValue(lines.Line(p), kVerboseKeys[k]);
        }
        // A repeated name is a second copy of a satellite already listed; a set
        // without a name cannot be listed at all.
        if (name.empty() || !names.insert(name).second) continue;
        const TVerboseValues v{values[0], values[1], values[2], values[3], values[4],
                               values[5], values[6], values[7], values[8]};
        TCatalogEntry entry;
        entry.Name = name;
        const int n = context.NextSetNumber();
        context.Listed.push_back(std::move(entry));
        context.Model.ConvertVerbose(n, v);
    } while (p < last && static_cast<int>(context.Listed.size()) < kMaxVerboseSets);
}

}  // namespace kelvora
