#include "RadioWindow.h"

#include "AusgabeU.h"
#include "TickTimer.h"

#include <QTimer>

namespace kelvora {

void TRadioWindow::ShowCatSwitch(bool on) { main_.SetToggleText(TToggle::Cat, on ? "C+" : "C-"); }

void TRadioWindow::ShowCwSwitch(bool enabled, bool on) {
    main_.SetToggleText(TToggle::Cw, on ? "CW+" : "CW-");
    main_.SetToggleEnabled(TToggle::Cw, enabled);
}

void TRadioWindow::ShowVfoMode(bool on) {
    main_.SetToggleText(TToggle::Vfo, on ? "V+" : "V-");
    main_.SetDialStepsEnabled(on);
}

void TRadioWindow::ShowCorrection(const QString& text, bool alsoReceive) { main_.ShowCorrection(text, alsoReceive); }

void TRadioWindow::ShowTransmit(bool transmit) { main_.ShowTransmitState(transmit); }

void TRadioWindow::HideTransmitLabels() { main_.SetTransmitLabelsVisible(false); }

void TRadioWindow::ShowTransmitLabels() { main_.SetTransmitLabelsVisible(true); }

bool TRadioWindow::TransmitLabelsShown() const { return main_.TransmitLabelsVisible(); }

void TRadioWindow::DrawFrequencyDisplay(const QString& text) { main_.DrawFrequencyDisplay(text); }

void TRadioWindow::DrawDopplerText(const QString& text) { main_.DrawDopplerText(text); }

void TRadioWindow::ShowCorrectionModeText(const QString& text) { main_.ShowCorrectionModeText(text); }

void TRadioWindow::EnableSatModeOff(bool enabled) { main_.SetSatModeOffEnabled(enabled); }

void TRadioWindow::HoldTrackingForStep() {
    ticks_.Stop();
    main_.Timer2()->start();
}

void TRadioWindow::StopMainTimer() { ticks_.Stop(); }

void TRadioWindow::ResumeMainTimer() { ticks_.Resume(state_); }

}  // namespace kelvora
