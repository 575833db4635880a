// Helpers of the exchange file tests: a logged-in program folder and the split of a written line.
#pragma once

#include "ProgramFolderFixture.h"

#include <string>
#include <vector>

namespace tp::test {

// The fields of one line, split at every "|".
inline std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t bar; (bar = line.find('|', start)) != std::string::npos; start = bar + 1)
        fields.push_back(line.substr(start, bar - start));
    fields.push_back(line.substr(start));
    return fields;
}

// The lines of a file, each without its CR LF; a line not ended by CR LF is marked.
inline std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    if (start < bytes.size()) lines.push_back("(no CR LF) " + bytes.substr(start));
    return lines;
}

class ExchangeFileTest : public ProgramFolderFixture {
protected:
    void SetUp() override {
        ProgramFolderFixture::SetUp();
        logIn();
    }
};

}  // namespace tp::test
