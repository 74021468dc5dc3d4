#include "SatFileU.h"

#include "AddGroupU.h"
#include "DelGroupU.h"
#include "GroupDialogSupport.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace kelvora {

namespace {
QPushButton* Button(const char* name, const QString& caption, QVBoxLayout* column) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    column->addWidget(button);
    return button;
}
}  // namespace

TSatFiles::TSatFiles(TSatGroups& groups, IOperatorPrompt& prompt, QWidget* parent)
    : QDialog(parent), groups_(groups), prompt_(prompt) {
    setObjectName("SatFiles");
    setWindowTitle("Satellite Groups");
    setModal(true);
    auto* layout = new QHBoxLayout(this);
    list_ = new QListWidget;
    list_->setObjectName("lstSatFiles");
    layout->addWidget(list_);
    auto* column = new QVBoxLayout;
    layout->addLayout(column);
    connect(Button("cmdOK", "OK", column), &QPushButton::clicked, this, &TSatFiles::cmdOKClick);
    connect(Button("cmdSatFWechsel", "Edit", column), &QPushButton::clicked, this, &TSatFiles::cmdSatFWechselClick);
    connect(Button("cmdAdd", "New Group", column), &QPushButton::clicked, this, &TSatFiles::cmdAddClick);
    connect(Button("cmdRemove", "Delete", column), &QPushButton::clicked, this, &TSatFiles::cmdRemoveClick);
    column->addStretch(1);
    connect(Button("cmdCancel", "Cancel", column), &QPushButton::clicked, this, &TSatFiles::cmdCancelClick);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { groups_.SetListPosition(row); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { lstSatFilesDblClick(); });
    resize(320, 260);
}

void TSatFiles::UseGroupDialogs(TAddGroup* addGroup, TDelGroup* delGroup) {
    addGroup_ = addGroup;
    delGroup_ = delGroup;
    for (QDialog* dialog : {static_cast<QDialog*>(addGroup), static_cast<QDialog*>(delGroup)}) {
        if (dialog) connect(dialog, &QDialog::finished, this, &TSatFiles::FillList);
    }
}

void TSatFiles::FillList() {
    const QSignalBlocker blocker(list_);
    list_->clear();
    list_->addItems(groups_.Groups());
    list_->setCurrentRow(groups_.ListPosition());
}

void TSatFiles::FormShow() {
    edited_ = false;
    groups_.RememberCurrent();
    FillList();
}

void TSatFiles::showEvent(QShowEvent* event) {
    // A window restored from the task bar keeps what the operator did in it.
    if (!event->spontaneous()) FormShow();
    QDialog::showEvent(event);
}

void TSatFiles::hideEvent(QHideEvent* event) {
    if (Closed) Closed();
    QDialog::hideEvent(event);
}

void TSatFiles::cmdOKClick() {
    if (groups_.ListPosition() < 0) return;
    TSwitchResult result = TSwitchResult::SourceNotReady;
    ReportingFileErrors(
        prompt_, [&] { result = groups_.SwitchGroup(groups_.ListPosition(), TSwitchVariant::GroupDialog, prompt_); });
    FillList();
    if (result == TSwitchResult::Switched || result == TSwitchResult::GroupFileMissing) accept();
}

void TSatFiles::cmdSatFWechselClick() {
    edited_ = true;
    if (groups_.ListPosition() >= 0) {
        ReportingFileErrors(prompt_,
                            [&] { groups_.SwitchGroup(groups_.ListPosition(), TSwitchVariant::GroupDialog, prompt_); });
    }
    if (ShowChosenGroup) ShowChosenGroup("Chosen: [" + groups_.CurrentGroup() + "]");
    accept();
}

void TSatFiles::cmdCancelClick() {
    groups_.RestoreRemembered();
    reject();
}

void TSatFiles::PlaceSubDialog(QDialog* dialog) {
    dialog->adjustSize();
    dialog->move(pos() - QPoint(dialog->width(), dialog->height()));
    dialog->open();
}

void TSatFiles::cmdAddClick() {
    if (addGroup_) PlaceSubDialog(addGroup_);
}

void TSatFiles::cmdRemoveClick() {
    if (delGroup_ && groups_.ListPosition() >= 0) PlaceSubDialog(delGroup_);
}

}  // namespace kelvora
