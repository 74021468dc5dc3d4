#pragma once
// The Options dialog TSatSetup: start values, map centring, window size, map set
// and map interval. Only "Store" writes anything.

#include "AppState.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QButtonGroup;
class QGroupBox;
class QLineEdit;

namespace kelvora {

// The window-size choice reduced to what the screen allows: returns the item
// (0 "640/480", 1 "800/600", 2 "1024/768") the dialog ends on.
int ScreenSizeRule(int item, int screenWidth, int fontScale);
char WindowSizeOptionOfItem(int item);
int ItemOfWindowSizeOption(char option);

class TSatSetup : public QDialog {
    Q_OBJECT
public:
    TSatSetup(TAppState& app, int screenWidth, QWidget* parent = nullptr);

    // Fills the controls from the settings in memory (ShowOptions).
    void FillFromSettings();
    // lblWinSize: the " Program window  " item is chosen and its size rule runs.
    void ChooseWindowSizeItem(int item) { ScreenItemChosen(item); }

    std::function<void()> RereadRotorOptions;  // "WiRotOpt.SQF"
    std::function<void(char option)> ApplyWindowSize;  // window-size change
    std::function<void(const QString&)> ReportError;  // a failed "Store"
    std::function<void()> Hidden;  // enables the main window again

protected:
    void hideEvent(QHideEvent* event) override;

private:
    QCheckBox* Check(const char* name, const QString& caption, char* startValue, bool clearsMap);
    QGroupBox* RadioGroup(const char* name, const QString& caption, const QStringList& items, QButtonGroup** group);
    void StepMapInterval(int delta);
    void ScreenItemChosen(int item);
    void Store();

    TAppState& app_;
    int screenWidth_;
    QList<std::pair<QCheckBox*, char*>> checks_;
    QButtonGroup* mapFix_ = nullptr;
    QButtonGroup* screen_ = nullptr;
    QButtonGroup* maps_ = nullptr;
    QLineEdit* interval_ = nullptr;
};

}  // namespace kelvora
