#pragma once
// Reader for the rotor's small settings files, from bytes and without Qt.
//
// The files follow the rules of every ".SQF" file of the program (TConfigText).
// Past the end of the bytes a number reads as 0, a character as code 26 and a text
// as empty, without error. Text where a number belongs marks the reader failed
// (the file error that stops the start-up step) and names the line.

#include <string>
#include <string_view>

#include "ConfigText.h"

namespace kelvora {

class TRotorFileReader {
public:
    TRotorFileReader(std::string_view bytes, std::string fileName);

    char ReadChar();
    int ReadInt();
    double ReadDouble();
    std::string ReadText();
    bool AtEnd() const { return text_.AtEnd(); }

    // After a number that did not read: false, and Error() says file, line and text.
    // Later reads still move on but the reader stays failed.
    bool Ok() const { return error_.empty(); }
    const std::string& Error() const { return error_; }

private:
    void Fail(std::string_view token);

    TConfigText text_;
    std::string name_;
    std::string error_;
};

}  // namespace kelvora
