#include "AddGroupU.h"

#include "GroupDialogSupport.h"

#include <QHBoxLayout>
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
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton("OK");
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel");
    cancel->setObjectName("cmdCancel");
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
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
