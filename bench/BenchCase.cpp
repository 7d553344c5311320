#include "BenchCase.h"

#include "wjxmlinterfaceflowreader.h"

#include <utility>

BenchCase::BenchCase(std::size_t size, std::string file) : m_size(size), m_file(std::move(file)) {}

BenchCase::~BenchCase()
{
    releaseDocument();
}

std::size_t BenchCase::size() const
{
    return m_size;
}

const std::string& BenchCase::file() const
{
    return m_file;
}

void BenchCase::keepDocument(xercesc::DOMDocument* document)
{
    releaseDocument();
    m_document = document;
}

xercesc::DOMDocument* BenchCase::document() const
{
    return m_document;
}

void BenchCase::releaseDocument()
{
    if (m_document)
        m_document->release();
    m_document = nullptr;
}

void BenchCase::keepView(std::unique_ptr<IWJInterfaceView> view)
{
    m_view = std::move(view);
}

IWJInterfaceView* BenchCase::view() const
{
    return m_view.get();
}

std::unique_ptr<IWJInterfaceView> BenchCase::takeView()
{
    return std::move(m_view);
}
