// The element-file loader of the kelvora-orbit tool: the plain readers with
// the default naming (the file's own names, no names list).
#pragma once

#include <string>

#include "OrbitCliElements.h"

namespace kelvora {

TCliElementFile LoadElementFileForCli(const std::string& path, TOrbitModel& model);

}  // namespace kelvora
