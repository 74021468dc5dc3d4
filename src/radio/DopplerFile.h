#pragma once
// The frequency table "Doppler.SQF" and the correction-mode file "KorrMod.SQF",
// read from and written as bytes: 8-bit text, lines ending CR LF or LF, numbers
// with "." whatever the system's separator.

#include <optional>
#include <string>
#include <string_view>

#include "DopplerModel.h"

namespace kelvora {

// Lines starting with ";" and empty lines are skipped; every other line gives one
// entry: Name, DownlinkKHz, UplinkKHz, DownlinkMode, UplinkMode, Sense,
// DownlinkOffsetKHz and the rest of the line as UplinkOffsetKHz. The name is kept
// exactly; blanks around the modes and the sense are dropped. A number that is
// missing or does not read becomes NaN, so the entry stays in its satellite's
// block but its frequencies are flagged unusable and never sent. At most
// kDopplerTableSize entries; later lines are ignored.
inline constexpr std::size_t kDopplerTableSize = 2000;
TDopplerTable ParseDopplerTable(std::string_view bytes);

// The mode number of "KorrMod.SQF": 0 for an empty file (past the end a number
// reads as 0) and for a number outside 0..2; nullopt when the text is not a
// whole number (the file error that stops the start-up step).
std::optional<int> ParseCorrectionMode(std::string_view bytes);
// The file's bytes for a mode: the digit and CR LF.
std::string CorrectionModeFileText(int mode);

}  // namespace kelvora
