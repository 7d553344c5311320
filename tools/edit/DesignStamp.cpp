#include "edit/DesignStamp.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

std::string DesignStamp::who(const std::string& program)
{
    const char* login = std::getenv("USER");
    if (!login || !*login) {
        const passwd* entry = ::getpwuid(::geteuid());
        login = entry ? entry->pw_name : nullptr;
    }
    return login && *login ? std::string(login) + " (" + program + ")" : program;
}

std::string DesignStamp::when(std::time_t at)
{
    std::tm utc{};
    char text[32] = "";
    if (::gmtime_r(&at, &utc))
        std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

void DesignStamp::stamp(IWJInterfaceView* design, const std::string& program)
{
    design->setLastUpdatedBy(who(program).c_str());
    design->setLastUpdatedAt(when(std::time(nullptr)).c_str());
}
