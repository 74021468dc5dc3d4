#pragma once
// "Sat-Namen" (TSatelliteName): how satellites are named, from the element file or
// from the names list. A click changes the options in memory at once; "Store" also
// writes "SatNameOpt.SQF".

#include "OperatorPrompt.h"
#include "SatNameU.h"

#include <QDialog>

class QButtonGroup;

namespace kelvora {

class TSatelliteName : public QDialog {
    Q_OBJECT
public:
    TSatelliteName(TNamingOptions& options, QString dataFolder, IOperatorPrompt& prompt, QWidget* parent = nullptr);

    static QStringList ChoiceTexts();

    // Handlers.
    void FormActivate();  // the item of the stored options is chosen
    void RgrpSatNamenClick(int item);
    void Button2Click();  // "Store"
    void cmdCancelClick() { close(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    TNamingOptions& options_;
    QString dataFolder_;
    IOperatorPrompt& prompt_;
    QButtonGroup* choices_ = nullptr;
};

}  // namespace kelvora
