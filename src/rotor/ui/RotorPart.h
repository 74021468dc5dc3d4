#pragma once
// The rotor part: the rotor files, the positioning core and the "Rotor" dialog,
// behind the rotor operations the start-up and the tick call. The core decides
// where the antenna points; this part hands it the active satellite, sends its
// decisions through the server links and shows lblRotor.

#include "AppState.h"
#include "OperatorPrompt.h"
#include "Parts.h"
#include "RotorDialogActions.h"
#include "RotorPositioning.h"
#include "RotorSettings.h"
#include "ServerLinks.h"

#include <map>
#include <string>
#include <string_view>

class QWidget;

namespace kelvora {

class THinweise;

// What the rotor shows on the main window.
class IRotorWindow {
public:
    virtual ~IRotorWindow() = default;
    virtual void ShowRotorSwitch(bool on) = 0;  // lblRotor "R+" / "R-"
    // lblRotor yellow while a pass is flown over the top or on the extension.
    virtual void ShowRotorPassColour(bool yellow) = 0;
    // The main window takes no input while the "Rotor" dialog is open.
    virtual void EnableMainWindow(bool enabled) = 0;
};

struct TRotorPartSources {
    TAppState& State;
    IOperatorPrompt& Prompt;
    ISatellitePart& Satellite;  // the active set, its look angles and its next pass
    IServerLinks& Links;  // where the positions go
};

class TRotorPart final : public IRotorPart {
public:
    explicit TRotorPart(TRotorPartSources sources);
    ~TRotorPart() override;

    // The main window's lblRotor and the "Rotor" dialog.
    void AttachWindow(IRotorWindow& window, QWidget* mainWindow);

    // Operator commands.
    void RotorOnOff();  // lblRotor
    void OpenRotorDialog();  // "&Rotor"
    void RereadRotorOptions();  // the Options dialog reads "WiRotOpt.SQF" again

    // The dialog's operations: each sends what the core decided.
    TRotorDialogResult ExecuteManual(std::string_view azimuthText, std::string_view elevationText);
    TRotorDialogResult StandardDirection(int index);
    TRotorDialogResult ParkClick(bool parkFieldHasText);
    bool ParkAzimuthChanged(std::string_view text);  // returns whether to beep
    bool ParkElevationChanged(std::string_view text);
    std::string CorrectAzimuth(int delta);  // the text of txtKorrH
    std::string CorrectElevation(int delta);  // the text of txtKorrV

    const TRotorSettings& Settings() const { return settings_; }
    const TRotorState& RotorState() const { return state_; }
    THinweise* Dialog() const { return dialog_; }

    // IRotorPart.
    void ReadRotorFiles() override;
    void ReadRotorOptions() override;
    void ReadServerFiles() override { in_.Links.ReadServerFiles(); }
    void StartServers() override { in_.Links.StartServers(); }
    void RotorToggleApplied(bool on) override;
    void RotorCycle() override;
    void DeriveRotorInterval() override {}  // the core counts the interval in seconds itself
    void ActiveSatelliteChanged(TSatelliteChange reason) override;
    void ShutDownRotor() override;

private:
    void Send(const TRotorDecision& decision);
    TRotorDialogResult Apply(const TRotorDialogResult& result);
    void ShowSwitch();
    void ShowPassColour();
    void DecideNewPass(int set);

    TRotorPartSources in_;
    TRotorSettings settings_;
    TRotorState state_;
    // The pass each set's flip decision was made for: a new prediction decides again.
    std::map<int, TPredictedPass> decidedPasses_;
    IRotorWindow* window_ = nullptr;
    THinweise* dialog_ = nullptr;
    bool shownYellow_ = false;
};

}  // namespace kelvora
