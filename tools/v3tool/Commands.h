#pragma once
// The subcommands of v3tool. Each takes its arguments (after the command's
// name), prints its results on stdout in UTF-8 and its messages on stderr, and
// returns the exit status: 0 success, 1 failure, 2 wrong usage.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace v3 {
class CEDITORDoc;
}

namespace v3tool {

using Args = std::vector<std::string>;

struct Command {
    const char* name;
    const char* usage;
    const char* help;
    std::function<int(const Args&)> run;
};

// Every command, in the order the help lists them.
const std::vector<Command>& Commands();

int CmdValidate(const Args& args);
int CmdResave(const Args& args);
int CmdDemo(const Args& args);
int CmdReinit(const Args& args);
int CmdImport(const Args& args);
int CmdBonus(const Args& args);
int CmdCheck(const Args& args);
int CmdSearch(const Args& args);
int CmdPrint(const Args& args);
int CmdExport(const Args& args);
int CmdApply(const Args& args);
int CmdDiff(const Args& args);

// Reads the arguments "DIR --yes" of a command that changes an installation:
// returns 0 with `dir` set and the folder existing; 2 after printing the usage
// or, without --yes, the warning; 1 when the folder does not exist.
int InstallDirWithYes(const Args& args, const char* usage, const char* warning, std::string& dir);

// Loads the data set of the installation in `dir` into the state in use (the
// caller's ScopedAppState). A missing folder and a failed load (with the load's
// error report) are told on `out`; false then.
bool LoadDataSet(const std::string& dir, v3::CEDITORDoc& doc, std::FILE* out);

// Runs a whole command line (argv without the program name).
int Run(const Args& argv);

}  // namespace v3tool
