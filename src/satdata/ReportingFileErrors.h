#pragma once
// Runs an action that reads or writes settings files from inside an operator's event.

#include "ConfigFile.h"
#include "OperatorPrompt.h"

#include <QString>

namespace kelvora {

// A file error is shown as the platform's error box instead of leaving the event; the
// caller learns from the result whether the action ran to its end.
template <typename F>
bool ReportingFileErrors(IOperatorPrompt& prompt, F&& action) {
    try {
        action();
        return true;
    } catch (const ConfigError& error) {
        prompt.Message(QString::fromStdString(error.what()), IOperatorPrompt::Icon::Error);
        return false;
    }
}

}  // namespace kelvora
