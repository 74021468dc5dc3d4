// The element catalog: every satellite listed from the loaded element file,
// numbered 1..count. The set number is also the satellite's slot in
// TOrbitModel, which holds the converted elements.
//
// Text: element files are bytes; every text here (names, keys, lines) is kept
// as the file's Latin-1 bytes, unconverted. Convert with
// QString::fromLatin1 for display.
#pragma once

#include <string>
#include <vector>

namespace kelvora {

enum class TElementFileFormat { efNone, efTwoLine, efVerbose, efCsv, efOmmXml, efOmmKvn };

// Short lower-case name of a form: "none", "tle", "verbose", "csv", "xml", "kvn".
const char* ElementFileFormatName(TElementFileFormat format);

// The OMM values of one set as they stood in the file (CSV, XML and KVN
// forms); Epoch is already in the two-line form YYDDD.DDDDDDDD.
struct TRawElementTexts {
    std::string Epoch;
    std::string MeanMotion;
    std::string Eccentricity;
    std::string Inclination;
    std::string RaOfAscNode;
    std::string ArgOfPericenter;
    std::string MeanAnomaly;
    std::string EphemerisType;
    std::string ClassificationType;
    std::string NoradCatId;
    std::string ElementSetNo;
    std::string RevAtEpoch;
    std::string Bstar;
    std::string MeanMotionDot;
    std::string MeanMotionDdot;
};

// One listed set.
struct TCatalogEntry {
    std::string Name;  // never empty for a listed set
    std::string CatalogNumber;  // 5 characters, "0"-padded (longer stays as read)
    std::string Designator;  // compact international designator, e.g. 98067A
    std::string Line1;  // two-line form only, at most 69 characters
    std::string Line2;
    TRawElementTexts Raw;  // OMM forms only
};

class TElementCatalog {
public:
    static constexpr int kMaxSets = 2000;

    int Count() const { return static_cast<int>(entries_.size()); }
    // Set numbers 1..Count(); throws std::out_of_range otherwise.
    const TCatalogEntry& Entry(int setNumber) const;
    TCatalogEntry& Entry(int setNumber);
    const std::string& Name(int setNumber) const { return Entry(setNumber).Name; }
    // Lowest set number of that exact (case-sensitive) name, 0 when none.
    int FindSet(const std::string& name) const;

    TElementFileFormat Format() const { return format_; }
    bool NoDataSet() const { return noDataSet_; }
    const std::string& SourcePath() const { return sourcePath_; }
    const std::string& SourceFileName() const { return sourceFileName_; }

    // Used by the loader: a load replaces the listed sets as a whole.
    void SetSource(const std::string& path);
    void SetFormat(TElementFileFormat format) { format_ = format; }
    void SetNoDataSet(bool on) { noDataSet_ = on; }
    void ReplaceEntries(std::vector<TCatalogEntry> entries);

private:
    std::vector<TCatalogEntry> entries_;  // entries_[n - 1] is set n
    TElementFileFormat format_ = TElementFileFormat::efNone;
    bool noDataSet_ = false;
    std::string sourcePath_;
    std::string sourceFileName_;
};

// The names of sets 1..count sorted alphabetically the way a sorted list box
// shows them (case folded, ties by byte order); a name listed twice stays twice.
std::vector<std::string> SortedSetNames(const TElementCatalog& catalog);

}  // namespace kelvora
