#include "QtOperatorPrompt.h"

#include "StationDialog.h"

#include <QFileDialog>
#include <QMessageBox>

namespace kelvora {

void QtOperatorPrompt::Message(const QString& text, Icon icon) {
    QMessageBox box(icon == Icon::Information ? QMessageBox::Information
                    : icon == Icon::Warning   ? QMessageBox::Warning
                                              : QMessageBox::Critical,
                    "Kelvora", text, QMessageBox::Ok, parent_);
    box.exec();
}

IOperatorPrompt::Answer QtOperatorPrompt::Question(const QString& text, Answer defaultAnswer) {
    QMessageBox box(QMessageBox::Information, "Kelvora", text, QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(defaultAnswer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString QtOperatorPrompt::OpenFile(const QString& caption, const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, caption, folder, filter);
}

bool QtOperatorPrompt::AskStation(Station& station) {
    StationDialog dialog(station, parent_);
    if (dialog.exec() != QDialog::Accepted) return false;
    station = dialog.Result();
    return true;
}

}  // namespace kelvora
