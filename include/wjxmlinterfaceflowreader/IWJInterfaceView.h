#ifndef WJXMLINTERFACEFLOWREADER_IWJINTERFACEVIEW_H
#define WJXMLINTERFACEFLOWREADER_IWJINTERFACEVIEW_H

#include "wjxmlinterfaceflowreader/CInterfaceObjectIterator.h"
#include "wjxmlinterfaceflowreader/CInterfaceObjectMapIterator.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

#include <string>

class IWJCompInst;
class IWJFootPrint;
class IWJPartMap;

// The whole design: component instances, footprints and part maps. The host
// owns the view it receives and deletes it through this interface.
class WJ_API IWJInterfaceView
{
public:
    IWJInterfaceView();
    IWJInterfaceView(const IWJInterfaceView&);
    IWJInterfaceView& operator=(const IWJInterfaceView&);
    // Deletes the component instances, footprints and part maps, then
    // releases the document.
    virtual ~IWJInterfaceView();

    virtual CInterfaceObjectMapIterator<std::string, IWJCompInst*> compInsts() = 0;
    virtual CInterfaceObjectMapIterator<std::string, IWJFootPrint*> footprints() = 0;
    virtual CInterfaceObjectIterator<IWJPartMap*> partMaps() = 0;
    virtual IWJCompInst* addCompInst(const char* cellName, const char* refdes) = 0;
    virtual void removeCompInst(IWJCompInst* compInst) = 0;
    virtual IWJFootPrint* addFootprint(const char* name, const char* width, const char* length,
                                       const char* thickness, const char* origin,
                                       const char* rotation) = 0;
    virtual void removeFootprint(const char* name) = 0;
    virtual IWJPartMap* addPartMap(IWJFootPrint* footprint, IWJCompInst* compInst) = 0;
    virtual const char* lastUpdatedBy() = 0;
    virtual void setLastUpdatedBy(const char* text) = 0;
    virtual const char* lastUpdatedAt() = 0;
    virtual void setLastUpdatedAt(const char* text) = 0;
    virtual const char* designName() = 0;
    virtual void setDesignName(const char* text) = 0;
    // The first part map of that component instance, or null.
    virtual IWJPartMap* findPartMap(IWJCompInst* compInst) = 0;
};

#endif
