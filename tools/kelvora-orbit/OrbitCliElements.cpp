#include "OrbitCliElements.h"

#include <ostream>

#include "OrbitCliParse.h"
#include "OrbitModel.h"

namespace kelvora::cli {

namespace {
TCliElementFile Load(const std::string& path, TOrbitModel& model, const TCliElementLoader& loader) {
    if (!loader) throw TUsageError{"this build cannot read element files"};
    TCliElementFile file = loader(path, model);
    if (!file.Error.empty()) throw TUsageError{file.Error};
    return file;
}
}  // namespace

void LoadNamedSet(TOrbitModel& model, const std::string& path, const std::string& name,
                  const TCliElementLoader& loader) {
    const TCliElementFile file = Load(path, model, loader);
    for (size_t i = 0; i < file.Sets.size(); ++i) {
        if (file.Sets[i].Name != name) continue;
        const int slot = static_cast<int>(i) + 1;
        if (slot != 1) model.Slot(1) = model.Slot(slot);
        model.SelectSatellite(1);
        return;
    }
    for (const std::string& rejected : file.Rejected)
        if (rejected == name) throw TUsageError{"the set '" + name + "' cannot be propagated"};
    std::string message = "no set named '" + name + "' in " + path;
    if (!file.CutNote.empty()) message += " (" + file.CutNote + ")";
    throw TUsageError{message};
}

void ListElementFile(const std::string& path, TOrbitModel& model, const TCliElementLoader& loader, std::ostream& out,
                     std::ostream& err) {
    const TCliElementFile file = Load(path, model, loader);
    out << "set,name,catalog,designator,epoch,form\n";
    for (size_t i = 0; i < file.Sets.size(); ++i) {
        const TCliElementSet& s = file.Sets[i];
        const int slot = static_cast<int>(i) + 1;
        out << slot << ',' << CsvCell(s.Name) << ',' << CsvCell(s.CatalogNumber) << ',' << CsvCell(s.Designator) << ','
            << FormatNumber(model.Slot(slot).Epoch) << ',' << s.Form << '\n';
    }
    if (!file.Rejected.empty())
        err << "kelvora-orbit: " << file.Rejected.size() << " set(s) left out, they cannot be propagated\n";
    if (!file.CutNote.empty()) err << "kelvora-orbit: " << file.CutNote << '\n';
}

std::string CsvCell(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string cell = "\"";
    for (const char c : text) {
        if (c == '"') cell += '"';
        cell += c;
    }
    return cell + '"';
}

}  // namespace kelvora::cli
