#pragma once
// "New Group" (TAddGroup): the name typed in edNewGroup becomes a new group that
// starts as a copy of the Standard group's first six satellites.

#include "OperatorPrompt.h"
#include "SatGroups.h"

#include <QDialog>

class QLineEdit;

namespace kelvora {

class TAddGroup : public QDialog {
    Q_OBJECT
public:
    TAddGroup(TSatGroups& groups, IOperatorPrompt& prompt, QWidget* parent = nullptr);

    // Adds the group and closes; a name that cannot be used is refused with a message
    // and the dialog stays open for another one.
    void cmdOKClick();
    void cmdCancelClick() { reject(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    TSatGroups& groups_;
    IOperatorPrompt& prompt_;
    QLineEdit* name_ = nullptr;
};

}  // namespace kelvora
