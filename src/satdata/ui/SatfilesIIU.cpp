#include "SatfilesIIU.h"

#include "GroupDialogSupport.h"

#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace kelvora {

TSatFilesII::TSatFilesII(TSatGroups& groups, IOperatorPrompt& prompt, QWidget* parent)
    : QDialog(parent), groups_(groups), prompt_(prompt) {
    setObjectName("SatFilesII");
    setWindowTitle("Satellite Groups");
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget;
    list_->setObjectName("lstSatFilesII");
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox;
    layout->addWidget(buttons);
    QPushButton* ok = AddButton(buttons, "cmdOK", "OK", QDialogButtonBox::AcceptRole);
    QPushButton* cancel = AddButton(buttons, "cmdCancel", "Cancel", QDialogButtonBox::RejectRole);
    connect(ok, &QPushButton::clicked, this, &TSatFilesII::cmdOKClick);
    connect(cancel, &QPushButton::clicked, this, &TSatFilesII::cmdCancelClick);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { lstSatFilesIIDblClick(); });
    resize(220, 240);
}

void TSatFilesII::PlaceAtLabel(const QPoint& mainTopLeft, const QPoint& lblCwTopLeft) {
    move(mainTopLeft + lblCwTopLeft + QPoint(0, 150));
}

void TSatFilesII::FormShow() {
    groups_.RememberCurrent();
    list_->clear();
    ReportingFileErrors(prompt_, [&] { list_->addItems(ReadGroupNames(groups_.DataFolder())); });
    list_->setCurrentRow(groups_.ListPosition());
}

void TSatFilesII::showEvent(QShowEvent* event) {
    // A window restored from the task bar keeps what the operator did in it.
    if (!event->spontaneous()) FormShow();
    QDialog::showEvent(event);
}

void TSatFilesII::cmdOKClick() {
    const int row = list_->currentRow();
    if (row < 0) return;
    TSwitchResult result = TSwitchResult::SourceNotReady;
    ReportingFileErrors(prompt_, [&] { result = groups_.SwitchGroup(row, TSwitchVariant::QuickSwitch, prompt_); });
    if (result != TSwitchResult::SourceNotReady) accept();
}

void TSatFilesII::cmdCancelClick() {
    groups_.RestoreRemembered();
    reject();
}

}  // namespace kelvora
