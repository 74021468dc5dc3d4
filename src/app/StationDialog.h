#pragma once
// Asks once, on the first start, where the station is. OK takes the values only when
// the start-up would accept them; Cancel keeps the kit's station, as the dialog says.

#include "OperatorPrompt.h"
#include <QDialog>

class QLineEdit;

namespace kelvora {

class StationDialog : public QDialog {
    Q_OBJECT
public:
    // Refusals are told through prompt.
    StationDialog(const IOperatorPrompt::Station& initial, IOperatorPrompt& prompt, QWidget* parent = nullptr);
    IOperatorPrompt::Station Result() const { return result_; }

    void accept() override;

private:
    IOperatorPrompt& prompt_;
    IOperatorPrompt::Station result_;
    QLineEdit* latitude_;
    QLineEdit* longitude_;
    QLineEdit* height_;
    QLineEdit* zone_;
};

}  // namespace kelvora
