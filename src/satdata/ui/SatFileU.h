#pragma once
// "Satellite Groups" (TSatFiles): the group dialog opened from the selection window's
// "Gruppen" button. OK switches to the highlighted group, "Edit" switches and keeps
// the selection window open for editing, "New Group" and "Delete" change the list.

#include "OperatorPrompt.h"
#include "SatGroups.h"

#include <QDialog>
#include <functional>

class QListWidget;

namespace kelvora {

class TAddGroup;
class TDelGroup;

class TSatFiles : public QDialog {
    Q_OBJECT
public:
    TSatFiles(TSatGroups& groups, IOperatorPrompt& prompt, QWidget* parent = nullptr);

    // The "New Group" and "Delete Group" dialogs this one opens (created by the app in
    // its order); their bottom-right corner goes to this dialog's top-left.
    void UseGroupDialogs(TAddGroup* addGroup, TDelGroup* delGroup);

    // The dialog ended with "Edit": the selection window stays open.
    bool Edited() const { return edited_; }

    // Selection window: lblAuswahl := "Chosen: [" + group + "]" (after "Edit").
    std::function<void(const QString& text)> ShowChosenGroup;
    // Selection window: closing this dialog by any means enables its OK, Cancel and
    // "Gruppen" buttons again and shows it.
    std::function<void()> Closed;

    // Handlers.
    void FormShow();  // remembers the current group, fills and highlights the list
    void cmdOKClick();
    void lstSatFilesDblClick() { cmdOKClick(); }
    void cmdCancelClick();
    void cmdSatFWechselClick();
    void cmdRemoveClick();
    void cmdAddClick();
    // Refills lstSatFiles from the group list and highlights the list position.
    void FillList();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void PlaceSubDialog(QDialog* dialog);

    TSatGroups& groups_;
    IOperatorPrompt& prompt_;
    QListWidget* list_ = nullptr;
    TAddGroup* addGroup_ = nullptr;
    TDelGroup* delGroup_ = nullptr;
    bool edited_ = false;
};

}  // namespace kelvora
