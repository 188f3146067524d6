// ketro: command-line access to the recorder through ketro_dll.
#include <string>
#include <vector>

#include "Commands.h"

#if defined(_WIN32)
#include <windows.h>

// Arguments arrive as UTF-16 and are handled as UTF-8 from here on.
int wmain(int argc, wchar_t** argv) {
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const int n = WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(n > 0 ? static_cast<size_t>(n) : 1, '\0');
        if (n > 0) WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, arg.data(), n, nullptr, nullptr);
        arg.resize(arg.size() - 1);
        args.push_back(arg);
    }
    return ketro_tool::RunTool(args);
}
#else
int main(int argc, char** argv) {
    return ketro_tool::RunTool(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
