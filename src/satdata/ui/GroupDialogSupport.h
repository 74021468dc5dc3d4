#pragma once
// Small helpers shared by the group, naming and sorting dialogs.

#include "DialogButtons.h"
#include "ReportingFileErrors.h"

#include <QPoint>
#include <QWidget>

namespace kelvora {

// The group, naming and download dialogs open 80 pixels below the selection window's
// top and 280 (380 with large fonts) right of its left edge.
inline void PlaceBesideSelectionWindow(QWidget* dialog, const QPoint& selectionTopLeft, int fontScale) {
    dialog->move(selectionTopLeft + QPoint(fontScale > 16 ? 380 : 280, 80));
}

}  // namespace kelvora
