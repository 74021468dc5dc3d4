#include "MAinpU.h"

#include "DialogButtons.h"
#include "PreviewTime.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kelvora {

TMAInp::TMAInp(int fontScale, QWidget* parent) : QDialog(parent) {
    setObjectName("MAInp");
    setWindowTitle("MA");
    setModal(false);
    auto* column = new QVBoxLayout(this);
    auto* caption = new QLabel("MA (0 - 256)", this);
    caption->setObjectName("Label1");
    column->addWidget(caption);
    edit_ = new QLineEdit(this);
    edit_->setObjectName("txtMA");
    column->addWidget(edit_);
    warning_ = new QLabel("    unvalid  value!", this);
    warning_->setObjectName("lblUnzul");
    warning_->setAutoFillBackground(true);
    warning_->setStyleSheet("background: rgb(255,0,0);");
    // Its place is kept while it is hidden, so the dialog does not jump.
    QSizePolicy keepPlace = warning_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    warning_->setSizePolicy(keepPlace);
    warning_->hide();
    column->addWidget(warning_);
    auto* buttons = new QDialogButtonBox;
    column->addWidget(buttons);
    QPushButton* ok = AddButton(buttons, "cmdOK", "OK", QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    QPushButton* cancel = AddButton(buttons, "cmdCancel", "Cancel", QDialogButtonBox::RejectRole);
    connect(ok, &QPushButton::clicked, this, &TMAInp::OkClicked);
    connect(cancel, &QPushButton::clicked, this, &TMAInp::CancelClicked);
    connect(edit_, &QLineEdit::textChanged, this, &TMAInp::txtMAChange);
    setFixedWidth(fontScale > 16 ? 270 : 216);
}

void TMAInp::txtMAChange(const QString& text) {
    target_ = ParseMaTarget(text.toStdString());
    warning_->setVisible(MaTargetWarned(target_));
}

bool TMAInp::WarningShown() const { return !warning_->isHidden(); }

void TMAInp::HideWarning() { warning_->hide(); }

void TMAInp::ShowOver(const QWidget* mainWindow) {
    show();
    move(mainWindow->geometry().center() - rect().center());
}

void TMAInp::reject() { emit CancelClicked(); }

void TMAInp::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    edit_->setFocus();
}

}  // namespace kelvora
