#pragma once
// The OK/Cancel rows of the dialogs: one QDialogButtonBox per dialog, the buttons
// under their component names.

#include <QDialogButtonBox>
#include <QPushButton>

namespace kelvora {

// Adds a dialog's button under its component name; the row orders the buttons by role
// the way the desktop does. Add the row to its dialog's layout first: a button only
// becomes the dialog's default (Enter) when it already sits in the dialog.
inline QPushButton* AddButton(QDialogButtonBox* row, const char* name, const QString& caption,
                              QDialogButtonBox::ButtonRole role) {
    QPushButton* button = row->addButton(caption, role);
    button->setObjectName(name);
    return button;
}

}  // namespace kelvora
