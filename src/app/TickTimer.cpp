#include "TickTimer.h"

#include "AusgabeU.h"

#include <QTimer>

namespace kelvora {

TTickTimer::TTickTimer(TAusgabe& main) : timer_(*main.timer1_) {}

void TTickTimer::Start() { timer_.start(); }

void TTickTimer::Stop() { timer_.stop(); }

bool TTickTimer::Running() const { return timer_.isActive(); }

}  // namespace kelvora
