#pragma once
// The texts of the "CAT Tuning" dialog's fields and list, in the window's number
// patterns.

#include <string>
#include <string_view>
#include <vector>

#include "DopplerModel.h"

namespace kelvora {

// txtIntv: five blanks and the threshold in Hz, "####0".
std::string IntervalFieldText(double intervalHz);
// txtKorr when the dialog opens: four blanks and the correction in Hz, "#####"
// (nothing after the blanks for 0).
std::string CorrectionOpeningText(double correctionHz);
// txtKorr after a correction up-down of stepHz: "####0" after two blanks, and
// before that four more blanks for the 10-Hz up-downs, three for the others.
std::string CorrectionStepText(double correctionHz, double stepHz);

// lstFre: one " " item when no entry is in force, then one item per entry of the
// satellite's block, "######.##/######.## down/up", so that the list index is the
// entry the conductor's ChooseEntry takes.
std::vector<std::string> TuningListItems(const TDopplerModel& doppler, std::string_view satName, char decimalSeparator);

}  // namespace kelvora
