#include "AppDriver.h"

#include "ExtendedPath.h"
#include "ScreenCapture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace e2e {

namespace {
constexpr wchar_t kLoginTitle[] = L"登录";
constexpr wchar_t kSettingsTitle[] = L"单警执法视音频记录仪 V4.3";
constexpr wchar_t kAboutTitle[] = L"单警执法视音频记录仪";
constexpr wchar_t kProgressTitle[] = L"正在导入媒体文件";

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

struct Search {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->pid && IsWindowVisible(window) && ClassName(window) == L"#32770")
        search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> Dialogs(DWORD pid) {
    Search search{pid, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string Escape(const std::string& bytes) {
    std::string out;
    char hex[8];
    for (unsigned char c : bytes) {
        if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            out.push_back(static_cast<char>(c));
        } else {
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

std::string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() + 0 && text[i + 1] == 'x') {
            out.push_back(static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16)));
            i += 3;
        } else if (text[i] == '\\' && i + 1 < text.size()) {
            out.push_back(text[++i]);
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::wstring RuntimeFolder() {
    // brevox.exe and its libraries next to the stand-in explorer, so that the
    // explorer launch finds the stand-in first.
    static const std::wstring kFolder = [] {
        std::wstring bin = BinFolder();
        std::wstring dir = bin + L"\\e2e-runtime";
        CreateDirectoryW(dir.c_str(), nullptr);
        for (const wchar_t* name : {L"brevox.exe", L"ketro_dll.dll", L"libusb0.dll"})
            CopyFileW((bin + L"\\" + name).c_str(), (dir + L"\\" + name).c_str(), FALSE);
        CopyFileW((bin + L"\\fake_explorer.exe").c_str(), (dir + L"\\explorer.exe").c_str(), FALSE);
        return dir;
    }();
    return kFolder;
}
} // namespace

std::wstring BinFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p = path;
    return p.substr(0, p.find_last_of(L'\\'));
}

std::wstring Utf16(const std::string& bytes) {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(936, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring out(n, L'\0');
    MultiByteToWideChar(936, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
    return out;
}

std::string Gbk(const std::wstring& text) {
    if (text.empty()) return {};
    int n =
        WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(ExtendedPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool RemoveTree(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(ExtendedPath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return true;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        SetFileAttributesW(ExtendedPath(path).c_str(), FILE_ATTRIBUTE_NORMAL);
        return DeleteFileW(ExtendedPath(path).c_str());
    }
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW(ExtendedPath(path + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = entry.cFileName;
            if (name != L"." && name != L"..") RemoveTree(path + L"\\" + name);
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    return RemoveDirectoryW(ExtendedPath(path).c_str());
}

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file =
        CreateFileW(ExtendedPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

std::string ReadBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(ExtendedPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string out;
    char chunk[65536];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) out.append(chunk, got);
    CloseHandle(file);
    return out;
}

SimRecorder::SimRecorder(const std::wstring& name, const std::string& deviceLines, bool present,
                         const std::wstring& storage)
    : folder_(BinFolder() + L"\\e2e-recorders\\" + name), storage_(storage) {
    CreateDirectoryW((BinFolder() + L"\\e2e-recorders").c_str(), nullptr);
    RemoveTree(folder_);
    CreateDirectoryW(folder_.c_str(), nullptr);
    std::string config = "[bus]\n";
    if (present) {
        config +=
            "[device]\nvendor = 0x4255\nproduct = 0x0001\nserial = KT2024000001\nstate = recorder.state\n";
        config += "storage = " + Gbk(storage) + "\nmsdc_marker = yes\n" + deviceLines;
    }
    WriteBytes(ConfigPath(), config);
    // brevox looks for its skin in the folder it starts in.
    CopyFileW((BinFolder() + L"\\xpblue.tvf").c_str(), SkinPath().c_str(), FALSE);
    if (storage.find(L':') == std::wstring::npos) CreateDirectoryW(StoragePath().c_str(), nullptr);
}

std::wstring SimRecorder::StoragePath() const {
    return storage_.find(L':') != std::wstring::npos ? storage_ : folder_ + L"\\" + storage_;
}

std::map<std::string, std::string> SimRecorder::State() const {
    std::map<std::string, std::string> state;
    std::string text = ReadBytes(folder_ + L"\\recorder.state");
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        state[line.substr(0, eq)] = Unescape(line.substr(eq + 1));
    }
    return state;
}

std::string SimRecorder::Get(const std::string& key) const {
    auto state = State();
    auto it = state.find(key);
    return it == state.end() ? std::string("<unset>") : it->second;
}

void SimRecorder::Set(const std::string& key, const std::string& bytes) {
    auto state = State();
    state[key] = bytes;
    std::string text;
    for (const auto& [k, v] : state) text += k + "=" + Escape(v) + "\n";
    WriteBytes(folder_ + L"\\recorder.state", text);
}

App::App(const SimRecorder& recorder, const std::wstring& explorerLog) {
    skinExpected_ = Exists(recorder.SkinPath()) &&
                    ReadBytes(recorder.SkinPath()) == ReadBytes(BinFolder() + L"\\xpblue.tvf");
    SetEnvironmentVariableW(L"RECORDER_SIM_CONFIG", recorder.ConfigPath().c_str());
    SetEnvironmentVariableW(L"BREVOX_TEST_EXPLORER_LOG", explorerLog.empty() ? nullptr : explorerLog.c_str());
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE write = nullptr;
    CreatePipe(&stdoutRead_, &write, &inherit, 0);
    SetHandleInformation(stdoutRead_, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdInput = nullptr;
    std::wstring exe = RuntimeFolder() + L"\\brevox.exe";
    std::wstring commandLine = L"\"" + exe + L"\"";
    BOOL ok = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                             recorder.Folder().c_str(), &startup, &process_);
    CloseHandle(write);
    EXPECT_TRUE(ok) << "brevox.exe did not start: " << GetLastError();
    reader_ = std::thread([this] {
        char chunk[4096];
        DWORD got = 0;
        while (ReadFile(stdoutRead_, chunk, sizeof chunk, &got, nullptr) && got > 0)
            output_.append(chunk, got);
    });
    if (ok) login_ = WaitDialog(kLoginTitle);
    EXPECT_NE(login_, nullptr) << "no login dialog";
}

App::~App() {
    if (Running()) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    for (auto& sender : senders_) sender.join();
    if (reader_.joinable()) reader_.join();
    if (stdoutRead_) CloseHandle(stdoutRead_);
    if (process_.hProcess) CloseHandle(process_.hProcess);
    if (process_.hThread) CloseHandle(process_.hThread);
}

bool CarriesSkin(HWND window) {
    // The skin runtime keeps its skinner under this property; the default
    // skin's rounded corners give every skinned window a region.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool shaped = GetWindowRgn(window, region) != ERROR;
    DeleteObject(region);
    return GetPropW(window, L"OBJECT") != nullptr && shaped;
}

void App::CheckSkin(HWND window) const {
    if (!window || !skinExpected_) return;
    // Seen from this process the window may be a moment ahead of its first
    // layout; give it that moment.
    bool skinned = CarriesSkin(window);
    for (int i = 0; i < 40 && !skinned && IsWindow(window); ++i) {
        Sleep(25);
        skinned = CarriesSkin(window);
    }
    EXPECT_TRUE(skinned) << "not skinned: " << Gbk(Text(window));
}

HWND App::WaitDialog(const std::wstring& title, int timeoutMs) const {
    for (int waited = 0; waited <= timeoutMs; waited += 50) {
        for (HWND window : Dialogs(process_.dwProcessId))
            if (Text(window) == title) {
                CheckSkin(window);
                return window;
            }
        if (!Running()) return nullptr;
        Sleep(50);
    }
    return nullptr;
}

HWND App::WaitDialogWith(int controlId, int timeoutMs) const {
    for (int waited = 0; waited <= timeoutMs; waited += 50) {
        for (HWND window : Dialogs(process_.dwProcessId))
            if (GetDlgItem(window, controlId)) {
                CheckSkin(window);
                return window;
            }
        if (!Running()) return nullptr;
        Sleep(50);
    }
    return nullptr;
}

Box App::WaitBox(int timeoutMs) const {
    for (int waited = 0; waited <= timeoutMs; waited += 50) {
        for (HWND window : Dialogs(process_.dwProcessId)) {
            wchar_t title[256] = {};
            GetWindowTextW(window, title, 256); // a top-level caption needs no message
            std::wstring caption = title;
            if (caption == kLoginTitle || caption == kSettingsTitle || caption == kAboutTitle ||
                caption == kProgressTitle)
                continue;
            // A box is complete once its caption and its text control exist.
            HWND text = GetDlgItem(window, 0xFFFF);
            if (caption.empty() || !text) continue;
            CheckSkin(window);
            return Box{window, caption, Text(text)};
        }
        if (!Running()) break;
        Sleep(50);
    }
    return {};
}

bool App::NoBoxWithin(int ms) const {
    return WaitBox(ms).hwnd == nullptr;
}

void App::Dismiss(const Box& box, int button) const {
    if (!box.hwnd) return;
    PostMessageW(box.hwnd, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    for (int i = 0; i < 200 && IsWindow(box.hwnd) && IsWindowVisible(box.hwnd); ++i) Sleep(25);
}

void App::Expect(const std::wstring& text, const std::wstring& caption) {
    Box box = WaitBox();
    ASSERT_NE(box.hwnd, nullptr) << "expected a box saying " << Gbk(text);
    EXPECT_EQ(Gbk(box.caption), Gbk(caption));
    EXPECT_EQ(Gbk(box.text), Gbk(text));
    Dismiss(box);
}

void App::SendDeviceChange(WPARAM event) {
    HWND login = login_;
    senders_.emplace_back([login, event] {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(login, WM_DEVICECHANGE, event, 0, SMTO_NORMAL, 120000, &result);
    });
}

void App::SelectRole(int index) const {
    SetComboIndex(login_, 1015, index);
}

void App::Type(HWND dialog, int editId, const std::wstring& text) const {
    HWND edit = GetDlgItem(dialog, editId);
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    for (wchar_t c : text) SendMessageW(edit, WM_CHAR, c, 1);
}

void App::Press(HWND dialog, int id) const {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::wstring App::Text(HWND window) {
    if (!window) return {};
    wchar_t text[512] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    return text;
}

int App::ComboIndex(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
}

void App::SetComboIndex(HWND dialog, int id, int index) {
    SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool App::WaitExit(int timeoutMs) {
    return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool App::Running() const {
    return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD App::ExitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

std::string App::Stdout() {
    if (!Running() && reader_.joinable()) reader_.join();
    return output_;
}

bool SaveScreenshot(HWND window, const std::wstring& path) {
    RECT r;
    if (!GetWindowRect(window, &r)) return false;
    SetForegroundWindow(window);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(300);
    return testsupport::SaveScreenArea(r, path);
}

} // namespace e2e
