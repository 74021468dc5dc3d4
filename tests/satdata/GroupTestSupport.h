#pragma once
// Helpers for the group, sorting and naming tests: a prompt that answers from a script
// and records what it was told, and a data folder filled from the default kit.

#include "OperatorPrompt.h"
#include "SatGroups.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <deque>

namespace kelvora::grouptest {

class ScriptedPrompt : public IOperatorPrompt {
public:
    QStringList Messages;
    QStringList Questions;
    std::deque<Answer> Answers;       // taken in order; the default when empty
    QString FileAnswer;               // what the file dialog returns (empty: cancelled)
    QStringList FileDialogFolders;    // the folder each file dialog opened in

    void Message(const QString& text, Icon) override { Messages << text; }
    Answer Question(const QString& text, Answer defaultAnswer) override {
        Questions << text;
        if (Answers.empty()) return defaultAnswer;
        const Answer a = Answers.front();
        Answers.pop_front();
        return a;
    }
    QString OpenFile(const QString&, const QString& folder, const QString&) override {
        FileDialogFolders << folder;
        return FileAnswer;
    }
    bool AskStation(Station&) override { return false; }
};

// A temporary data folder holding a copy of the default kit.
class KitFolder {
public:
    KitFolder() {
        const QString kit = QStringLiteral(KELVORA_SOURCE_DIR) + "/resources/kit";
        QDirIterator it(kit, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            const QString target = Path(QDir(kit).relativeFilePath(source));
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::copy(source, target);
        }
    }
    QString Folder() const { return dir_.path() + "/"; }
    QString Path(const QString& name) const { return Folder() + name; }
    QByteArray Read(const QString& name) const {
        QFile f(Path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void Write(const QString& name, const QByteArray& bytes) const {
        QFile f(Path(name));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
    }
    bool Exists(const QString& name) const { return QFileInfo::exists(Path(name)); }
    // The lines of a file, without their CR LF.
    QStringList Lines(const QString& name) const {
        QString text = QString::fromLatin1(Read(name));
        text.replace("\r\n", "\n");
        if (text.endsWith('\n')) text.chop(1);
        return text.isEmpty() ? QStringList() : text.split('\n');
    }
    // Files of the folder, sorted, sub-folders left out.
    QStringList FileNames() const { return QDir(Folder()).entryList(QDir::Files, QDir::Name); }

private:
    QTemporaryDir dir_;
};

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
