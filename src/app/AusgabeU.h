#pragma once
// The main window TAusgabe: map frame, data list, toggle panel, letters, date-time
// box, frequency panel, status bar, menus and the two timers. It shows what the
// application object tells it and reports the operator's commands; the work is
// done elsewhere.

#include "AppState.h"
#include "MapToggles.h"
#include "StartSettingsApply.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QLabel;
class QColor;
class QImage;
class QFrame;
class QHBoxLayout;
class QTimer;
class QAction;
class QMenu;

namespace kelvora {

class TDateTimeBox;
class TTextLineBox;
class TUpDown;

class TAusgabe : public QMainWindow {
    Q_OBJECT
public:
    explicit TAusgabe(QWidget* parent = nullptr);

    // Sizes the window and the map frame for a layout (table of layout sizes); the
    // operator may make the window smaller, never larger.
    void ApplyLayout(const TLayout& layout);
    // picKarte shows the map view (or, before the first refresh, the night map).
    void ShowMap(const QImage& view);
    QImage ShownMap() const;
    void ShowIllumination(const QString& text, const QColor& label, const QColor& textColour);
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

    // Tracking output (AusgabeOutput.cpp).
    void SetDataHeading(int layoutSize);  // lblKopfZeile and lblFrStep
    QString DataHeading() const;
    void DrawDataLine(const QString& text, bool aboveHorizon);  // lstAusGabe
    void DrawDopplerText(const QString& text);  // ptbRxTx2 at (0, 0)
    void BlankDopplerText();  // 25 blanks at (0, 2): warm-up
    void BlankFrequencyDisplays();  // 27 and 25 blanks: preview and MA
    void ClearFrequencyDisplays();  // nothing on show, as before the first frequency
    void ShowStationText(const QString& text);  // status panel 1
    void ShowCorrectionModeText(const QString& text);  // status panel 3
    // The radio controls: ptbRxTx, lblRevNor (and lblRevNorRx), the dial up-downs,
    // "&Sat mode off".
    void DrawFrequencyDisplay(const QString& text);
    void ShowCorrection(const QString& text, bool alsoReceive);
    void SetDialStepsEnabled(bool enabled);
    void SetToggleEnabled(TToggle toggle, bool enabled);
    void SetSatModeOffEnabled(bool enabled);
    // The transmit/receive labels at the map's top-left, bottom-right and top-right
    // corners (AusgabeRadio.cpp): "RX" on green, "TX" on red; hidden until the
    // status bar is clicked.
    void ShowTransmitState(bool transmit);
    void SetTransmitLabelsVisible(bool visible);
    bool TransmitLabelsVisible() const;
    TTextLineBox* DataLine() const { return dataLine_; }
    TTextLineBox* FrequencyDisplay() const { return rxTx_; }
    TTextLineBox* DopplerLine() const { return rxTx2_; }

    // Preview controls: lblVorZur and UpDown2 in place of lblRotor, lblCat,
    // lblWechsel and lblVFO.
    void ShowPreviewControls(bool preview);
    void ShowStepFactor(const QString& text);
    TUpDown* UpDown2() const { return upDown2_; }
    // The receive and transmit switches (the TX/RX labels and the space key): off
    // during a preview, whose frequencies are not the sky's now.
    void SetRxTxEnabled(bool enabled);
    void SetToggleText(TToggle toggle, const QString& text);
    QString ToggleText(TToggle toggle) const;
    QPoint ToggleTopLeft(TToggle toggle) const;  // in window coordinates
    // Clicks on lblBlueM, lblMulti, lblZoom, lblSpur, lblSun and lblArrow change the
    // state and call the map work through the hooks.
    void WireMapToggles(TAppState& app, TMapToggleHooks hooks);

    // Started and stopped only by its owner, TTickTimer; others may look.
    const QTimer* Timer1() const { return timer1_; }
    QTimer* Timer2() const { return timer2_; }
    QLabel* RotorLabel() const { return Toggle(TToggle::Rotor); }
    TDateTimeBox* DateTimeBox() const { return dateTime_; }

