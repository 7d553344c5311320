#ifndef IFX_PINOUTPAGE_H
#define IFX_PINOUTPAGE_H

#include "render/Pinout.h"

#include <ostream>

// The pin-out as one self-contained HTML page: every part map's drawing
// inline, a search box, and a panel showing the details of the pin under the
// pointer. Nothing is fetched. The first pin found scrolls into view.
//
// Opened with "#search=NAME" (or "?search=NAME"), the page searches for NAME
// at once and sets its title to "highlighted:N", N the number of pins found;
// the body's data-scrolled is then how far the page scrolled down to the
// first pin found; a script error sets the title to "error: MESSAGE". Once the script has run,
// the body has data-ready="yes".
class PinoutPage {
public:
    static void write(std::ostream& out, const Pinout& pinout, bool bottom);
};

#endif
