// The three OMM readers: comma-separated values, XML and key-value notation.
#include "ElementFileReaders.h"
#include "OrbitModel.h"

namespace kelvora {

using namespace elementtext;

namespace {
// The nine texts the orbit model converts from.
TOmmTexts ModelTexts(const TRawElementTexts& raw) {
    TOmmTexts t;
    t.Epoch = raw.Epoch;
    t.Inclination = raw.Inclination;
    t.RaOfAscNode = raw.RaOfAscNode;
    t.Eccentricity = raw.Eccentricity;
    t.ArgOfPericenter = raw.ArgOfPericenter;
    t.MeanAnomaly = raw.MeanAnomaly;
    t.MeanMotion = raw.MeanMotion;
    t.RevAtEpoch = raw.RevAtEpoch;
    t.BStar = raw.Bstar;
    return t;
}

// Lists the entry under the next set number with its texts in the model slot;
// returns the set number.
int List(TReaderContext& context, TCatalogEntry entry) {
    const int n = context.NextSetNumber();
    context.Model.OmmTexts(n) = ModelTexts(entry.Raw);
    context.Listed.push_back(std::move(entry));
    return n;
}

void LookUpName(TReaderContext& context, TCatalogEntry& entry) {
    if (context.Options.WorkingUseNorvaNames)
        entry.Name = LookupNorvaName(context.Names, context.Options, entry.Name, entry.CatalogNumber, entry.Designator);
}

// The 17 fields of a CSV line: split at the first 16 commas, no quoting.
std::vector<std::string_view> CsvFields(std::string_view line) {
    std::vector<std::string_view> fields;
    while (fields.size() < 16) {
        const std::size_t comma = line.find(',');
        if (comma == std::string_view::npos) break;
        fields.push_back(line.substr(0, comma));
        line.remove_prefix(comma + 1);
    }
    fields.push_back(line);
    fields.resize(17);
    return fields;
}
}  // namespace

void ReadCsvSets(const TElementLines& lines, TReaderContext& context) {
    context.Options.TakeWorkingCopies();
    context.Options.ForceValidLookupKey();
    for (int i = 1; i < lines.Count(); ++i) {
        if (static_cast<int>(context.Listed.size()) >= kMaxCsvSets) break;
        const std::vector<std::string_view> f = CsvFields(lines.Line(i));
        if (f[0].empty()) continue;
        TCatalogEntry e;
        e.Name = std::string(f[0]);
        e.Designator = CompactDesignator(f[1]);
        TRawElementTexts& r = e.Raw;
        r.Epoch = OmmEpochToTleEpoch(f[2]);
        std::string* const rest[] = {&r.MeanMotion,      &r.Eccentricity,  &r.Inclination,   &r.RaOfAscNode,
                                     &r.ArgOfPericenter, &r.MeanAnomaly,   &r.EphemerisType, &r.ClassificationType,
                                     &r.NoradCatId,      &r.ElementSetNo,  &r.RevAtEpoch,    &r.Bstar,
                                     &r.MeanMotionDot,   &r.MeanMotionDdot};
        for (std::size_t k = 0; k < std::size(rest); ++k) *rest[k] = std::string(f[k + 3]);
        e.CatalogNumber = PadCatalogNumber(r.NoradCatId);
        LookUpName(context, e);
        if (!e.Name.empty()) List(context, std::move(e));
    }
    context.Model.ConvertCsv(static_cast<int>(context.Listed.size()));
}

namespace {
constexpr std::size_t kMinXmlObjectLength = 500;

// Text after the first occurrence of the tag name and one more character (the
// ">" of the start tag) up to the next "<"; empty when the tag is missing.
std::string TagValue(std::string_view object, std::string_view tag) {
    const std::size_t at = object.find(tag);
    if (at == std::string_view::npos) return {};
    const std::string_view rest = From(object, static_cast<int>(at + tag.size()) + 2);
    return std::string(rest.substr(0, rest.find('<')));
}

void ReadXmlObject(std::string_view object, TReaderContext& context) {
    TCatalogEntry e;  // fresh texts: nothing carries over from the previous object
    TRawElementTexts& r = e.Raw;
    e.Name = TagValue(object, "OBJECT_NAME");
    e.Designator = CompactDesignator(TagValue(object, "OBJECT_ID"));
    r.Epoch = OmmEpochToTleEpoch(TagValue(object, "EPOCH"));
    r.MeanMotion = TagValue(object, "MEAN_MOTION");
    r.Eccentricity = TagValue(object, "ECCENTRICITY");
    r.Inclination = TagValue(object, "INCLINATION");
    r.RaOfAscNode = TagValue(object, "RA_OF_ASC_NODE");
    if (object.find("ARG_OF_PERICENTER") != std::string_view::npos) {
        r.ArgOfPericenter = TagValue(object, "ARG_OF_PERICENTER");
        r.MeanAnomaly = TagValue(object, "MEAN_ANOMALY");
        r.EphemerisType = TagValue(object, "EPHEMERIS_TYPE");
        r.ClassificationType = TagValue(object, "CLASSIFICATION_TYPE");
        r.NoradCatId = TagValue(object, "NORAD_CAT_ID").substr(0, 5);
        e.CatalogNumber = PadCatalogNumber(r.NoradCatId);
        r.ElementSetNo = TagValue(object, "ELEMENT_SET_NO");
        r.RevAtEpoch = TagValue(object, "REV_AT_EPOCH");
        // B* as written, so the XML form propagates like the same set in CSV form.
        r.Bstar = TagValue(object, "BSTAR");
        r.MeanMotionDot = TagValue(object, "MEAN_MOTION_DOT");
        r.MeanMotionDdot = TagValue(object, "MEAN_MOTION_DDOT");
        LookUpName(context, e);
    }
    if (e.Name.empty()) return;
    context.Model.ConvertXml(List(context, std::move(e)));
}
}  // namespace

void ReadOmmXmlSets(const TElementLines& lines, TReaderContext& context) {
    context.Options.ForceValidLookupKey();
    std::vector<std::string_view> objects;
    if (lines.Count() < 3) {
        // The whole document on the second line.
        objects = SplitOmmDocument(lines.Line(1));
    } else {
        for (int i = 0; i < lines.Count(); ++i) objects.push_back(lines.Line(i));
    }
    for (const std::string_view object : objects) {
        // One object per line could outnumber the model's slots.
        if (static_cast<int>(context.Listed.size()) >= TOrbitModel::kMaxSlots) break;
        if (object.size() >= kMinXmlObjectLength) ReadXmlObject(object, context);
    }
}

namespace {
void ReadKvnObject(const TElementLines& lines, int b, TReaderContext& context) {
    const auto at = [&lines, b](int offset, int column) { return std::string(From(lines.Line(b + offset), column)); };
    TCatalogEntry e;
    TRawElementTexts& r = e.Raw;
    e.Name = std::string(Trim(From(lines.Line(b), 17)));
    const std::string_view id = lines.Line(b + 1);
    e.Designator = std::string(TrimRight(std::string(Columns(id, 20, 2)) + std::string(From(id, 23))));
    r.Epoch = OmmEpochToTleEpoch(From(lines.Line(b + 7), 18));
    r.MeanMotion = at(8, 17);
    r.Eccentricity = at(9, 17);
    r.Inclination = at(10, 17);
    r.RaOfAscNode = at(11, 17);
    r.ArgOfPericenter = at(12, 20);
    r.MeanAnomaly = at(13, 17);
    r.EphemerisType = at(15, 17);
    r.ClassificationType = at(16, 22);
    r.NoradCatId = at(17, 18);
    e.CatalogNumber = PadCatalogNumber(r.NoradCatId);
    r.ElementSetNo = at(18, 17);
    r.RevAtEpoch = at(19, 17);
    r.Bstar = at(20, 17);
    r.MeanMotionDot = at(21, 18);
    r.MeanMotionDdot = at(22, 19);
    LookUpName(context, e);
    if (e.Name.empty()) return;
    context.Model.ConvertKvn(List(context, std::move(e)));
}
}  // namespace

void ReadOmmKvnSets(const TElementLines& lines, TReaderContext& context) {
    context.Options.ForceValidLookupKey();
    const int m = lines.Count();
    int b = 4;
    do {
        ReadKvnObject(lines, b, context);
        b += kKvnObjectLines;
    } while (b <= m - 4);
}

}  // namespace kelvora
