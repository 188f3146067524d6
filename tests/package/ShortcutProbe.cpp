// Starts a program the way a Start-menu shortcut does and reports what it saw:
//   shortcut_probe LINK.lnk SECONDS
// Prints target=, workdir= and login= (skinned | unskinned | missing) and
// exits 0 only when the started process shows a skinned login window.
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdio>
#include <string>

namespace {
constexpr wchar_t kLoginTitle[] = L"登录";

void PrintLine(const char* key, const std::wstring& value) {
    int size = WideCharToMultiByte(CP_UTF8, 0, value.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(size > 0 ? size - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, value.c_str(), -1, utf8.data(), size, nullptr, nullptr);
    std::printf("%s=%s\n", key, utf8.c_str());
    std::fflush(stdout);
}

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindLogin(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    if (owner == search->processId && IsWindowVisible(window) && lstrcmpW(title, kLoginTitle) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: shortcut_probe LINK.lnk SECONDS\n");
        return 2;
    }
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 2;
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))) ||
        FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) ||
        FAILED(file->Load(argv[1], STGM_READ))) {
        std::fprintf(stderr, "shortcut_probe: cannot read the shortcut\n");
        return 1;
    }
    wchar_t target[MAX_PATH] = {}, workdir[MAX_PATH] = {}, arguments[1024] = {};
    link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
    link->GetWorkingDirectory(workdir, MAX_PATH);
    link->GetArguments(arguments, 1024);
    file->Release();
    link->Release();
    PrintLine("target", target);
    PrintLine("workdir", workdir);

    std::wstring commandLine = std::wstring(L"\"") + target + L"\"";
    if (arguments[0]) commandLine += std::wstring(L" ") + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(target, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workdir[0] ? workdir : nullptr, &startup, &process)) {
        std::fprintf(stderr, "shortcut_probe: cannot start the target (error %lu)\n", GetLastError());
        return 1;
    }

    // The skin runtime marks each window it skins with the property OBJECT.
    Search search = {process.dwProcessId, nullptr};
    const wchar_t* verdict = L"missing";
    DWORD deadline = GetTickCount() + 1000 * _wtoi(argv[2]);
    while (GetTickCount() < deadline) {
        if (!search.found || !IsWindow(search.found)) {
            search.found = nullptr;
            EnumWindows(FindLogin, reinterpret_cast<LPARAM>(&search));
        }
        // The title may show before the skin: a window without the mark is
        // asked again until the deadline.
        if (search.found) {
            verdict = L"unskinned";
            if (GetPropW(search.found, L"OBJECT")) {
                verdict = L"skinned";
                break;
            }
        }
        if (WaitForSingleObject(process.hProcess, 200) == WAIT_OBJECT_0) break;
    }
    PrintLine("login", verdict);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CoUninitialize();
    return lstrcmpW(verdict, L"skinned") == 0 ? 0 : 1;
}
