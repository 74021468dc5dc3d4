#pragma once
// What an address of the "Download Keps" list means before anything is fetched: the
// kind of download, the file it is stored as in "Kepler", and the operator's texts.
// QtCore only.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace kelvora {

inline const QString DownloadAddressFileName = QStringLiteral("Celestrak.SQF");
inline const QString KeplerFolderName = QStringLiteral("Kepler");

// One entry per line of "Celestrak.SQF" in file order, empty lines included, lines
// starting with ";" left out. A missing file is a ConfigError.
QStringList ReadDownloadAddresses(const QString& dataFolder);

// An address holding "GROUP" (letter case as written) asks for a named group in a
// chosen format; any other address names an element file.
enum class TDownloadKind { ElementFile, GroupQuery };

// A file name built from an address lands in "Kepler" and nowhere else: not empty,
// not "." or "..", no folder separators or control characters, and short enough for
// any file system.
inline constexpr int MaxDownloadNameLength = 100;
bool IsUsableDownloadName(const QString& name);

struct TDownloadPlan {
    TDownloadKind Kind = TDownloadKind::ElementFile;
    QString FileName;  // in "Kepler"
    QUrl Request;  // the address as it is fetched: http or https, never downgraded
    QString Problem;  // why the address cannot be fetched; empty when it can
};

// Element file: the text after the last "/" or "\". Group query: the value between the
// first "=" and the first "&" plus "." and the last three characters of the address
// (GROUP=amateur&FORMAT=tle gives "amateur.tle"). Blanks around the address are
// ignored. A name that fails IsUsableDownloadName, or an address that is not http or
// https, gives a plan with a Problem.
TDownloadPlan PlanDownload(const QString& address);

// A line beginning with "1 " directly followed by one beginning with "2 ": the pair
// test of two-line element files, which files of the other forms do not pass.
bool ContainsTwoLineData(const QByteArray& bytes);

// The help box of the dialog, lines joined with CR.
QString DownloadHelpText();

}  // namespace kelvora
