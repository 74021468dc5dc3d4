#pragma once
// Dialogs whose content comes with later work: each exists with its class name and
// caption so that the creation order and the placing of dialogs are already right.

#include <QDialog>

namespace kelvora {

class TShellDialog : public QDialog {
public:
    TShellDialog(const QString& className, const QString& caption, QWidget* parent)
        : QDialog(parent), className_(className) {
        setObjectName(className.mid(1));
        setWindowTitle(caption);
        resize(400, 300);
    }
    const QString& ClassName() const { return className_; }

private:
    QString className_;
};

}  // namespace kelvora
