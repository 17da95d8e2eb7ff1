#include "commands.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

void printUsage(std::ostream& os) {
    os << "usage: tallyrun-cli solve N1 N2 N3 N4 N5 N6 TARGET [--json]\n"
          "       tallyrun-cli evaluate LINE [--json]\n";
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        printUsage(std::cout);
        return 0;
    }
    return runCommand(args, std::cout, std::cerr);
}
