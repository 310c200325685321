// v3tool: the command-line tool over the editor's core.
#include "Commands.h"

int main(int argc, char* argv[]) { return v3tool::Run(v3tool::Args(argv + 1, argv + argc)); }
