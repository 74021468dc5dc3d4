#include "RadioServerLink.h"

namespace kelvora {

namespace {
constexpr char kRadioTopic[] = "CatServConv";
constexpr std::chrono::milliseconds kLetGoWait{1000};
}  // namespace

TRadioServerLink::TRadioServerLink(const TAppState& state, ICatPause& pause, QDBusConnection bus)
    : state_(state), pause_(pause), bus_(bus) {}

TRadioServerLink::~TRadioServerLink() = default;

void TRadioServerLink::Configure(const TServerFiles& files) {
    client_.reset();
    rigctld_.reset();
    closed_ = false;
    if (IsRigctld(files.RadioServerService)) rigctld_ = std::make_unique<THamlibLink>("rigctld", files.RadioDaemon);
    else client_ = std::make_unique<TDdeClient>(bus_, files.RadioServerService, kRadioTopic);
}

bool TRadioServerLink::Sending() const { return state_.UseRadioServer && !closed_ && (client_ || rigctld_); }

void TRadioServerLink::Macro(const std::string& text) {
    if (client_) client_->Execute(QString::fromLatin1(text.c_str()));
}

void TRadioServerLink::Link() {
    if (!Sending()) return;
    if (rigctld_) rigctld_->Open();
    Macro("ClientOn");
}

void TRadioServerLink::Open() {
    if (Sending()) Macro("RaOpen");  // rigctld has nothing to open
}

void TRadioServerLink::Close() {
    if (!Sending()) return;
    Macro("RaClose");
    if (rigctld_) rigctld_->Send(RigctldCloseCommands());
}

void TRadioServerLink::SendFrequencies(double rxKHz, double txKHz) {
    if (!Sending()) return;
    Macro(RadioFrequencyMacro(rxKHz, txKHz, Separator()));
    if (rigctld_) rigctld_->Send(RigctldFrequencyCommands(rxKHz, txKHz));
}

void TRadioServerLink::SendStep(double rxKHz) {
    if (!Sending()) return;
    Macro(RadioStepMacro(rxKHz, Separator()));
    if (rigctld_) rigctld_->Send(RigctldStepCommands(rxKHz));
}

void TRadioServerLink::SendModes(const std::string& downlinkMode, const std::string& uplinkMode) {
    if (!Sending()) return;
    Macro(RadioModeMacro(downlinkMode, uplinkMode));
    if (rigctld_) rigctld_->Send(RigctldModeCommands(downlinkMode, uplinkMode));
}

void TRadioServerLink::CloseLink() {
    if (!Sending() || state_.SecondInstance) return;
    closed_ = true;
    if (rigctld_) {
        // The family's shut-down may not have switched CAT off (a Yaesu's does not):
        // the daemon's radio is left out of split, as it was before the program.
        rigctld_->Send(RigctldCloseCommands());
        rigctld_->Close();
        return;
    }
    Macro("Close");
    pause_.Pause(kLetGoWait);
}

}  // namespace kelvora
