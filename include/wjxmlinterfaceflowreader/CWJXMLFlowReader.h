#ifndef WJXMLINTERFACEFLOWREADER_CWJXMLFLOWREADER_H
#define WJXMLINTERFACEFLOWREADER_CWJXMLFLOWREADER_H

#include "wjxmlinterfaceflowreader/WJExport.h"

#include <memory>
#include <string>

class CWJXMLParser;
class IWJInterfaceView;

// The library's entry point: reads an interface exchange file into a model,
// or starts an empty one, and writes the model back to a file.
//
// The reader never deletes a view: whoever obtained it owns it and deletes it
// through IWJInterfaceView's virtual destructor. When a view is deleted, every
// reader that holds it forgets it: getInterfaceView returns null.
//
// Threads: each thread may use readers and views of its own at the same time
// as other threads use theirs. A reader, the views it holds and everything
// reached from them are used by one thread at a time; nothing of them,
// iterator handles included, may be shared by threads running at once.
//
// Memory: no operation throws or aborts when memory runs out. A read or a
// save then fails with "out of memory" in lastError (a failed save keeps the
// old file; a read that succeeds holds the whole file), and the reader works
// again afterwards. An edit of a model object that runs out of memory returns
// as if it had done nothing, but the design may hold part of it, so every
// later writeXMLFile of that design refuses with "out of memory" and keeps
// the old file.
class WJ_API CWJXMLFlowReader {
public:
    CWJXMLFlowReader();
    explicit CWJXMLFlowReader(IWJInterfaceView* view);
    ~CWJXMLFlowReader();
    CWJXMLFlowReader(const CWJXMLFlowReader&) = delete;
    CWJXMLFlowReader& operator=(const CWJXMLFlowReader&) = delete;

    // Registers the model's element factories with the binder, once per
    // process; the constructors call it.
    void init();

    // Reads and validates fileName into a new view. With bindElements the
    // model objects are bound to their elements, so edits are saved by
    // writeXMLFile. On failure no view is made, getInterfaceView is unchanged
    // and lastError says what is wrong.
    void readFlowXML(const char* fileName, bool bindElements);

    // Makes an empty design, or, when the reader already has a view, sets its
    // three texts. Returns the reader's view (null when memory ran out
    // making one; lastError is then "out of memory").
    IWJInterfaceView* CreateInterfaceView(const char* lastUpdatedBy, const char* lastUpdatedAt,
                                          const char* designName);

    IWJInterfaceView* getInterfaceView();

    // Writes the view's document. A failed write leaves an existing file as it
    // was and sets lastError.
    void writeXMLFile(const char* fileName);

    // "" after a successful read or write; otherwise one line per problem,
    // "file:line:column: message".
    const char* lastError() const;

private:
    std::unique_ptr<CWJXMLParser> m_parser;
    IWJInterfaceView* m_view;
    std::string m_lastError;
};

#endif
