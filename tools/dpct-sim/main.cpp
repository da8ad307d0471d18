// dpct-sim: a stand-in for the migration tool, steered by directives in the source file.
// See README.md in this folder for the directives and the simulated toolkit.

#include "sim_platform.h"
#include "sim_tool.h"

int main(int argc, char** argv)
{
    return dpctsim::runTool(dpctsim::utf8Arguments(argc, argv));
}
