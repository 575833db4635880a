// Exchange files in the program folder: reading one whole (ReadExchangeFile) and writing one
// atomically, so that an error or a crash never leaves a partly written file: the text goes to a
// temporary file in the same folder, which is then renamed over the old one. Exchange files are
// single-byte Windows-1252; in memory their text is UTF-8.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tp {

struct Globals;

// The whole text of program folder & "/" & name, line breaks included; "" for an empty file.
// A missing file is error 53.
std::string ReadExchangeFile(const Globals& g, const std::string& name);

// Writes `bytes` unchanged as the whole content of `file`, atomically (error 75 on failure, and
// the old file, if any, stays as it was).
void writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);
// Converts UTF-8 text to Windows-1252 ("?" for what it cannot hold) and writes it atomically.
void writeExchangeFile(const std::filesystem::path& file, std::string_view utf8Text);

// Whether a regular file of that name exists (an empty one counts).
bool fileExists(const std::filesystem::path& file);
// Reads a whole file's bytes; error 53 when it does not exist, 75 when it cannot be read.
std::string readFileBytes(const std::filesystem::path& file);

}  // namespace tp
