#pragma once

// Element files in the kelvora-orbit tool: a set picked by name with
// --elements FILE --sat NAME, and the list command. The readers themselves
// live with the satellite data; the tool's main hands them in as a loader.

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

class TOrbitModel;

// One listed set; set n is the model's slot n.
struct TCliElementSet {
    std::string Name;
    std::string CatalogNumber;
    std::string Designator;
    std::string Form;  // tle, verbose, csv, xml, kvn
};

struct TCliElementFile {
    std::string Error;  // empty when the file was read
    std::vector<TCliElementSet> Sets;
    std::vector<std::string> Rejected;  // named sets that cannot be propagated
    std::string CutNote;  // set when only the beginning of a very long file was read
};

// Reads the file into the model's slots 1..count.
using TCliElementLoader = std::function<TCliElementFile(const std::string& path, TOrbitModel& model)>;

namespace cli {

// A wrong argument, option or element file: one line on the error stream, status 2.
struct TUsageError {
    std::string message;
};

// Copies the first set of that name into slot 1.
void LoadNamedSet(TOrbitModel& model, const std::string& path, const std::string& name,
                  const TCliElementLoader& loader);

// set,name,catalog,designator,epoch,form for every listed set; a note about
// left-out sets and about a cut file goes to err.
void ListElementFile(const std::string& path, TOrbitModel& model, const TCliElementLoader& loader, std::ostream& out,
                     std::ostream& err);

// A CSV cell: quoted when it holds a comma, a quote or a line break.
std::string CsvCell(std::string_view text);

}  // namespace cli
}  // namespace kelvora
