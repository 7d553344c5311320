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
    std::string type;   // the port's direction, "" when the file does not say
};

// An IO standard read from a constraint file for a port, one bit of it, or
// the ports whose names match a pattern with '*' and '?'.
struct StandardSetting {
    std::string port; // or the pattern
    int bit = -1;
    bool pattern = false;
    std::string standard;
    int line = 0;
    std::string refdes; // "" when the file does not say
};

// What a dialect's reader found in one file.
struct ConstraintReading {
    std::vector<Placement> placements;
    std::vector<StandardSetting> standards;
    std::vector<Placement> commented;                  // placements in comments
    std::vector<StandardSetting> commentedStandards;   // IO standards in comments
    std::vector<std::pair<int, std::string>> errors;   // line, message
    std::vector<std::pair<int, std::string>> warnings; // line, message
    int readPast = 0;                                  // statements that place nothing and set no standard

    void error(int line, const std::string& message) { errors.emplace_back(line, message); }
    void warning(int line, const std::string& message) { warnings.emplace_back(line, message); }
    // Takes the placements, standards, errors and warnings of other.
    void add(const ConstraintReading& other)
    {
        placements.insert(placements.end(), other.placements.begin(), other.placements.end());
        standards.insert(standards.end(), other.standards.begin(), other.standards.end());
        errors.insert(errors.end(), other.errors.begin(), other.errors.end());
        warnings.insert(warnings.end(), other.warnings.begin(), other.warnings.end());
    }
    // Keeps the placements and standards of other, read from a comment, as
    // commented; what kept a commented line from being read is not said.
    void addCommented(const ConstraintReading& other)
    {
        commented.insert(commented.end(), other.placements.begin(), other.placements.end());
        commentedStandards.insert(commentedStandards.end(), other.standards.begin(), other.standards.end());
    }
};

#endif
