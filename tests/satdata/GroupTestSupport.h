#pragma once
// Helpers for the group, sorting and naming tests: a prompt that answers from a script
// and records what it was told, and a data folder filled from the default kit.

#include "KitDataFolder.h"
#include "SatGroups.h"

#include <QDir>
#include <QFile>
#include <deque>

namespace kelvora::grouptest {

using ScriptedPrompt = kelvora::test::ScriptedPrompt;
using KitFolder = kelvora::test::KitDataFolder;

// A group file from "name+" / "name-" items.
inline QByteArray GroupBytes(const QStringList& items) {
    QByteArray bytes;
    for (const QString& item : items) bytes += item.chopped(1).toLatin1() + "\r\n" + item.right(1).toLatin1() + "\r\n";
    return bytes;
}

inline QByteArray CrLf(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// Five groups A..E (plus Standard first), each with a group file, a source in the
// kit's Kepler folder, and a comment after the list.
inline void WriteFiveGroups(const KitFolder& kit) {
    kit.Write("ISSFiles8d.SQF", CrLf({"Standard", "Alpha", "Bravo", "Charlie", "Delta", "; comment", "kept"}));
    kit.Write("ISSSources.SQF", CrLf({"Kepler\\nasa.all", "Kepler\\a.txt", "Kepler\\b.txt", "Kepler\\c.txt",
                                      "Kepler\\d.txt", "", "", "", "", "", "", ""}));
    for (const char* name : {"Alpha", "Bravo", "Charlie", "Delta"}) {
        kit.Write(QString(name) + ".ISS", GroupBytes({"ISS+", "SO-50-"}));
        kit.Write(QString("Kepler/") + QString(name).left(1).toLower() + ".txt", "x\r\n");
    }
}

}  // namespace kelvora::grouptest
