#pragma once
// Asks once, on the first start, where the station is.

#include "OperatorPrompt.h"
#include <QDialog>

class QDoubleSpinBox;
class QLineEdit;

namespace kelvora {

class StationDialog : public QDialog {
    Q_OBJECT
public:
    StationDialog(const IOperatorPrompt::Station& initial, QWidget* parent = nullptr);
    IOperatorPrompt::Station Result() const;

private:
    QDoubleSpinBox* latitude_;
    QDoubleSpinBox* longitude_;
    QDoubleSpinBox* height_;
    QLineEdit* zone_;
};

}  // namespace kelvora
