#include "ElementAge.h"

#include "ConfigFile.h"

#include <cmath>

namespace kelvora {

int StaleElementDaysOf(const QString& lineText) {
    int days = 0;
    if (!ParseWholeNumber(lineText.trimmed().toLatin1(), days) || days <= 0) return DefaultStaleElementDays;
    return days;
}

QString StaleElementsWarning(const QString& satelliteName, const QString& fileName, double ageDays) {
    const auto days = static_cast<long long>(std::floor(ageDays));
    return QStringLiteral(
               "The elements of %1 in %2 are %3 days old: positions, passes and Doppler "
               "are no longer reliable. Please load newer elements.")
        .arg(satelliteName, fileName)
        .arg(days);
}

}  // namespace kelvora
