#include "DownloadAddresses.h"

#include "ConfigFile.h"
#include "SatGroups.h"

#include <QDir>

#include <algorithm>

namespace kelvora {

QStringList ReadDownloadAddresses(const QString& dataFolder) {
    ConfigFile file = ConfigFile::Open(QDir(dataFolder).filePath(DownloadAddressFileName));
    QStringList addresses;
    while (!file.AtEnd()) {
        const QString line = file.ReadText();
        if (!line.startsWith(';')) addresses << line;
    }
    return addresses;
}

// The group-name check already keeps names out of other folders; downloads add a
// bound on the length, since the name comes from whatever the address holds.
bool IsUsableDownloadName(const QString& name) {
    return name.size() <= MaxDownloadNameLength && IsUsableGroupName(name);
}

namespace {

QString ElementFileName(const QString& address) {
    const qsizetype slash = std::max(address.lastIndexOf('/'), address.lastIndexOf('\\'));
    return address.mid(slash + 1);
}

// A query without "=", or with its first "&" before it, names nothing.
QString GroupQueryFileName(const QString& address) {
    const qsizetype equals = address.indexOf('=');
    const qsizetype ampersand = address.indexOf('&');
    if (equals < 0 || ampersand <= equals) return QString();
    const QString name = address.mid(equals + 1, ampersand - equals - 1);
    return name.isEmpty() ? QString() : name + "." + address.right(3);
}

}  // namespace

TDownloadPlan PlanDownload(const QString& address) {
    TDownloadPlan plan;
    const QString text = address.trimmed();
    plan.Kind = text.contains(QStringLiteral("GROUP")) ? TDownloadKind::GroupQuery : TDownloadKind::ElementFile;
    plan.FileName = plan.Kind == TDownloadKind::GroupQuery ? GroupQueryFileName(text) : ElementFileName(text);
    plan.Request = QUrl(text);
    const QString scheme = plan.Request.scheme();
    if (!plan.Request.isValid() || plan.Request.host().isEmpty() || (scheme != "http" && scheme != "https"))
        plan.Problem = QStringLiteral("Only http and https addresses can be downloaded.");
    else if (!IsUsableDownloadName(plan.FileName))
        plan.Problem = QStringLiteral("The address gives no usable file name (\"%1\").").arg(plan.FileName);
    return plan;
}

bool ContainsTwoLineData(const QByteArray& bytes) {
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (!lines[i].startsWith("1 ")) continue;
        if (lines[i + 1].startsWith("2 ")) return true;
        ++i;  // the line read as a possible line 2 is not tested again
    }
    return false;
}

// One piece per line of the box; the empty ones are its blank lines.
QString DownloadHelpText() {
    static const QStringList lines{
        "To download a Keplerian data file select the address in the list and",
        "click on \"DownLoad\".",
        "",
        "To add new download addresses to the list edit the file",
        "\"Celestrak.SQF\" in the Kelvora program folder. The file can be",
        "opened with the Kelvora menu \"? | Auxiliary Files.\"",
        "Add only addresses of Http servers (addresses starting with \"Http\").",
        "DIRECT download from FTP servers (addresses starting with \"FTP\")",
        "will not work!",
        "",
        "Downloaded files will be saved in the sub folder \"Kepler\" in the",
        "Kelvora program folder. To use a file click on the filename in the ",
        "left list of the menu \"Satellites\", then click on \"OK\".",
        "",
        "For information how to update the Keplerian data from other sources ",
        "read the FAQ file, section 2.",
    };
    return lines.join('\r');
}

}  // namespace kelvora
