#pragma once
// The once-a-second tick's one owner. The window holds the timer as its component
// (Timer1); every start and stop goes through here, so what keeps it running is
// decided in one place.

class QTimer;

namespace kelvora {

class TAusgabe;
struct TAppState;

class TTickTimer {
public:
    explicit TTickTimer(TAusgabe& main);

    // Starts it, unless the program has ended.
    void Start();
    void Stop();
    // A dialog gives the tracking back: the timer runs again in real time once the
    // start-up is done (in preview or MA stepping it stays off).
    void Resume(const TAppState& app);
    // The program ended: stopped for good, whoever asks for it again (a modal box
    // that was open at the end restarts nothing).
    void Retire();
    bool Running() const;
    QTimer* Source() const { return &timer_; }  // for connecting to its ticks

private:
    QTimer& timer_;
    bool retired_ = false;
};

}  // namespace kelvora
