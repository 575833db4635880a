// LineSplitter: data lines of an operation's input (see LineSplitter.h).
#include "LineSplitter.h"

namespace quenta {

std::vector<DataLine> LineSplitter::split(std::u16string_view text) {
    std::vector<DataLine> lines;
    const std::size_t zero = text.find(u'\0');
    if (zero != std::u16string_view::npos) {
        text = text.substr(0, zero);
    }
    if (text.empty()) {
        return lines;
    }
    std::size_t index = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t lf = text.find(u'\n', start);
        const std::u16string_view line =
            text.substr(start, lf == std::u16string_view::npos ? std::u16string_view::npos
                                                               : lf - start);
        if (line.size() >= kMinimumLength) {
            lines.push_back(DataLine{index, std::u16string(line)});
        }
        if (lf == std::u16string_view::npos) {
            break;
        }
        start = lf + 1;
        ++index;
    }
    return lines;
}

} // namespace quenta
