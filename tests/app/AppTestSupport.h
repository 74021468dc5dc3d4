#pragma once
// Helpers for the tracking-window tests: a prompt that answers from a script and
// records what it was told, and a data folder filled from the default kit.

#include "OperatorPrompt.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace kelvora::test {

class ScriptedPrompt : public IOperatorPrompt {
public:
    QStringList Messages;
    QStringList Questions;
    std::deque<Answer> Answers;   // taken in order; the default when empty
    bool StationAnswered = false;
    Station StationAnswer;

    void Message(const QString& text, Icon) override { Messages << text; }
    Answer Question(const QString& text, Answer defaultAnswer) override {
        Questions << text;
        if (Answers.empty()) return defaultAnswer;
        const Answer a = Answers.front();
        Answers.pop_front();
        return a;
    }
    QString OpenFile(const QString&, const QString&, const QString&) override { return QString(); }
    bool AskStation(Station& station) override {
        if (!StationAnswered) return false;
        station = StationAnswer;
        return true;
    }
};

// The build folder holds the map pictures next to the program.
inline QString ProgramFolder() { return QStringLiteral(KELVORA_BINARY_DIR); }

inline QString KitFolder() { return QStringLiteral(KELVORA_SOURCE_DIR) + "/resources/kit"; }

// A temporary data folder holding a copy of the default kit.
class KitFolderCopy {
public:
    KitFolderCopy() {
        const QString kit = KitFolder();
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
    void Remove(const QString& name) const { QFile::remove(Path(name)); }

private:
    QTemporaryDir dir_;
};

}  // namespace kelvora::test
