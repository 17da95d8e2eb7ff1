#include "commands.h"
#include "programversion.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

void printHelp(std::ostream& os) {
    os << "Usage: tallyrun-cli solve N1 N2 N3 N4 N5 N6 TARGET [--json]\n"
          "  or:  tallyrun-cli evaluate [--json] [--] LINE\n"
          "  or:  tallyrun-cli history [--json] [--limit N]\n"
          "\n"
          "The numbers puzzle's solver, calculation checker and round history in a terminal.\n\n"
          "Commands:\n"
          "  solve     list every expression of the six numbers N1..N6 (1 to 1000) that reaches\n"
          "            TARGET (1 to 32767), then a report line with the combinations tried;\n"
          "            when none reaches it, the nearest value reached below or above it\n"
          "            (both when equally near): \"Nearest: VALUE (N away)\" and, on the\n"
          "            next line, one expression of the fewest numbers\n"
          "  evaluate  work out LINE with the checker's rules: digits, brackets and + - * /\n"
          "            (or × ÷), whole-number steps only\n"
          "  history   the rounds played in the game, newest first, then the totals (rounds\n"
          "            set by hand are listed but not counted); the game keeps them in its\n"
          "            data folder, or in $TALLYRUN_DATA_DIR when that is set\n\n"
          "Options:\n"
          "  --json         print one JSON object instead of lines\n"
          "  --             end of options: LINE may then start with \"-\"\n"
          "  --limit N      only the N newest rounds (the totals count them all)\n"
          "  -h, --help     print this help and exit\n"
          "  --version      print the version and exit\n\n"
          "Bad input gets one line on standard error and exit status 2. A LINE with nothing\n"
          "to work out (no operator), one that cannot be worked out (a division by zero or\n"
          "with a remainder), or a history that cannot be read, says so in one line on\n"
          "standard error and exits with status 1; with --json the object for a LINE that\n"
          "cannot be worked out carries \"error\" as well.\n";
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        printHelp(std::cout);
        return 0;
    }
    if (!args.empty() && args[0] == "--version") {
        std::cout << "tallyrun-cli " << tallyrun::kVersionText << '\n';
        return 0;
    }
    return runCommand(args, std::cout, std::cerr);
}
