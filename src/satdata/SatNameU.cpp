#include "SatNameU.h"

#include "FileBytes.h"

namespace kelvora {

namespace {
// Names lists and option files are a few kilobytes; this only bounds garbage.
constexpr std::size_t kMaxSmallFileBytes = 4u << 20;

std::string_view Piece(std::string_view line, std::size_t from, std::size_t count) {
    return from < line.size() ? line.substr(from, count) : std::string_view();
}

std::string_view TrimRightBlanks(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return text;
}
}  // namespace

TNamesList::TNamesList(std::vector<TNorvaNameEntry> entries) : entries_(std::move(entries)) {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        // emplace keeps the first entry of a key, as a search in file order finds it.
        if (!entries_[i].CatalogNumber.empty()) byCatalog_.emplace(entries_[i].CatalogNumber, i);
        if (!entries_[i].Designator.empty()) byDesignator_.emplace(entries_[i].Designator, i);
    }
}

const TNorvaNameEntry* TNamesList::FindByCatalogNumber(std::string_view key) const {
    if (key.empty()) return nullptr;
    const auto it = byCatalog_.find(std::string(key));
    return it == byCatalog_.end() ? nullptr : &entries_[it->second];
}

const TNorvaNameEntry* TNamesList::FindByDesignator(std::string_view key) const {
    if (key.empty()) return nullptr;
    const auto it = byDesignator_.find(std::string(key));
    return it == byDesignator_.end() ? nullptr : &entries_[it->second];
}

TNamesList ParseNorvaNames(std::string_view bytes) {
    std::vector<TNorvaNameEntry> entries;
    for (const std::string_view line : SplitLines(bytes, TNamesList::kMaxEntries)) {
        TNorvaNameEntry e;
        e.CatalogNumber = std::string(Piece(line, 0, 5));
        e.Designator = std::string(TrimRightBlanks(Piece(line, 6, 8)));
        e.Name = std::string(Piece(line, 15, 24));
        entries.push_back(std::move(e));
    }
    return TNamesList(std::move(entries));
}

bool ReadNorvaNames(const std::string& path, TNamesList& list, std::string* error) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes, kMaxSmallFileBytes, error)) return false;
    list = ParseNorvaNames(bytes);
    return true;
}

TNamingOptions ParseNameOptions(std::string_view bytes) {
    const std::vector<std::string_view> lines = SplitLines(bytes, 3);
    const auto charValue = [&lines](std::size_t i) {
        if (i >= lines.size()) return '\x1a';
        return lines[i].empty() ? '\r' : lines[i].front();
    };
    TNamingOptions options;
    options.UseNorvaNames = charValue(0);
    options.KeepSourceNames = charValue(1);
    options.NameLookupKey = charValue(2);
    options.TakeWorkingCopies();
    return options;
}

bool ReadNameOptions(const std::string& path, TNamingOptions& options, std::string* error) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes, kMaxSmallFileBytes, error)) return false;
    options = ParseNameOptions(bytes);
    return true;
}

std::string NameOptionsBytes(const TNamingOptions& options) {
    std::string bytes;
    for (const char c : {options.UseNorvaNames, options.KeepSourceNames, options.NameLookupKey}) {
        bytes += c;
        bytes += "\r\n";
    }
    return bytes;
}

bool WriteNameOptions(const std::string& path, const TNamingOptions& options, std::string* error) {
    return WriteFileBytesSafely(path, NameOptionsBytes(options), error);
}

std::string LookupNorvaName(const TNamesList& names, const TNamingOptions& options, std::string_view fileName,
                            std::string_view catalogNumber, std::string_view designator) {
    if (options.NameLookupKey == 'D') {
        if (const TNorvaNameEntry* e = names.FindByDesignator(designator)) return e->Name;
        return options.WorkingKeepSourceNames ? std::string(fileName) : std::string();
    }
    if (const TNorvaNameEntry* e = names.FindByCatalogNumber(catalogNumber)) return e->Name;
    return std::string(fileName);
}

int NamingChoiceOf(const TNamingOptions& options) {
    if (options.UseNorvaNames != '+') return 0;
    return options.KeepSourceNames == '-' ? 2 : 1;
}

void ApplyNamingChoice(TNamingOptions& options, int item) {
    options.UseNorvaNames = item == 0 ? '-' : '+';
    options.KeepSourceNames = item == 2 ? '-' : '+';
}

}  // namespace kelvora
