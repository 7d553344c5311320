#include "CWJIdRegistry.h"

#include "CWJDOM2DesignData.h"

#include <algorithm>

namespace {

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isIdCharacter(char c)
{
    return isAsciiLetter(c) || (c >= '0' && c <= '9') || c == '_' || c == '-' || c == ':' || c == '.';
}

} // namespace

const char* CWJIdRegistry::makeUniqueId(const char* name)
{
    if (!name)
        name = "";
    if (getDesignData()->loading) {
        m_taken.insert(name);
        return name;
    }
    std::string base = isAsciiLetter(name[0]) ? std::string(name) : "TVN_" + std::string(name);
    std::replace_if(
        base.begin(), base.end(), [](char c) { return !isIdCharacter(c); }, '_');

    static thread_local std::string idBuffer;
    idBuffer = base;
    ++m_candidatesTried;
    if (m_taken.count(idBuffer)) {
        unsigned long long& suffix = m_nextSuffix[base];
        if (suffix == 0)
            suffix = 1;
        do {
            idBuffer = base + '_' + std::to_string(suffix++);
            ++m_candidatesTried;
        } while (m_taken.count(idBuffer));
    }
    m_taken.insert(idBuffer);
    return idBuffer.c_str();
}
