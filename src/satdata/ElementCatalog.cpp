#include "ElementCatalog.h"

#include <algorithm>
#include <stdexcept>

namespace kelvora {

const char* ElementFileFormatName(TElementFileFormat format) {
    switch (format) {
        case TElementFileFormat::efTwoLine:
            return "tle";
        case TElementFileFormat::efVerbose:
            return "verbose";
        case TElementFileFormat::efCsv:
            return "csv";
        case TElementFileFormat::efOmmXml:
            return "xml";
        case TElementFileFormat::efOmmKvn:
            return "kvn";
        case TElementFileFormat::efNone:
            break;
    }
    return "none";
}

const TCatalogEntry& TElementCatalog::Entry(int setNumber) const {
    if (setNumber < 1 || setNumber > Count()) throw std::out_of_range("set number out of range");
    return entries_[static_cast<std::size_t>(setNumber - 1)];
}

TCatalogEntry& TElementCatalog::Entry(int setNumber) {
    if (setNumber < 1 || setNumber > Count()) throw std::out_of_range("set number out of range");
    return entries_[static_cast<std::size_t>(setNumber - 1)];
}

int TElementCatalog::FindSet(const std::string& name) const {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].Name == name) return static_cast<int>(i) + 1;
    return 0;
}

void TElementCatalog::SetSource(const std::string& path) {
    sourcePath_ = path;
    const std::size_t slash = path.find_last_of("/\\");
    sourceFileName_ = slash == std::string::npos ? path : path.substr(slash + 1);
}

void TElementCatalog::ReplaceEntries(std::vector<TCatalogEntry> entries) {
    if (entries.size() > static_cast<std::size_t>(kMaxSets)) entries.resize(kMaxSets);
    entries_ = std::move(entries);
}

namespace {
// Latin-1 case folding: ASCII letters and the accented letters of 0xC0..0xDE
// (except the multiplication sign) fold to their small forms.
unsigned char Fold(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z') return static_cast<unsigned char>(u + 32);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<unsigned char>(u + 32);
    return u;
}

bool FoldedLess(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = Fold(a[i]), y = Fold(b[i]);
        if (x != y) return x < y;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}
}  // namespace

std::vector<std::string> SortedSetNames(const TElementCatalog& catalog) {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(catalog.Count()));
    for (int n = 1; n <= catalog.Count(); ++n) names.push_back(catalog.Name(n));
    std::stable_sort(names.begin(), names.end(), FoldedLess);
    return names;
}

}  // namespace kelvora
