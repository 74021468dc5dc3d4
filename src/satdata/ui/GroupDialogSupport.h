#pragma once
// Small helpers shared by the group, naming and sorting dialogs.

#include "ConfigFile.h"
#include "OperatorPrompt.h"

#include <QPoint>
#include <QWidget>

namespace kelvora {

// A file error inside a dialog event is shown as the platform's error box; the event
// ends there and the dialog stays as it was.
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

// The group, naming and download dialogs open 80 pixels below the selection window's
// top and 280 (380 with large fonts) right of its left edge.
inline void PlaceBesideSelectionWindow(QWidget* dialog, const QPoint& selectionTopLeft, int fontScale) {
    dialog->move(selectionTopLeft + QPoint(fontScale > 16 ? 380 : 280, 80));
}

}  // namespace kelvora
