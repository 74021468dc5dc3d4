#pragma once
// The status the program ends with; README.md lists them for scripts.

namespace kelvora {

enum ExitCode : int {
    ExitNormal = 0,  // quit or closed by the operator
    ExitNotStarted = 1,  // another copy or a program sharing the station runs, or the operator declined
    ExitStartupError = 2,  // bad command line, unusable data or lock folder, a start-up file missing or wrong
    ExitSaveFailed = 3,  // the window position could not be saved at quit
};

}  // namespace kelvora
