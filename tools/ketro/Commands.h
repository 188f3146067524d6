// The tool's sub-commands over ketro_dll.
#pragma once

#include <string>
#include <vector>

namespace ketro_tool {

enum ExitCode {
    EXIT_OK = 0,
    EXIT_FAILED = 1,
    EXIT_USAGE = 2
};

// `args` excludes the program name; every argument is UTF-8.
int run_tool(const std::vector<std::string>& args);

} // namespace ketro_tool
