#pragma once
// The typed receive and transmit frequencies of the "CAT Tuning" dialog and the
// decision of its "OK", without a window.

#include <string>
#include <string_view>

namespace kelvora {

// A typed frequency in kHz, "." as the point. Text that is not a number reads 0
// (outside every valid range); ConversionError only for a number no real can
// hold, the one case the operator is warned of at once.
struct TTypedFrequency {
    double KHz = 0.0;
    bool ConversionError = false;
};
TTypedFrequency ReadTypedFrequency(std::string_view text);

enum class TInputState { Untouched, Valid, Invalid };

// The two manual frequency fields. A field keeps its last valid value while its
// text is invalid; "OK" refuses then.
class TManualTuning {
public:
    enum class TOkDecision { Send, AskRx, AskTx, Nothing };

    // Every change of txtRx / txtTx; the result says whether to warn "Invalid input!".
    TTypedFrequency EditRx(std::string_view text);
    TTypedFrequency EditTx(std::string_view text);
    // "OK" is enabled while the receive field holds a valid frequency.
    bool OkEnabled() const { return RxInputState == TInputState::Valid; }
    // What "OK" does: ask for the receive field, ask for an edited transmit field,
    // nothing without a receive frequency, or send. An untouched transmit field is accepted.
    TOkDecision OkDecision() const;

    double ManualRxKHz = 0.0;
    double ManualTxKHz = 0.0;  // 0: the computed uplink stays
    TInputState RxInputState = TInputState::Untouched;
    TInputState TxInputState = TInputState::Untouched;

private:
    static TTypedFrequency Edit(std::string_view text, double& kHz, TInputState& state);
};

}  // namespace kelvora
