#include "CatTuningTexts.h"

#include <cmath>

#include "PatternFormat.h"

namespace kelvora {

std::string IntervalFieldText(double intervalHz) { return "     " + FormatPattern(intervalHz, "####0", '.'); }

std::string CorrectionOpeningText(double correctionHz) { return "    " + FormatPattern(correctionHz, "#####", '.'); }

std::string CorrectionStepText(double correctionHz, double stepHz) {
    const std::string lead(std::fabs(stepHz) == 10.0 ? 4 : 3, ' ');
    return lead + "  " + FormatPattern(correctionHz, "####0", '.');
}

std::vector<std::string> TuningListItems(const TDopplerModel& doppler, std::string_view satName,
                                         char decimalSeparator) {
    std::vector<std::string> items;
    if (!doppler.Set().Found) items.emplace_back(" ");
    const TDopplerTable& table = doppler.Table();
    auto it = table.begin();
    while (it != table.end() && it->Name != satName) ++it;
    for (; it != table.end() && it->Name == satName; ++it)
        items.push_back(FormatPattern(it->DownlinkKHz, "######.##", decimalSeparator) + "/" +
                        FormatPattern(it->UplinkKHz, "######.##", decimalSeparator) + " " + it->DownlinkMode + "/" +
                        it->UplinkMode);
    return items;
}

}  // namespace kelvora
