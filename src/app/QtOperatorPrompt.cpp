#include "QtOperatorPrompt.h"

#include "StationDialog.h"

#include <QFileDialog>
#include <QMessageBox>

namespace kelvora {

namespace {
QMessageBox::Icon BoxIcon(IOperatorPrompt::Icon icon) {
    switch (icon) {
        case IOperatorPrompt::Icon::Information:
            return QMessageBox::Information;
        case IOperatorPrompt::Icon::Warning:
            return QMessageBox::Warning;
        case IOperatorPrompt::Icon::Error:
            break;
    }
    return QMessageBox::Critical;
}
}  // namespace

void QtOperatorPrompt::Message(const QString& text, Icon icon) {
    QMessageBox box(BoxIcon(icon), "Kelvora", text, QMessageBox::Ok, parent_);
    box.exec();
}

IOperatorPrompt::Answer QtOperatorPrompt::Question(const QString& text, Answer defaultAnswer, Icon icon) {
    QMessageBox box(BoxIcon(icon), "Kelvora", text, QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(defaultAnswer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString QtOperatorPrompt::OpenFile(const QString& caption, const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, caption, folder, filter);
}

bool QtOperatorPrompt::AskStation(Station& station) {
    StationDialog dialog(station, *this, parent_);
    if (dialog.exec() != QDialog::Accepted) return false;
    station = dialog.Result();
    return true;
}

}  // namespace kelvora
