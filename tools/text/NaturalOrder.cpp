#include "text/NaturalOrder.h"

#include <algorithm>
#include <cctype>

namespace {

bool isDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The run of digits, or of other characters, starting at at.
std::string runAt(const std::string& name, std::size_t at)
{
    std::size_t end = at;
    while (end < name.size() && isDigit(name[end]) == isDigit(name[at]))
        ++end;
    return name.substr(at, end - at);
}

} // namespace

bool NaturalOrder::before(const std::string& a, const std::string& b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const std::string aRun = runAt(a, i);
        const std::string bRun = runAt(b, j);
        i += aRun.size();
        j += bRun.size();
        if (aRun == bRun)
            continue;
        if (isDigit(aRun[0]) && isDigit(bRun[0])) {
            const std::string aValue = aRun.substr(std::min(aRun.find_first_not_of('0'), aRun.size()));
            const std::string bValue = bRun.substr(std::min(bRun.find_first_not_of('0'), bRun.size()));
            if (aValue != bValue)
                return aValue.size() != bValue.size() ? aValue.size() < bValue.size() : aValue < bValue;
            continue;
        }
        // The row letters of a ball grid: B1 before AA1.
        const bool bothRows =
            i < a.size() && j < b.size() && isDigit(a[i]) && isDigit(b[j]) && !isDigit(aRun[0]) && !isDigit(bRun[0]);
        if (bothRows && aRun.size() != bRun.size())
            return aRun.size() < bRun.size();
        return aRun < bRun;
    }
    return a.size() - i < b.size() - j;
}
