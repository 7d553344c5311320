#ifndef WJXML_PYTHON_PORTCHECKS_H
#define WJXML_PYTHON_PORTCHECKS_H

#include <wjxmlinterfaceflowreader.h>

// Checks of the numbers Python passes for ports; each raises ValueError.

// lsb and msb are bit numbers or -1 for none.
void requireRange(int lsb, int msb);
void requirePinCount(int pins);
// bit is -1 (the whole port) or a bit within the port's range.
void requireBit(IWJPort* port, int bit);

#endif
