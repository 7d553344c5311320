#ifndef WJXML_BENCH_BENCHCASE_H
#define WJXML_BENCH_BENCHCASE_H

#include <xercesc/dom/DOMDocument.hpp>

#include <cstddef>
#include <memory>
#include <string>

class IWJInterfaceView;

// One design size of the run: its file, and what one benchmark leaves for a
// later one so that the largest designs are not read more often than needed
// (the last document Xerces parsed, for its serialisation; the last view
// read bound, for writing and then editing).
class BenchCase {
public:
    BenchCase(std::size_t size, std::string file);
    ~BenchCase();
    BenchCase(const BenchCase&) = delete;
    BenchCase& operator=(const BenchCase&) = delete;

    std::size_t size() const;
    const std::string& file() const;

    // Takes the document, releasing the one kept before.
    void keepDocument(xercesc::DOMDocument* document);
    // The kept document, or null; releaseDocument lets it go.
    xercesc::DOMDocument* document() const;
    void releaseDocument();

    void keepView(std::unique_ptr<IWJInterfaceView> view);
    IWJInterfaceView* view() const;
    std::unique_ptr<IWJInterfaceView> takeView();

private:
    std::size_t m_size;
    std::string m_file;
    xercesc::DOMDocument* m_document = nullptr;
    std::unique_ptr<IWJInterfaceView> m_view;
};

#endif
