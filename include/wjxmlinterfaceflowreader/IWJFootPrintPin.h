#ifndef WJXMLINTERFACEFLOWREADER_IWJFOOTPRINTPIN_H
#define WJXMLINTERFACEFLOWREADER_IWJFOOTPRINTPIN_H

#include "wjxmlinterfaceflowreader/WJExport.h"

// A pin of a footprint. Its properties are uninterpreted texts.
class WJ_API IWJFootPrintPin
{
public:
    IWJFootPrintPin();
    IWJFootPrintPin(const IWJFootPrintPin&);
    IWJFootPrintPin& operator=(const IWJFootPrintPin&);
    virtual ~IWJFootPrintPin();

    virtual const char* name() = 0;
    virtual void setName(const char* name) = 0;
    virtual const char* location() = 0;
    virtual void setLocation(const char* location) = 0;
    virtual const char* padstack() = 0;
    virtual void setPadstack(const char* padstack) = 0;
    virtual const char* size() = 0;
    virtual void setSize(const char* size) = 0;
    virtual const char* shape() = 0;
    virtual void setShape(const char* shape) = 0;
};

#endif
