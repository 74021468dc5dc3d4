#include "RadioDefinition.h"

#include <array>

#include "ConfigText.h"
#include "FileMessage.h"

namespace kelvora {

namespace {

// A CI-V address or a Yaesu opcode is one byte.
bool ByteOfNumber(int value, std::uint8_t& byte) {
    if (value < 0 || value > 255) return false;
    byte = static_cast<std::uint8_t>(value);
    return true;
}

bool ParseHexText(std::string_view digits, int& value) {
    if (digits.empty() || digits.size() > 6) return false;
    value = 0;
    for (const char c : digits) {
        int digit = 0;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else return false;
        value = value * 16 + digit;
    }
    return true;
}

// A column of an address line: decimal, or hexadecimal after "$"; blanks around it
// do not count.
bool ParseAddressText(std::string_view column, std::uint8_t& address) {
    const std::string_view text = TrimBlanks(column);
    int value = 0;
    const bool parsed =
        !text.empty() && text.front() == '$' ? ParseHexText(text.substr(1), value) : ParseWholeNumberText(text, value);
    return parsed && ByteOfNumber(value, address);
}

std::string_view Column(std::string_view line, std::size_t first, std::size_t count) {
    return first < line.size() ? line.substr(first, count) : std::string_view();
}

bool ReadOpcode(TConfigText& text, std::uint8_t& opcode, TFileError* error) {
    const std::string_view token = text.ReadNumberToken();
    int value = 0;
    if (token.empty()) {
        opcode = 0;
        return true;
    }
    if (!ParseWholeNumberText(token, value))
        return FailFileLine(error, "YaesuPar.SQF", text.TokenLine(), NotANumberText(token));
    if (!ByteOfNumber(value, opcode))
        return FailFileLine(error, "YaesuPar.SQF", text.TokenLine(),
                            NotANumberText(token) + ": an opcode is one byte (0 to 255)");
    return true;
}

}  // namespace

TRadioFamily RadioFamilyOf(std::string_view familyText) {
    if (familyText == "Yaesu") return TRadioFamily::Yaesu;
    if (familyText == "Icom") return TRadioFamily::Icom;
    if (familyText == "Kenwood") return TRadioFamily::Kenwood;
    return TRadioFamily::None;
}

void ReadTrxFile(std::string_view bytes, TRadioDefinition& radio) {
    TConfigText text{std::string(bytes)};
    radio.Family = std::string(text.ReadLine());
}

bool ReadYaesuPar(std::string_view bytes, TRadioDefinition& radio, TFileError* error) {
    TConfigText text{std::string(bytes)};
    if (!ReadOpcode(text, radio.YaesuRxOpcode, error)) return false;
    if (!ReadOpcode(text, radio.YaesuTxOpcode, error)) return false;
    radio.YaesuBaud = std::string(text.ReadLine());
    radio.YaesuModel = std::string(text.ReadLine());
    return true;
}

bool ReadIcomPar(std::string_view bytes, TRadioDefinition& radio, TFileError* error) {
    TConfigText text{std::string(bytes)};
    radio.IcomBaud = std::string(text.ReadLine());
    radio.IcomAddressTable.clear();
    while (!text.AtEnd() && radio.IcomAddressTable.size() < kIcomAddressTableSize) {
        const int lineNumber = text.CurrentLine();
        const std::string_view line = text.ReadLine();
        if (TrimBlanks(line).empty() || line.front() == ';') continue;
        TIcomAddressPair pair;
        pair.RxText = std::string(Column(line, 0, 3));
        pair.TxText = std::string(Column(line, 4, 3));
        if (!ParseAddressText(pair.RxText, pair.RxAddress) || !ParseAddressText(pair.TxText, pair.TxAddress))
            return FailFileLine(error, "IcomPar.SQF", lineNumber,
                                QuotedExcerpt(line,
                                              " is not an address pair (receive address in columns 1 to 3, "
                                              "transmit address in columns 5 to 7, each 0 to 255, \"$\" "
                                              "before hexadecimal)"));
        radio.IcomAddressTable.push_back(std::move(pair));
    }
    return true;
}

void ReadIcomName(std::string_view bytes, TRadioDefinition& radio) {
    TConfigText text{std::string(bytes)};
    radio.IcomModel = std::string(text.ReadLine());
}

void ReadKenwoodPar(std::string_view bytes, TRadioDefinition& radio) {
    TConfigText text{std::string(bytes)};
    radio.KenwoodModel = std::string(text.ReadLine());
    radio.KenwoodBaud = std::string(text.ReadLine());
    radio.SatChar = text.ReadChar();
    radio.TraceOption = std::string(text.ReadLine());
}

void ReadRts12(std::string_view bytes, TRadioDefinition& radio) {
    TConfigText text{std::string(bytes)};
    radio.RtsOn = text.ReadChar() == '+';
    text.ReadLine();  // line 2 is not used
    radio.DtrOn = text.ReadChar() == '+';
}

std::string IcomAddressListText(const TIcomAddressPair& pair) { return " " + pair.RxText + "    " + pair.TxText; }

bool SatModeOffEnabled(const TRadioDefinition& radio) {
    return radio.FamilyKind() == TRadioFamily::Yaesu && radio.YaesuModel != "FT-736R";
}

int BaudRateOfText(std::string_view baudText) {
    static constexpr std::array<std::pair<std::string_view, int>, 6> kRates{
        {{"1200", 1200}, {"4800", 4800}, {"9600", 9600}, {"19200", 19200}, {"38400", 38400}, {"57600", 57600}}};
    for (const auto& [text, rate] : kRates)
        if (baudText == text) return rate;
    return 0;
}

}  // namespace kelvora
