#include "CWJPortRef.h"

#include "binding/OutOfMemory.h"
#include "model/CWJModelObject.h"
#include "wjxmlinterfaceflowreader/IWJPort.h"

#include <string>

CWJPortRef::CWJPortRef(IWJPort* port, int lsb, int msb, CWJModelObject* holder)
    : m_port(port), m_lsb(lsb), m_msb(msb), m_holder(holder)
{
}

int CWJPortRef::lsb()
{
    return m_lsb;
}

int CWJPortRef::msb()
{
    return m_msb;
}

void CWJPortRef::setRange(int lsb, int msb)
{
    change(m_port, lsb, msb);
}

void CWJPortRef::setPort(IWJPort* port)
{
    change(port, m_lsb, m_msb);
}

void CWJPortRef::change(IWJPort* port, int lsb, int msb)
try {
    if (m_holder)
        m_holder->changePortRef(*this, port, lsb, msb);
    else
        assign(port, lsb, msb);
} catch (...) {
    noteOutOfMemory(m_holder);
}

void CWJPortRef::assign(IWJPort* port, int lsb, int msb)
{
    m_port = port;
    m_lsb = lsb;
    m_msb = msb;
}

IWJPort* CWJPortRef::port(int* lsb, int* msb)
{
    if (lsb)
        *lsb = m_lsb;
    if (msb)
        *msb = m_msb;
    return m_port;
}

const char* CWJPortRef::name()
try {
    if (!m_port)
        return "";
    const char* fullName = m_port->fullName();
    if (m_lsb == -1 && m_msb == -1)
        return fullName;
    if (m_lsb == m_msb) {
        static thread_local std::string bitName;
        bitName = std::string(fullName) + '<' + std::to_string(m_lsb) + '>';
        return bitName.c_str();
    }
    static thread_local std::string rangeName;
    rangeName = std::string(fullName) + '<' + std::to_string(m_lsb) + ".." + std::to_string(m_msb) + '>';
    return rangeName.c_str();
} catch (...) {
    noteLookupOutOfMemory();
    return "";
}
