// LineSplitter cuts an operation's input text into the data lines it sends:
// the text ends at its first zero unit, it is split at every line feed (a
// carriage return before the line feed stays part of its line), and lines of
// fewer than six characters are skipped. Each line keeps its index in the full
// list, which the setup upload logs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quenta {

struct DataLine {
    std::size_t index = 0;
    std::u16string text;
};

class LineSplitter {
public:
    static constexpr std::size_t kMinimumLength = 6;
    static std::vector<DataLine> split(std::u16string_view text);
};

} // namespace quenta
