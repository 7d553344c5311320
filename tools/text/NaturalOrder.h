#ifndef IFX_NATURALORDER_H
#define IFX_NATURALORDER_H

#include <string>

// Names compared run by run, a digit run as a number: "2" before "10", "A2"
// before "A10" before "B1"; letters before digits shorter first, so that the
// ball grid row B comes before AA.
class NaturalOrder {
public:
    static bool before(const std::string& a, const std::string& b);
};

#endif
