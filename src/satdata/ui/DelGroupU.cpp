#include "DelGroupU.h"

#include "GroupDialogSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvora {

TDelGroup::TDelGroup(TSatGroups& groups, IOperatorPrompt& prompt, QWidget* parent)
    : QDialog(parent), groups_(groups), prompt_(prompt) {
    setObjectName("DelGroup");
    setWindowTitle("Delete Group");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    name_ = new QLineEdit;
    name_->setObjectName("EdGroupName");
    name_->setReadOnly(true);
    layout->addWidget(name_);
    auto* buttons = new QDialogButtonBox;
    layout->addWidget(buttons);
    QPushButton* del = AddButton(buttons, "cmdDelete", "Delete", QDialogButtonBox::DestructiveRole);
    QPushButton* cancel = AddButton(buttons, "cmdCancel", "Cancel", QDialogButtonBox::RejectRole);
    cancel->setDefault(true);
    connect(del, &QPushButton::clicked, this, &TDelGroup::cmdDeleteClick);
    connect(cancel, &QPushButton::clicked, this, &TDelGroup::cmdCancelClick);
}

void TDelGroup::showEvent(QShowEvent* event) {
    name_->setText(groups_.HighlightedGroup());
    QDialog::showEvent(event);
}

void TDelGroup::cmdDeleteClick() {
    bool deleted = false;
    ReportingFileErrors(prompt_, [&] { deleted = groups_.DeleteGroup(groups_.ListPosition(), prompt_); });
    if (deleted) accept();
    else reject();
}

}  // namespace kelvora
