#pragma once
// The preview and MA modes of the main window: the "&Preview", "&MA" and
// "&Real Time" commands, the "Start Time" and "MA" dialogs, the step-factor label
// and the arrow control. The main timer is off in these modes; the display moves
// only by the operator's steps and sends nothing to the radio, rotor or data server.

#include "AppState.h"
#include "PreviewTime.h"
#include "Parts.h"

#include <QObject>
#include <functional>
#include <optional>

namespace kelvora {

class TAusgabe;
class TTickTimer;
class TVorschau;
class TMAInp;

// What the modes need from the rest of the program.
struct TPreviewSources {
    std::function<double()> LocalNow;  // local computer time, days since 1899-12-30
    std::function<double()> ActiveRevsPerDay;  // mean motion of the active satellite
    std::function<double()> ActiveMa;  // MA of the satellite last propagated
    std::function<void()> ComputeSunAtCursor;  // the sun at the shown instant
    std::function<void()> ClearSelectionRequest;  // the Satellites menu's show request
    std::function<void(const QString&)> ReportError;
};

class TPreviewControl : public QObject {
    Q_OBJECT
public:
    // Connects the window's menu items, lblVorZur and UpDown2 and both dialogs.
    TPreviewControl(TAusgabe& main, TTickTimer& ticks, TVorschau& vorschau, TMAInp& maInp, TAppState& app, TParts parts,
                    TPreviewSources sources, QObject* parent = nullptr);

    void menVorschauClick();
    void ResetPreviewStart();
    void cmdStartOkClick();
    void cmdStartCancelClick();
    void UpDown1Click();
    void lblVorZurClick();
    void menMAWertClick();
    void MaOkClick();
    void MaCancelClick();
    void menEchtzeitClick();

    const TPreviewState& State() const { return state_; }

private:
    void Snapshot();
    void LeaveBlankedFrequencyArea();
    // Moves the display; false (with the error shown) when the calendar cannot show it.
    bool MoveTo(double dayCount);

    TAusgabe& main_;
    TTickTimer& ticks_;
    TVorschau& vorschau_;
    TMAInp& maInp_;
    TAppState& app_;
    TParts parts_;
    TPreviewSources sources_;
    TPreviewState state_;
    std::optional<QString> rotorStyle_;  // lblRotor's colour when the preview began
};

}  // namespace kelvora
