#include "AddGroupU.h"

#include "GroupDialogSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace kelvora {

TAddGroup::TAddGroup(TSatGroups& groups, IOperatorPrompt& prompt, QWidget* parent)
    : QDialog(parent), groups_(groups), prompt_(prompt) {
    setObjectName("AddGroup");
    setWindowTitle("New Group");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    name_ = new QLineEdit;
    name_->setObjectName("edNewGroup");
    layout->addWidget(name_);
    auto* buttons = new QDialogButtonBox;
    layout->addWidget(buttons);
    QPushButton* ok = AddButton(buttons, "cmdOK", "OK", QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    QPushButton* cancel = AddButton(buttons, "cmdCancel", "Cancel", QDialogButtonBox::RejectRole);
    connect(ok, &QPushButton::clicked, this, &TAddGroup::cmdOKClick);
    connect(cancel, &QPushButton::clicked, this, &TAddGroup::cmdCancelClick);
}

void TAddGroup::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        name_->clear();
        name_->setFocus();
    }
    QDialog::showEvent(event);
}

void TAddGroup::cmdOKClick() {
    bool added = false;
    ReportingFileErrors(prompt_, [&] { added = groups_.AddGroup(name_->text(), prompt_); });
    if (added) accept();
}

}  // namespace kelvora
