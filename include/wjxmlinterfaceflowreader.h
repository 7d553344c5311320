#ifndef WJXMLINTERFACEFLOWREADER_H
#define WJXMLINTERFACEFLOWREADER_H

/// @file
/// Everything a host needs: the reader (CWJXMLFlowReader), the model
/// interfaces and the iterator handles through which the model's collections
/// are walked. Build with `pkg-config --cflags --libs wjxmlinterfaceflowreader`
/// or the CMake target wjxmlinterfaceflowreader::wjxmlinterfaceflowreader.

#include "wjxmlinterfaceflowreader/CWJXMLFlowReader.h"
#include "wjxmlinterfaceflowreader/IWJCompBusInterface.h"
#include "wjxmlinterfaceflowreader/IWJCompInst.h"
#include "wjxmlinterfaceflowreader/IWJDPPort.h"
#include "wjxmlinterfaceflowreader/IWJFootPrint.h"
#include "wjxmlinterfaceflowreader/IWJFootPrintPin.h"
#include "wjxmlinterfaceflowreader/IWJFootPrintPinGroup.h"
#include "wjxmlinterfaceflowreader/IWJInterfaceView.h"
#include "wjxmlinterfaceflowreader/IWJPartMap.h"
#include "wjxmlinterfaceflowreader/IWJPort.h"
#include "wjxmlinterfaceflowreader/IWJPortGroup.h"
#include "wjxmlinterfaceflowreader/IWJPortRef.h"

#endif
