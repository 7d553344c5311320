#ifndef WJXMLINTERCHANGE_PAIRNAME_H
#define WJXMLINTERCHANGE_PAIRNAME_H

#include <string>

// The polarity a port's name gives it as a member of a differential pair:
// sysclk_p and sysclk_n, DQS0_P and DQS0_N, gpdi_dp and gpdi_dn.
struct PairName {
    std::string pair;    // sysclk, DQS0, gpdi_d
    std::string partner; // the other member's name
    bool positive = false;

    // False when name has no polarity ending or nothing before it.
    static bool split(const std::string& name, PairName* result);
};

#endif
