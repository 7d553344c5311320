#ifndef WJXMLINTERFACEFLOWREADER_IWJFOOTPRINT_H
#define WJXMLINTERFACEFLOWREADER_IWJFOOTPRINT_H

#include "wjxmlinterfaceflowreader/CInterfaceObjectMapIterator.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

#include <string>

class IWJFootPrintPin;

// A footprint (part definition) with its pins. Its properties are
// uninterpreted texts.
class WJ_API IWJFootPrint
{
public:
    IWJFootPrint();
    IWJFootPrint(const IWJFootPrint&);
    IWJFootPrint& operator=(const IWJFootPrint&);
    // Deletes its pins and removes its element from the document.
    virtual ~IWJFootPrint();

    virtual CInterfaceObjectMapIterator<std::string, IWJFootPrintPin*> pins() = 0;
    // Looks up by name, ignoring ASCII letter case.
    virtual IWJFootPrintPin* findPin(const char* name) = 0;
    virtual IWJFootPrintPin* addPin(const char* name, const char* location, const char* padstack,
                                    const char* size, const char* shape) = 0;
    // Files an existing pin under its name and its id; the footprint deletes
    // the pins filed under their ids when it dies.
    virtual void insertPin(IWJFootPrintPin* pin) = 0;
    virtual const char* name() = 0;
    virtual void setName(const char* name) = 0;
    virtual const char* origin() = 0;
    virtual void setOrigin(const char* origin) = 0;
    virtual const char* width() = 0;
    virtual void setWidth(const char* width) = 0;
    virtual const char* length() = 0;
    virtual void setLength(const char* length) = 0;
    virtual const char* thickness() = 0;
    virtual void setThickness(const char* thickness) = 0;
    virtual const char* rotation() = 0;
    virtual void setRotation(const char* rotation) = 0;
};

#endif
