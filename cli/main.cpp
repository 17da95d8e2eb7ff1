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
    if (argc < 2) {
        printUsage(std::cerr);
        return 2;
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "solve")
        return runSolve(args, std::cout, std::cerr);
    if (command == "evaluate")
        return runEvaluate(args, std::cout, std::cerr);
    if (command == "--help" || command == "-h" || command == "help") {
        printUsage(std::cout);
        return 0;
    }
    std::cerr << "tallyrun-cli: unknown command '" << command << "'\n";
    printUsage(std::cerr);
    return 2;
}
