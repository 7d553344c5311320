#ifndef IFX_DESIGNSTAMP_H
#define IFX_DESIGNSTAMP_H

#include "wjxmlinterfaceflowreader.h"

#include <ctime>
#include <string>

// Who changed a design last, and when: what ifx and the Python module write
// into LastUpdatedBy and LastUpdatedAt when they change a design.
class DesignStamp {
public:
    // The login name with the program, "alice (ifx map)", or the program
    // alone when the login name is unknown.
    static std::string who(const std::string& program);
    // ISO 8601 in UTC: "2026-12-07T16:04:03Z".
    static std::string when(std::time_t at);
    // Sets both texts of design to who(program) and when(now).
    static void stamp(IWJInterfaceView* design, const std::string& program);
};

#endif
