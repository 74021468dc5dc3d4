#pragma once
// A station behind the radio dialogs: the CAT conductor on a scripted radio, a
// temporary data folder from the kit and a prompt that records what it was told.
#include <QTemporaryDir>
#include <string>

#include "../radio/FakeRadio.h"
#include "CatControl.h"
#include "KitDataFolder.h"

namespace kelvora::test {

struct RadioStation {
    explicit RadioStation(const TCatRadioSetup& setup, TDopplerTable table, const std::string& satName)
        : Port(setup.Family == TRadioFamily::Icom      ? testing::TFakeFamily::Icom
               : setup.Family == TRadioFamily::Kenwood ? testing::TFakeFamily::Kenwood
                                                       : testing::TFakeFamily::Yaesu,
               setup.IcomRxAddress),
          Cat(Doppler, Port, Pauser, Display, Server) {
        Doppler.SetTable(std::move(table));
        Cat.InitCat(setup);
        std::string message;
        Cat.OpenCatPort(CatPortSettings(setup, 1, "/dev/ttyUSB0"), &message);
        Cat.SatelliteChanged(satName, 1);
        Cat.Fields().StartupDone = true;
        Cat.CatOn();
        Port.Written.clear();
        Display.Log.clear();
    }

    KitDataFolder Data;
    ScriptedPrompt Prompt;
    TDopplerModel Doppler;
    testing::TFakeRadioPort Port;
    testing::TCountingPause Pauser;
    testing::TRecordingDisplay Display;
    testing::TRecordingServer Server;
    TCatControl Cat;
};

inline TCatRadioSetup KenwoodTs2000() {
    TCatRadioSetup s;
    s.Family = TRadioFamily::Kenwood;
    s.Model = "TS-2000";
    s.KenwoodSatChar = '1';
    s.KenwoodTraceOption = "TraceOff";
    return s;
}

}  // namespace kelvora::test
