#include "IdFile.h"

#include "ExchangeFiles.h"
#include "Globals.h"
#include "Windows1252.h"

#include <string_view>

namespace tp {

void LoadIDFile(Globals& g) {
    const std::string text = cp1252::toUtf8(readFileBytes(g.pathOf(IdFileName)));
    std::string* targets[19] = {};
    targets[9] = &g.RentIncomeDefault;
    targets[10] = &g.RentRemarkDefault;
    targets[15] = &g.MgmtFeeDefault;
    targets[16] = &g.MgmtFeeRemarkDefault;
    targets[17] = &g.LateFeeDefault;
    targets[18] = &g.LateFeeRemarkDefault;

    std::size_t lineNumber = 0;
    for (std::size_t start = 0; start < text.size() && lineNumber < 19; ++lineNumber) {
        std::size_t end = text.find('\n', start);
        std::string_view line(text.data() + start, (end == std::string::npos ? text.size() : end) - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (targets[lineNumber]) *targets[lineNumber] = std::string(line);
        if (end == std::string::npos) break;
        start = end + 1;
    }
}

}  // namespace tp
