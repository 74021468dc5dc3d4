#pragma once
// Small helpers shared by the group, naming and sorting dialogs.

#include "ReportingFileErrors.h"

#include <QDialogButtonBox>
#include <QPoint>
#include <QPushButton>
#include <QWidget>

namespace kelvora {

// Adds a dialog's button under its component name; the row orders the buttons by role
// the way the desktop does.
inline QPushButton* AddButton(QDialogButtonBox* row, const char* name, const QString& caption,
                              QDialogButtonBox::ButtonRole role) {
    QPushButton* button = row->addButton(caption, role);
    button->setObjectName(name);
    return button;
}

// The group, naming and download dialogs open 80 pixels below the selection window's
// top and 280 (380 with large fonts) right of its left edge.
inline void PlaceBesideSelectionWindow(QWidget* dialog, const QPoint& selectionTopLeft, int fontScale) {
    dialog->move(selectionTopLeft + QPoint(fontScale > 16 ? 380 : 280, 80));
}

}  // namespace kelvora
