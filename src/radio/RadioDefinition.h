#pragma once
// Which radio is connected and how: the definition files "TRX.SQF", "YaesuPar.SQF",
// "IcomPar.SQF", "IcomName.SQF", "KenwoodPar.SQF" and "RTS12.SQF", read from bytes
// with the rules of every settings file (TConfigText). The station-setup side
// writes them; the program only reads them once at start-up.
//
// Each reader fills its fields and returns true; text where a number belongs, or
// a number that cannot be what the field holds, returns false with the file and
// the line in error (the fields then keep what was read before it).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FileMessage.h"

namespace kelvora {

enum class TRadioFamily { Yaesu, Icom, Kenwood, None };
// "Yaesu", "Icom", "Kenwood" exactly; any other text ("yaesu" too) is no family.
TRadioFamily RadioFamilyOf(std::string_view familyText);

// One line of the Icom address table: the two addresses and the column texts
// they were read from, which the "Mode" dialog's list shows.
struct TIcomAddressPair {
    std::uint8_t RxAddress = 0;
    std::uint8_t TxAddress = 0;
    std::string RxText;  // characters 1 to 3 of the line
    std::string TxText;  // characters 5 to 7
};

// Lines beyond the twelfth pair are ignored.
inline constexpr std::size_t kIcomAddressTableSize = 12;

struct TRadioDefinition {
    std::string Family;  // "TRX.SQF" line 1
    std::uint8_t YaesuRxOpcode = 0;  // "YaesuPar.SQF" lines 1 and 2
    std::uint8_t YaesuTxOpcode = 0;
    std::string YaesuBaud;  // line 3
    std::string YaesuModel;  // line 4
    std::string IcomModel;  // "IcomName.SQF" line 1
    std::string IcomBaud;  // "IcomPar.SQF" line 1
    std::vector<TIcomAddressPair> IcomAddressTable;  // the following lines
    std::string KenwoodModel;  // "KenwoodPar.SQF" lines 1 to 4
    std::string KenwoodBaud;
    char SatChar = '\0';
    std::string TraceOption;
    bool RtsOn = false;  // "RTS12.SQF" lines 1 and 3
    bool DtrOn = false;

    TRadioFamily FamilyKind() const { return RadioFamilyOf(Family); }
};

void ReadTrxFile(std::string_view bytes, TRadioDefinition& radio);
bool ReadYaesuPar(std::string_view bytes, TRadioDefinition& radio, TFileError* error = nullptr);
// Line 1 the baud-rate text; then per line a pair in columns 1-3 and 5-7, decimal
// or "$" hexadecimal; lines starting with ";" are comments, empty lines are skipped.
bool ReadIcomPar(std::string_view bytes, TRadioDefinition& radio, TFileError* error = nullptr);
void ReadIcomName(std::string_view bytes, TRadioDefinition& radio);
void ReadKenwoodPar(std::string_view bytes, TRadioDefinition& radio);
// "+" in lines 1 and 3 sets RTS and DTR after opening; anything else clears them.
void ReadRts12(std::string_view bytes, TRadioDefinition& radio);

// The "Mode" dialog's list item: " " + characters 1-3 + four blanks + characters 5-7.
std::string IcomAddressListText(const TIcomAddressPair& pair);

// "&Sat mode off" is offered only for Yaesu radios other than the FT-736R.
bool SatModeOffEnabled(const TRadioDefinition& radio);

// "1200", "4800", "9600", "19200", "38400", "57600" give that speed; any other
// text gives 0, which leaves the device's speed as it is.
int BaudRateOfText(std::string_view baudText);

}  // namespace kelvora
