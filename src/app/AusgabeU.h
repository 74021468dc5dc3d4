#pragma once
// The main window TAusgabe: map frame, data list, toggle panel, letters, date-time
// box, status bar, menus and the two timers. It shows what the application object
// tells it and reports the operator's commands; the work is done elsewhere.

#include "AppState.h"
#include "StartSettingsApply.h"

#include <QMainWindow>
#include <functional>

class QLabel;
class QListWidget;
class QFrame;
class QTimer;
class QAction;
class QMenu;

namespace kelvora {

class TDateTimeBox;

class TAusgabe : public QMainWindow {
    Q_OBJECT
public:
    explicit TAusgabe(QWidget* parent = nullptr);

    // Sizes the window and the map frame for a layout (table of layout sizes).
    void ApplyLayout(const TLayout& layout);
    void ShowToggleTexts(const TToggleTexts& texts);
    void PaintLetter(int letter, TLetterColour colour);
    void SetLettersEnabled(int selectedCount);
    void DrawDateTime(const QString& date, const QString& time);
    void ClearIllumination();
    void SetStatusPanel(int panel, const QString& text);
    QString StatusPanel(int panel) const;
    void SetLetterHint(int letter, const QString& hint);
    // lblSatName, never wider than the toggle panel.
    void ShowSatName(const QString& text);
    QString SatNameText() const;
    // Stands for disabling the whole window while a dialog of it is open; the dialogs
    // are windows of their own and stay usable.
    void SetInputEnabled(bool enabled);
    bool InputEnabled() const;

    QTimer* Timer1() const { return timer1_; }
    QTimer* Timer2() const { return timer2_; }
    TDateTimeBox* DateTimeBox() const { return dateTime_; }

    // Asked when the window is closed by its frame; returns whether it may close.
    std::function<bool()> CloseQuery;

signals:
    void QuitRequested();         // "&Quit"
    void OptionsRequested();      // "&Options"
    void WindowSizeClicked();     // lblWinSize
    void LetterClicked(int letter);  // lblA .. lblL
    void SatellitesRequested();   // "&Satellites"

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateMenus();
    void CreateTogglePanel(QWidget* parent);
    void CreateLetters(QWidget* parent);
    QLabel* ToggleLabel(QWidget* parent, const char* name, const QString& designCaption, const QString& hint);

    QFrame* mapFrame_ = nullptr;    // BevAusgabe
    QLabel* map_ = nullptr;         // picKarte
    QListWidget* dataList_ = nullptr;
    QWidget* lowerPanel_ = nullptr;
    QLabel* satName_ = nullptr;
    QWidget* togglePanel_ = nullptr;
    QLabel* illumination_ = nullptr;
    QList<QLabel*> letters_;
    QList<QLabel*> statusPanels_;
    TDateTimeBox* dateTime_ = nullptr;
    QTimer* timer1_ = nullptr;
    QTimer* timer2_ = nullptr;
};

}  // namespace kelvora
