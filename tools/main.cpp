// ifx: inspect, check, tabulate, compare, draw and convert interface exchange files.

#include "commands/runIfx.h"

int main(int argc, char** argv)
{
    return runIfx(argc, argv);
}
