#include "CatRadioSetup.h"

namespace kelvora {

TCatRadioSetup CatRadioSetupOf(const TRadioDefinition& radio, std::size_t addressPair) {
    TCatRadioSetup setup;
    setup.Family = radio.FamilyKind();
    switch (setup.Family) {
        case TRadioFamily::Yaesu:
            setup.Model = radio.YaesuModel;
            setup.BaudText = radio.YaesuBaud;
            break;
        case TRadioFamily::Icom:
            setup.Model = radio.IcomModel;
            setup.BaudText = radio.IcomBaud;
            break;
        case TRadioFamily::Kenwood:
            setup.Model = radio.KenwoodModel;
            setup.BaudText = radio.KenwoodBaud;
            break;
        case TRadioFamily::None:
            break;
    }
    setup.YaesuRxOpcode = radio.YaesuRxOpcode;
    setup.YaesuTxOpcode = radio.YaesuTxOpcode;
    if (!radio.IcomAddressTable.empty()) {
        const auto& pair = radio.IcomAddressTable[addressPair < radio.IcomAddressTable.size() ? addressPair : 0];
        setup.IcomRxAddress = pair.RxAddress;
        setup.IcomTxAddress = pair.TxAddress;
    }
    setup.KenwoodSatChar = radio.SatChar;
    setup.KenwoodTraceOption = radio.TraceOption;
    setup.RtsOn = radio.RtsOn;
    setup.DtrOn = radio.DtrOn;
    return setup;
}

TSerialSettings CatPortSettings(const TCatRadioSetup& setup, int portNumber, std::string devicePath) {
    TSerialSettings s;
    s.PortNumber = portNumber;
    s.DevicePath = std::move(devicePath);
    s.DataBits = 8;
    s.StopBits = 1;
    s.BaudRate = BaudRateOfText(setup.BaudText);
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
