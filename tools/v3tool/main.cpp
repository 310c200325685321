// v3tool: the command-line tool over the editor's core.
// Exit status: 0 success, 1 failure, 2 wrong usage.
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Command {
    const char* name;
    const char* usage;
    const char* help;
    std::function<int(const std::vector<std::string>&)> run;
};

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {};
    return commands;
}

void PrintHelp(std::FILE* out) {
    std::fprintf(out,
                 "Aufruf: v3tool BEFEHL [ARGUMENTE]\n"
                 "Werkzeug f\xC3\xBCr den Datensatz einer VOLTARO 3-Installation.\n\n"
                 "Befehle:\n");
    if (Commands().empty()) std::fprintf(out, "  (noch keine)\n");
    for (const auto& c : Commands()) std::fprintf(out, "  %-40s %s\n", c.usage, c.help);
    std::fprintf(out, "\n  --help                                   diese Hilfe\n");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        PrintHelp(stderr);
        return 2;
    }
    std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintHelp(stdout);
        return 0;
    }
    for (const auto& c : Commands()) {
        if (name == c.name) return c.run(std::vector<std::string>(argv + 2, argv + argc));
    }
    std::fprintf(stderr, "v3tool: unbekannter Befehl \"%s\"\n\n", name.c_str());
    PrintHelp(stderr);
    return 2;
}