    // Asked when the window is closed by its frame; returns whether it may close.
    std::function<bool()> CloseQuery;

signals:
    void QuitRequested();  // "&Quit"
    void OptionsRequested();  // "&Options"
    void WindowSizeClicked();  // lblWinSize
    void LetterClicked(int letter);  // lblA .. lblL
    void SatellitesRequested();  // "&Satellites"
    void RealTimeRequested();  // "&Real Time"
    void PreviewRequested();  // "&Preview"
    void MaRequested();  // "&MA"
    // A click on a label of the toggle panel.
    void ToggleClicked(kelvora::TToggle toggle);
    void StatusBarClicked();
    // A click on the window's free area, where no control lies.
    void BackgroundClicked();
    void DialStepClicked(double deltaHz);  // SpnVfo10 .. SpnVfo5000
    void SatModeOffRequested();  // "&Sat mode off"
    void CatDialogRequested();  // "&CAT"
    void ModeDialogRequested();  // "&Mode"
    void RotorDialogRequested();  // "&Rotor"
    void TransmitLabelClicked();  // lblTxRx, lblTxRx2, lblTxRx3
    void SpaceKeyPressed();
    // The per-satellite correction keys: numeric-pad plus/minus 100 Hz, = and - 10 Hz.
    void CorrectionKeyPressed(double deltaHz);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateMenus();
    void CreateTogglePanel(QWidget* parent);
    void CreateLetters(QWidget* parent);
    QWidget* CreateOutputColumn();
    QWidget* CreateRxTxPanels();
    void ApplyRxTxFonts(int layoutSize);
    void PlaceDialSteps();  // the step column's width and the up-downs under the numbers
    QLabel* ToggleLabel(QWidget* parent, TToggle toggle, const char* name, const QString& designCaption,
                        const QString& hint);
    void CreateTransmitLabels();
    void PlaceTransmitLabels();
    QLabel* Toggle(TToggle toggle) const { return toggles_[static_cast<size_t>(toggle)]; }

    QFrame* mapFrame_ = nullptr;  // BevAusgabe
    QLabel* map_ = nullptr;  // picKarte
    bool layoutApplied_ = false;
    QLabel* heading_ = nullptr;  // lblKopfZeile
    TTextLineBox* dataLine_ = nullptr;  // lstAusGabe
    QLabel* stepCaption_ = nullptr;  // lblFrStep
    QList<QLabel*> rxTxCaptions_;  // of panUeberRxTx
    QHBoxLayout* captionRow_ = nullptr;
    QWidget* stepStrip_ = nullptr;  // holds the dial up-downs
    TTextLineBox* rxTx_ = nullptr;  // ptbRxTx
    TTextLineBox* rxTx2_ = nullptr;  // ptbRxTx2
    QLabel* revNor_ = nullptr;
    QLabel* revNorRx_ = nullptr;
    std::array<TUpDown*, 5> vfoSteps_{};  // SpnVfo10 .. SpnVfo5000
    QAction* satModeOff_ = nullptr;  // menSatMode
    std::array<QLabel*, 3> txRx_{};  // lblTxRx, lblTxRx2, lblTxRx3
    bool rxTxEnabled_ = true;  // lblRX, lblTX
    QWidget* lowerPanel_ = nullptr;
    QHBoxLayout* lowerRow_ = nullptr;  // frequency panel, toggles, letters, date-time box
    QLabel* satName_ = nullptr;
    QWidget* togglePanel_ = nullptr;
    std::array<QLabel*, ToggleCount> toggles_{};
    TUpDown* upDown2_ = nullptr;
    QLabel* illumination_ = nullptr;
    QList<QLabel*> letters_;
    QList<QLabel*> statusPanels_;
    TDateTimeBox* dateTime_ = nullptr;
    QTimer* timer1_ = nullptr;
    QTimer* timer2_ = nullptr;

    friend class TTickTimer;
};

}  // namespace kelvora
