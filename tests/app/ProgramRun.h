#pragma once
// Runs the built program as a separate process and collects its status and what it
// wrote on standard error.

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kelvora::test {

struct RunResult {
    int exitCode;
    QString errors;
};

// The program's environment: no screen, and the locks in that folder.
inline QProcessEnvironment ProgramEnvironment(const QString& lockFolder) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("KELVORA_LOCK_DIR", lockFolder);
    return env;
}

// Unless the caller names one, each run has a lock folder of its own, so that it
// never meets a copy the operator runs.
inline RunResult RunProgram(const QStringList& arguments, const QString& lockFolder = QString()) {
    QProcess program;
    QTemporaryDir locks;
    program.setProcessEnvironment(ProgramEnvironment(lockFolder.isEmpty() ? locks.path() : lockFolder));
    program.start(QStringLiteral(KELVORA_BINARY_DIR) + "/kelvoraiss", arguments);
    EXPECT_TRUE(program.waitForFinished(60000));
    return {program.exitCode(), QString::fromLocal8Bit(program.readAllStandardError())};
}

}  // namespace kelvora::test
