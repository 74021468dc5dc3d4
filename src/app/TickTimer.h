#pragma once
// The once-a-second tick's one owner. The window holds the timer as its component
// (Timer1); every start and stop goes through here, so what keeps it running is
// decided in one place.

class QTimer;

namespace kelvora {

class TAusgabe;

class TTickTimer {
public:
    explicit TTickTimer(TAusgabe& main);

    void Start();
    void Stop();
    bool Running() const;
    QTimer* Source() const { return &timer_; }  // for connecting to its ticks

private:
    QTimer& timer_;
};

}  // namespace kelvora
