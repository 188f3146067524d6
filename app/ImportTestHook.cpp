#include "ImportTestHook.h"

#include "FileNameOrder.h"

AfterWriteHook DamageHookFromEnvironment() {
    wchar_t value[260] = {};
    if (!GetEnvironmentVariableW(L"BREVOX_TEST_DAMAGE_COPY", value, 260)) return {};
    std::wstring name = value;
    bool once = name.size() > 5 && name.compare(name.size() - 5, 5, L":once") == 0;
    if (once) name.resize(name.size() - 5);
    return [name, once](const std::wstring& temporary, unsigned attempt) {
        std::wstring final = temporary.substr(0, temporary.size() - TemporaryCopyName(L"").size());
        std::wstring base = final.substr(final.find_last_of(L'\\') + 1);
        if (FileNameLess()(base, name) || FileNameLess()(name, base) || (once && attempt > 1)) return;
        HANDLE file = CreateFileW(temporary.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return;
        unsigned char byte = 0;
        DWORD done = 0;
        if (ReadFile(file, &byte, 1, &done, nullptr) && done == 1) {
            byte ^= 0x01;
            SetFilePointer(file, 0, nullptr, FILE_BEGIN);
            WriteFile(file, &byte, 1, &done, nullptr);
        }
        CloseHandle(file);
    };
}
