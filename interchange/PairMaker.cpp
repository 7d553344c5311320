#include "PairMaker.h"

#include "IoStandardWriter.h"
#include "PairName.h"
#include "PortBitName.h"

#include "wjxmlinterfaceflowreader.h"

#include <algorithm>

PairMaker::PairMaker(IWJCompInst* instance, const IoStandardWriter& standards, bool byName)
    : m_instance(instance), m_standards(standards), m_byName(byName)
{
    for (auto walk = instance->differentialPorts(); walk.isValid(); ++walk) {
        if (IWJDPPort* pair = dynamic_cast<IWJDPPort*>(walk.value())) {
            m_paired.insert(pair->positivePort(nullptr, nullptr));
            m_paired.insert(pair->negativePort(nullptr, nullptr));
        }
    }
}

bool PairMaker::pair(IWJPort* port, const std::string& where, std::vector<std::string>* warnings)
{
    PairName name;
    IWJPort* partner =
        PairName::split(PortBitName::localName(port), &name) ? PortBitName::find(m_instance, name.partner) : nullptr;
    const bool differential = m_standards.isDifferential(port) || (partner && m_standards.isDifferential(partner));
    if (m_paired.count(port) || (partner && m_paired.count(partner)) || (!differential && !m_byName))
        return false;
    const std::string full = port->fullName();
    if (!partner) {
        if (differential)
            warnings->push_back(where + ": warning: port " + full +
                                " has a differential IO standard but no port to pair it with");
        return false;
    }
    IWJPort* positive = name.positive ? port : partner;
    IWJPort* negative = name.positive ? partner : port;
    PairName::split(PortBitName::localName(positive), &name); // named as the positive member is
    const int lsb = std::max(std::min(positive->lsb(), positive->msb()), std::min(negative->lsb(), negative->msb()));
    const int msb = std::min(std::max(positive->lsb(), positive->msb()), std::max(negative->lsb(), negative->msb()));
    const bool sameBits = positive->lsb() == negative->lsb() && positive->msb() == negative->msb();
    std::string problem;
    if (m_instance->findDifferentialPort(name.pair.c_str()) || PortBitName::find(m_instance, name.pair))
        problem = "the instance has a port or pair named " + name.pair;
    else if (!sameBits && (lsb < 0 || lsb > msb))
        problem = "they have no bits in common";
    if (!problem.empty()) {
        warnings->push_back(where + ": warning: " + full + " and its partner are not made a pair: " + problem);
        return false;
    }
    IWJDPPort* pair = m_instance->addDifferentialPort(name.pair.c_str(), "");
    pair->setPositivePort(positive, sameBits ? -1 : lsb, sameBits ? -1 : msb);
    pair->setNegativePort(negative, sameBits ? -1 : lsb, sameBits ? -1 : msb);
    m_paired.insert(positive);
    m_paired.insert(negative);
    return true;
}
