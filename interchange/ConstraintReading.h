#ifndef WJXMLINTERCHANGE_CONSTRAINTREADING_H
#define WJXMLINTERCHANGE_CONSTRAINTREADING_H

#include <string>
#include <utility>
#include <vector>

// One placement read from a constraint file: a port, or one bit of it, on a
// pin. CSV tables may also name the port's cell and the instance's refdes.
struct Placement {
    std::string port;
    int bit = -1; // -1: the whole port
    std::string pin;
    int line = 0;
    std::string cell;   // "" when the file does not say
    std::string refdes; // "" when the file does not say
};

// What a dialect's reader found in one file.
struct ConstraintReading {
    std::vector<Placement> placements;
    std::vector<Placement> commented;                // placements in comments
    std::vector<std::pair<int, std::string>> errors; // line, message
    int readPast = 0;                                // statements that place nothing

    void error(int line, const std::string& message) { errors.emplace_back(line, message); }
    // Takes the placements and errors of other.
    void add(const ConstraintReading& other)
    {
        placements.insert(placements.end(), other.placements.begin(), other.placements.end());
        errors.insert(errors.end(), other.errors.begin(), other.errors.end());
    }
};

#endif
