#pragma once

#include "commands.h"

#include <sstream>
#include <string>
#include <vector>

struct CommandRun {
    int code;
    std::string out;
    std::string err;
};

// Runs one of the terminal commands and keeps what it printed.
inline CommandRun run(int (*command)(const std::vector<std::string>&, std::ostream&, std::ostream&),
                      const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = command(args, out, err);
    return {code, out.str(), err.str()};
}
