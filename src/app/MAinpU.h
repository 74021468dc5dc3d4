#pragma once
// "MA" (TMAInp): the MA phase the display jumps to. Values outside 0 .. 256 are
// only warned about.

#include <QDialog>

class QLabel;
class QLineEdit;

namespace kelvora {

class TMAInp : public QDialog {
    Q_OBJECT
public:
    // fontScale: 216 pixels wide, 270 on a 120-dpi screen (font scale above 16).
    explicit TMAInp(int fontScale, QWidget* parent = nullptr);

    double Target() const { return target_; }
    bool WarningShown() const;
    void HideWarning();
    // Centred over the window and shown.
    void ShowOver(const QWidget* mainWindow);

signals:
    void OkClicked();  // cmdOK
    void CancelClicked();  // cmdCancel

public slots:
    void reject() override;  // Escape is "Cancel"

protected:
    void showEvent(QShowEvent* event) override;

private:
    void txtMAChange(const QString& text);

    QLineEdit* edit_ = nullptr;
    QLabel* warning_ = nullptr;
    double target_ = 0;
};

}  // namespace kelvora
