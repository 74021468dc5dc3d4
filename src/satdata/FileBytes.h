// Whole-file reading and crash-safe writing without Qt, for the element
// readers and the naming options.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

// Reads at most maxBytes of the file (the rest is ignored); cut, when given,
// tells whether the file went on past them. False with a reason naming the
// file when it cannot be opened or read, or is not a regular file (a folder,
// FIFO or device is refused without blocking).
bool ReadFileBytes(const std::string& path, std::string& bytes, std::size_t maxBytes, std::string* error = nullptr,
                   bool* cut = nullptr);

// The first maxLines lines of the bytes as views into them. Lines end with LF
// or CR LF (the CR is dropped); a last line without an end counts, an end at the
// very end of the bytes does not start another line.
std::vector<std::string_view> SplitLines(std::string_view bytes, std::size_t maxLines);

// Writes the whole file through a temporary file in the same folder, flushed
// to disk and renamed over the old one, so a crash or a full disk never leaves
// a truncated file. False with a reason; the old file is then untouched.
bool WriteFileBytesSafely(const std::string& path, std::string_view bytes, std::string* error = nullptr);

}  // namespace kelvora
