// Satellite names: the names list "NorvaNames.txt", the naming options
// "SatNameOpt.SQF" and the lookup the element readers use. Plain C++ (no Qt),
// texts are Latin-1 bytes as in the files.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kelvora {

inline constexpr const char* kNorvaNamesFile = "NorvaNames.txt";
inline constexpr const char* kNameOptionsFile = "SatNameOpt.SQF";

// One line of the names list.
struct TNorvaNameEntry {
    std::string CatalogNumber;  // columns 1-5 exactly as written
    std::string Designator;  // columns 7-14, trailing blanks removed
    std::string Name;  // columns 16-39, unchanged (blanks kept)
};

class TNamesList {
public:
    static constexpr int kMaxEntries = 3001;

    TNamesList() = default;
    explicit TNamesList(std::vector<TNorvaNameEntry> entries);

    const std::vector<TNorvaNameEntry>& Entries() const { return entries_; }
    // First entry in file order with exactly this key; null when none. An empty
    // key (a blank line in the list) never matches.
    const TNorvaNameEntry* FindByCatalogNumber(std::string_view catalogNumber) const;
    const TNorvaNameEntry* FindByDesignator(std::string_view designator) const;

private:
    std::vector<TNorvaNameEntry> entries_;
    std::unordered_map<std::string, std::size_t> byCatalog_;
    std::unordered_map<std::string, std::size_t> byDesignator_;
};

// The names list from the bytes of "NorvaNames.txt" (CR LF or LF lines, at
// most 3001 entries).
TNamesList ParseNorvaNames(std::string_view bytes);
// False when the file is missing or cannot be read; the list is left alone.
bool ReadNorvaNames(const std::string& path, TNamesList& list, std::string* error = nullptr);

// The three naming options as stored, one character each, plus the readers'
// working copies of the first two (see TakeWorkingCopies).
struct TNamingOptions {
    char UseNorvaNames = '-';  // '+' replace names from the names list
    char KeepSourceNames = '+';  // '+' keep a file's name without an entry
    char NameLookupKey = 'I';  // 'I' catalog number, 'D' designator

    // The two-line and CSV readers refresh these from the stored options at each
    // run (the two-line layout then forces them); the XML and KVN readers use
    // them as they were last left.
    bool WorkingUseNorvaNames = false;
    bool WorkingKeepSourceNames = true;

    void TakeWorkingCopies() {
        WorkingUseNorvaNames = UseNorvaNames == '+';
        WorkingKeepSourceNames = KeepSourceNames == '+';
    }
    // The readers accept only 'I' and 'D'; anything else becomes 'I' (and is
    // written as 'I' by the next store).
    void ForceValidLookupKey() {
        if (NameLookupKey != 'I' && NameLookupKey != 'D') NameLookupKey = 'I';
    }
};

// Character values of the options file: the first character of each line, a
// carriage return for an empty line, code 26 past the end of the file.
TNamingOptions ParseNameOptions(std::string_view bytes);
// Reads "SatNameOpt.SQF" into options and takes the working copies; false
// (options unchanged) when the file is missing or unreadable.
bool ReadNameOptions(const std::string& path, TNamingOptions& options, std::string* error = nullptr);
// Three lines of one character, CR LF, written through a temporary file.
std::string NameOptionsBytes(const TNamingOptions& options);
bool WriteNameOptions(const std::string& path, const TNamingOptions& options, std::string* error = nullptr);

// The display name of a set, possibly empty (the caller then leaves the set out).
// Key 'I': the entry with the same catalog number, else the file's name.
// Key 'D': the entry with the same designator, else the file's name when the
// working KeepSourceNames is on, else empty.
std::string LookupNorvaName(const TNamesList& names, const TNamingOptions& options, std::string_view fileName,
                            std::string_view catalogNumber, std::string_view designator);

// Dialog radio items (0 source names, 1 names list if available, 2 only names
// from the list) to and from the first two options.
int NamingChoiceOf(const TNamingOptions& options);
void ApplyNamingChoice(TNamingOptions& options, int item);

}  // namespace kelvora
