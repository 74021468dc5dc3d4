#include "CatRadioSetup.h"

namespace kelvora {

TRadioFamily RadioFamilyOf(std::string_view familyText) {
    if (familyText == "Yaesu") return TRadioFamily::Yaesu;
    if (familyText == "Icom") return TRadioFamily::Icom;
    if (familyText == "Kenwood") return TRadioFamily::Kenwood;
    return TRadioFamily::None;
}

int BaudRateOf(std::string_view baudText) {
    for (const int rate : {1200, 4800, 9600, 19200, 38400, 57600})
        if (baudText == std::to_string(rate)) return rate;
    return 0;
}

TSerialSettings CatPortSettings(const TCatRadioSetup& setup, int portNumber, std::string devicePath) {
    TSerialSettings s;
    s.PortNumber = portNumber;
    s.DevicePath = std::move(devicePath);
    s.DataBits = 8;
    s.StopBits = 1;
    s.BaudRate = BaudRateOf(setup.BaudText);
    s.Rts = setup.RtsOn;
    s.Dtr = setup.DtrOn;
    const bool slowPair = (setup.Family == TRadioFamily::Kenwood && setup.Model == "TS-790") ||
                          (setup.Family == TRadioFamily::Yaesu && setup.Model == "FT-736R");
    if (slowPair) {
        s.BaudRate = 4800;
        s.StopBits = 2;
    } else if (setup.Family == TRadioFamily::Kenwood && setup.Model == "TS-2000" && s.BaudRate == 4800) {
        s.StopBits = 2;
    }
    return s;
}

}  // namespace kelvora
