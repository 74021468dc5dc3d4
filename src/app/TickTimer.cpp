#include "TickTimer.h"

#include "AppState.h"
#include "AusgabeU.h"

#include <QTimer>

namespace kelvora {

TTickTimer::TTickTimer(TAusgabe& main) : timer_(*main.timer1_) {}

void TTickTimer::Start() {
    if (!retired_) timer_.start();
}

void TTickTimer::Resume(const TAppState& app) {
    if (app.Tracking.TimeMode == TTimeMode::RealTime && app.StartupDone) Start();
}

void TTickTimer::Retire() {
    retired_ = true;
    timer_.stop();
}

void TTickTimer::Stop() { timer_.stop(); }

bool TTickTimer::Running() const { return timer_.isActive(); }

}  // namespace kelvora
