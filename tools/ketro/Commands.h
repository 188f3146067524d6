// The tool's sub-commands over ketro_dll.
#pragma once

#include <string>
#include <vector>

namespace ketro_tool {

enum ExitCode {
    kExitOk = 0,
    kExitFailed = 1,
    kExitUsage = 2
};

// `args` excludes the program name; every argument is UTF-8.
int RunTool(const std::vector<std::string>& args);

} // namespace ketro_tool
