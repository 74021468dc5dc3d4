#pragma once
// "IntVCatISS.SQF": one line, the CAT update threshold in Hz. The frequencies go
// out again only when the reference frequency moved at least this far.

#include <string>
#include <string_view>

#include "FileMessage.h"

namespace kelvora {

// Without the file the threshold is 100 Hz.
inline constexpr double kDefaultIntervalHz = 100.0;

// The threshold of the file's bytes (an empty file reads 0); false with a message
// naming the file and line when text stands where the number belongs.
bool ReadIntervalFile(std::string_view bytes, double& intervalHz, TFileError* error = nullptr);

// What "Store Interval" writes: the number with "." as the point, and CR LF.
std::string IntervalFileText(double intervalHz);

}  // namespace kelvora
