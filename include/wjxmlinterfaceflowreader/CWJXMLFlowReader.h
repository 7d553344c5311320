#ifndef WJXMLINTERFACEFLOWREADER_CWJXMLFLOWREADER_H
#define WJXMLINTERFACEFLOWREADER_CWJXMLFLOWREADER_H

#include "wjxmlinterfaceflowreader/WJExport.h"

#include <xercesc/util/XercesDefs.hpp>

#include <memory>
#include <string>

XERCES_CPP_NAMESPACE_BEGIN
class DOMElement;
XERCES_CPP_NAMESPACE_END

class CWJXMLParser;
class IWJInterfaceView;

/// The library's entry point: reads an interface exchange file into a model,
/// or starts an empty one, and writes the model back to a file.
///
/// A read validates the file against the schema compiled into the library and
/// gives an IWJInterfaceView; whoever obtained a view owns it and deletes it
/// through IWJInterfaceView's virtual destructor. The reader never deletes a
/// view. When a view is deleted, every reader that holds it forgets it:
/// getInterfaceView() then returns null and writeXMLFile() has no design to
/// write.
///
/// Threads: each thread may use readers and views of its own at the same time
/// as other threads use theirs. A reader, the views it holds and everything
/// reached from them are used by one thread at a time; nothing of them,
/// iterator handles included, may be shared by threads running at once.
///
/// Errors are never thrown: lastError() tells what went wrong. Memory: no
/// operation throws or aborts when memory runs out. A read or a save then
/// fails with "out of memory" in lastError() (a failed save keeps the old
/// file; a read that succeeds holds the whole file), and the reader works
/// again afterwards. An edit of a model object that runs out of memory returns
/// as if it had done nothing, but the design may hold part of it, so every
/// later writeXMLFile() of that design refuses with "out of memory" and keeps
/// the old file. A lookup, getter or enumerator that runs out of memory gives
/// nothing ("", null or an empty iterator) and fails a read under way on the
/// calling thread, but changes nothing and does not keep the design from
/// being saved.
class WJ_API CWJXMLFlowReader {
public:
    /// A reader without a view. Sets up the parser and registers the model's
    /// element factories (init); when the parser cannot be set up,
    /// lastError() says so and every read or write fails, saying so again.
    CWJXMLFlowReader();
    /// A reader that writes the given view. It takes the pointer, not the
    /// ownership; writeXMLFile accepts only views made by this library.
    explicit CWJXMLFlowReader(IWJInterfaceView* view);
    /// Destroys the parser; the view is left alone.
    ~CWJXMLFlowReader();
    /// Readers are not copied: each holds its own parser and error text.
    CWJXMLFlowReader(const CWJXMLFlowReader&) = delete;
    /// Readers are not assigned: each holds its own parser and error text.
    CWJXMLFlowReader& operator=(const CWJXMLFlowReader&) = delete;

    /// Registers the model's element factories with the binder, once per
    /// process; the constructors call it, and calling it again changes
    /// nothing.
    void init();

    /// Reads and validates fileName into a new view. With bindElements the
    /// model objects are bound to their elements, so every later edit is
    /// written into the document and saved by writeXMLFile; without it edits
    /// change only the objects, and a save writes the file as it was read.
    ///
    /// On success lastError() is "" and getInterfaceView() gives the new view;
    /// an earlier view is not deleted (its owner still owns it). On failure no
    /// view is made, getInterfaceView() keeps what it gave before, and
    /// lastError() holds one line per problem, "file:line:column: message":
    /// a file that cannot be opened, is not well-formed, is not valid against
    /// the schema, nests elements deeper than 512, or a read that runs out of
    /// memory ("out of memory"). A null fileName reads as "". Only the file
    /// itself is read: a DOCTYPE is refused and schema locations named in the
    /// file are ignored.
    void readFlowXML(const char* fileName, bool bindElements);

    /// Whether the reader's later reads keep the line of each element of the
    /// file, for elementLine(); off until turned on. Keeping lines costs
    /// memory for every element as long as the document lives, so reads
    /// that do not need them leave it off. When the reader's parser cannot
    /// be set up for lack of memory, lastError() says so and the setting is
    /// not made.
    void keepElementLines(bool keep);

    /// The line of the file on which the start tag of element ends, when
    /// element is an element of a document read with keepElementLines(true)
    /// (with bindElements, the element of a model object, see
    /// IWJXMLObject::GetDomElement). 0 for a null element, an element of a
    /// document read without kept lines, and an element added by an edit.
    /// Kept for as long as the document, which the view owns.
    static unsigned long long elementLine(const xercesc::DOMElement* element);

    /// Makes an empty, bound design whose root carries the format's namespace
    /// and the three texts (LastUpdatedBy, LastUpdatedAt, DesignName), or,
    /// when the reader already has a view, sets that view's three texts.
    /// Null texts are taken as "". Returns the reader's view, owned by the
    /// caller as a read one is; null, with lastError() set, only when memory
    /// runs out before a first view is made (lastError() is then "out of memory").
    IWJInterfaceView* CreateInterfaceView(const char* lastUpdatedBy, const char* lastUpdatedAt, const char* designName);

    /// The view of the last successful read or CreateInterfaceView, or the
    /// one given to the constructor; null when there is none. Not owned by
    /// the reader.
    IWJInterfaceView* getInterfaceView();

    /// Writes the view's document to fileName, indented, one element per
    /// line. The text goes to a temporary file beside the target (beside the
    /// file a symbolic link points to), is flushed to disk and renamed over
    /// the target, so a failed write leaves an existing file as it was.
    /// The text is streamed to the temporary file, never held whole. A save
    /// never writes what no read accepts: a design nested deeper than a read
    /// takes, or whose file would be larger than the largest file a read
    /// accepts (256 MiB), is refused. Something that is not a regular file
    /// is never replaced, nor a file the caller may not write (as cp refuses
    /// it, though the rename would pass). On failure,
    /// and when the reader has no view, lastError() says why; after success
    /// it is "". The reader must still hold a view that was not deleted.
    void writeXMLFile(const char* fileName);

    /// "" after a successful read or write; otherwise one line per problem,
    /// "file:line:column: message" (line and column 0 when no place in the
    /// file is concerned). The text belongs to the reader and is valid until
    /// its next readFlowXML, CreateInterfaceView or writeXMLFile.
    const char* lastError() const;

private:
    std::unique_ptr<CWJXMLParser> m_parser;
    IWJInterfaceView* m_view;
    std::string m_lastError;
};

#endif
