#include "CWJIdRegistry.h"

#include "CWJDOM2DesignData.h"

#include <algorithm>
#include <cstring>

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
        addUnfiled(name);
        return name;
    }
    fileTaken();
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

void CWJIdRegistry::addUnfiled(const char* id)
{
    m_unfiled.append(id, std::strlen(id) + 1);
    ++m_unfiledCount;
}

void CWJIdRegistry::fileTaken()
{
    // Reserving what is there already could shrink the table.
    if (m_unfiledCount == 0)
        return;
    m_taken.reserve(m_taken.size() + m_unfiledCount);
    for (const char* id = m_unfiled.c_str(); id != m_unfiled.c_str() + m_unfiled.size(); id += std::strlen(id) + 1)
        m_taken.insert(id);
    std::string().swap(m_unfiled);
    m_unfiledCount = 0;
}
