#pragma once
// The quick group switch (TSatFilesII, "Satellite Groups"), opened without blocking by
// a click on the main window's free area.

#include "OperatorPrompt.h"
#include "SatGroups.h"

#include <QDialog>

class QListWidget;

namespace kelvora {

class TSatFilesII : public QDialog {
    Q_OBJECT
public:
    TSatFilesII(TSatGroups& groups, IOperatorPrompt& prompt, QWidget* parent = nullptr);

    // Opens at the main window's left plus lblCW's left, and its top plus lblCW's top
    // plus 150.
    void PlaceAtLabel(const QPoint& mainTopLeft, const QPoint& lblCwTopLeft);

    // Handlers.
    void FormShow();  // remembers the current group; fills the list from the group list
    void cmdOKClick();  // stays open only when no source file was chosen
    void lstSatFilesIIDblClick() { cmdOKClick(); }
    void cmdCancelClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TSatGroups& groups_;
    IOperatorPrompt& prompt_;
    QListWidget* list_ = nullptr;
};

}  // namespace kelvora
