#pragma once
// The desktop as the running program uses it: programs start detached, documents
// open with the desktop's default application.

#include "MainCommands.h"

namespace kelvora {

class TQtDesktop final : public IDesktop {
public:
    bool StartDetached(const QString& program, const QString& workingFolder) override;
    bool OpenDocument(const QString& path) override;
};

}  // namespace kelvora
