#include "PinPool.h"

#include "wjxmlinterfaceflowreader.h"

void PinPool::add(IWJFootPrintPin* pin)
{
    m_pins.push_back(pin);
}

std::size_t PinPool::size() const
{
    return m_pins.size();
}

std::size_t PinPool::remaining() const
{
    return m_pins.size() - m_next;
}

std::size_t PinPool::position() const
{
    return m_next;
}

IWJFootPrintPin* PinPool::take()
{
    return m_pins.at(m_next++);
}

std::vector<std::string> PinPool::takeNames(std::size_t count)
{
    const std::size_t from = m_next;
    for (std::size_t i = 0; i < count; ++i)
        take();
    return namesBetween(from, m_next);
}

std::vector<std::string> PinPool::namesBetween(std::size_t from, std::size_t to) const
{
    std::vector<std::string> names;
    names.reserve(to - from);
    for (std::size_t i = from; i < to; ++i)
        names.emplace_back(m_pins.at(i)->name());
    return names;
}
