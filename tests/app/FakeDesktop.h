#pragma once
// The desktop the program starts programs and opens documents on, recorded
// instead of touched.

#include "MainCommands.h"

#include <QStringList>

namespace kelvora::test {

struct FakeDesktop : IDesktop {
    QStringList Started;  // "program|working folder"
    QStringList Opened;
    bool Succeeds = true;
    bool StartDetached(const QString& program, const QString& workingFolder) override {
        Started << program + "|" + workingFolder;
        return Succeeds;
    }
    bool OpenDocument(const QString& path) override {
        Opened << path;
        return Succeeds;
    }
};

}  // namespace kelvora::test
