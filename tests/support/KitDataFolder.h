#pragma once
// Shared test helpers: a data folder filled from the default kit, and an operator
// prompt that answers from a script and records what it was told.

#include "OperatorPrompt.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <deque>

namespace kelvora::test {

class ScriptedPrompt : public IOperatorPrompt {
public:
    QStringList Messages;
    QStringList Questions;
    QList<Icon> QuestionIcons;
    std::deque<Answer> Answers;  // taken in order; the default when empty
    QString FileAnswer;  // what the file dialog returns (empty: cancelled)
    QStringList FileDialogFolders;  // the folder each file dialog opened in
    bool StationAnswered = false;  // the first-run station dialog: false keeps the defaults
    Station StationAnswer;

    void Message(const QString& text, Icon) override { Messages << text; }
    Answer Question(const QString& text, Answer defaultAnswer, Icon icon) override {
        Questions << text;
        QuestionIcons << icon;
        if (Answers.empty()) return defaultAnswer;
        const Answer a = Answers.front();
        Answers.pop_front();
        return a;
    }
    QString OpenFile(const QString&, const QString& folder, const QString&) override {
        FileDialogFolders << folder;
        return FileAnswer;
    }
    bool AskStation(Station& station) override {
        if (!StationAnswered) return false;
        station = StationAnswer;
        return true;
    }
};

inline QString KitFolder() { return QStringLiteral(KELVORA_SOURCE_DIR) + "/resources/kit"; }

// Copies the default kit into folder (ending in "/").
inline void CopyKitInto(const QString& folder) {
    const QString kit = KitFolder();
    QDirIterator it(kit, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = folder + QDir(kit).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(source, target);
    }
}

// A temporary data folder holding a copy of the default kit.
class KitDataFolder {
public:
    KitDataFolder() { CopyKitInto(Folder()); }
    QString Folder() const { return dir_.path() + "/"; }
    QString Path(const QString& name) const { return Folder() + name; }
    QByteArray Read(const QString& name) const {
        QFile f(Path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void Write(const QString& name, const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(Path(name)).absolutePath());
        QFile f(Path(name));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
    }
    void Remove(const QString& name) const { QFile::remove(Path(name)); }
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

}  // namespace kelvora::test
