#ifndef IFX_RUNIFX_H
#define IFX_RUNIFX_H

// Runs the ifx command line: parses argc and argv, runs the command named and
// returns the exit status (0 success, 1 failure or findings, 2 a usage error).
int runIfx(int argc, char** argv);

#endif
