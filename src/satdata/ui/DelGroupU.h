#pragma once
// "Delete Group" (TDelGroup): deletes the group highlighted in "Satellite Groups",
// shown in EdGroupName, after "Are you sure?". "Standard" is never deleted.

#include "OperatorPrompt.h"
#include "SatGroups.h"

#include <QDialog>

class QLineEdit;

namespace kelvora {

class TDelGroup : public QDialog {
    Q_OBJECT
public:
    TDelGroup(TSatGroups& groups, IOperatorPrompt& prompt, QWidget* parent = nullptr);

    void cmdDeleteClick();  // closes in every case
    void cmdCancelClick() { reject(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    TSatGroups& groups_;
    IOperatorPrompt& prompt_;
    QLineEdit* name_ = nullptr;
};

}  // namespace kelvora
