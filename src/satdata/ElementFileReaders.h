// The five element-file readers and their shared pieces: the line buffer,
// form detection and the OMM epoch conversion. Each reader lists the sets it
// finds (names-list lookup included) and converts them into the orbit model's
// slots with the same numbers. Plain C++, no Qt; texts are Latin-1 bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ElementCatalog.h"
#include "SatNameU.h"

namespace kelvora {

class TOrbitModel;

// Lines 0..5600 of a file as views into its bytes (which must outlive the
// buffer); line ends CR LF or LF, a last line without an end counts.
class TElementLines {
public:
    static constexpr int kMaxLines = 5601;

    int Count() const { return static_cast<int>(lines_.size()); }
    // Lines past the end (and before the start) read as empty text.
    std::string_view Line(int index) const {
        return index >= 0 && index < Count() ? lines_[static_cast<std::size_t>(index)] : std::string_view();
    }
    void Assign(std::vector<std::string_view> lines) { lines_ = std::move(lines); }

private:
    std::vector<std::string_view> lines_;
};

// Fills the buffer; returns the number of lines read (0..5601).
int ReadElementLines(std::string_view bytes, TElementLines& lines);

// The form from the first line that decides it; efNone when none does.
TElementFileFormat DetectElementFileFormat(std::string_view bytes);

// ISO epoch (YYYY-MM-DDThh:mm:ss.ssssss) to the two-line epoch text
// YYDDD.DDDDDDDD, always with "." as the point.
std::string OmmEpochToTleEpoch(std::string_view epoch);

// What a reader works with and leaves behind.
struct TReaderContext {
    TNamingOptions& Options;
    const TNamesList& Names;
    TOrbitModel& Model;
    std::vector<TCatalogEntry> Listed;  // Listed[n - 1] is set n

    int NextSetNumber() const { return static_cast<int>(Listed.size()) + 1; }
};

inline constexpr int kMaxTwoLineSets = 1800;
inline constexpr int kMaxCsvSets = 1800;
inline constexpr int kMaxVerboseSets = 249;
inline constexpr int kMaxXmlPieces = 301;
inline constexpr int kKvnObjectLines = 28;

void ReadTwoLineSets(const TElementLines& lines, TReaderContext& context);
void ReadVerboseSets(const TElementLines& lines, TReaderContext& context);
void ReadCsvSets(const TElementLines& lines, TReaderContext& context);
void ReadOmmXmlSets(const TElementLines& lines, TReaderContext& context);
void ReadOmmKvnSets(const TElementLines& lines, TReaderContext& context);

// Two-line layout: true when the file's sets have no name lines.
bool DetectTleLayoutIsTwoLine(const TElementLines& lines);
// The whole-document XML line cut at each "/omm" (at most 301 pieces).
std::vector<std::string_view> SplitOmmDocument(std::string_view documentLine);

// Small text helpers shared by the readers (1-based columns as in the layouts).
namespace elementtext {
std::string_view Columns(std::string_view line, int from, int count);
std::string_view From(std::string_view line, int column);
std::string_view TrimRight(std::string_view text);  // blanks and control characters
std::string_view Trim(std::string_view text);
bool StartsWith(std::string_view text, std::string_view prefix);
std::string PadCatalogNumber(std::string_view number);  // left "0"-padded to 5
std::string CompactDesignator(std::string_view objectId);  // 1998-067A -> 98067A
}  // namespace elementtext

}  // namespace kelvora
