#include "CatTuning.h"

#include <charconv>
#include <system_error>

#include "CatControl.h"

namespace kelvora {

TTypedFrequency ReadTypedFrequency(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) return {0.0, true};
    if (error != std::errc() || end != text.data() + text.size()) return {};
    return {value, false};
}

TTypedFrequency TManualTuning::Edit(std::string_view text, double& kHz, TInputState& state) {
    state = TInputState::Invalid;
    const TTypedFrequency typed = ReadTypedFrequency(text);
    if (!typed.ConversionError && IsValidManualFrequency(typed.KHz)) {
        kHz = typed.KHz;
        state = TInputState::Valid;
    }
    return typed;
}

TTypedFrequency TManualTuning::EditRx(std::string_view text) { return Edit(text, ManualRxKHz, RxInputState); }

TTypedFrequency TManualTuning::EditTx(std::string_view text) { return Edit(text, ManualTxKHz, TxInputState); }

TManualTuning::TOkDecision TManualTuning::OkDecision() const {
    if (RxInputState != TInputState::Valid) return TOkDecision::AskRx;
    if (TxInputState == TInputState::Invalid) return TOkDecision::AskTx;
    if (!(ManualRxKHz > 0.0)) return TOkDecision::Nothing;
    return TOkDecision::Send;
}

}  // namespace kelvora
