// Drives brevox.exe from outside, as a user would: starts it against a
// simulated recorder, finds its dialogs and message boxes, types, presses
// buttons, and reads what the recorder and standard output hold afterwards.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace e2e {

// Folder of the test program (the build's bin folder).
std::wstring BinFolder();
std::wstring Utf16(const std::string& gbkBytes);
std::string Gbk(const std::wstring& text);
// The window carries the skin runtime's skinner and the skin's region.
bool CarriesSkin(HWND window);
bool RemoveTree(const std::wstring& path);
bool WriteBytes(const std::wstring& path, const std::string& bytes);
std::string ReadBytes(const std::wstring& path);
bool Exists(const std::wstring& path);

// One simulated recorder in a folder of its own: configuration, state file
// and storage folder.
class SimRecorder {
public:
    // `deviceLines`: extra configuration lines of the device (faults...);
    // `present` false gives a bus without any recorder.
    SimRecorder(const std::wstring& name, const std::string& deviceLines = "", bool present = true,
                const std::wstring& storage = L"storage");
    const std::wstring& Folder() const { return folder_; }
    std::wstring ConfigPath() const { return folder_ + L"\\sim.conf"; }
    // The default skin, copied here by the constructor; tests may remove or
    // damage it before starting the program.
    std::wstring SkinPath() const { return folder_ + L"\\xpblue.tvf"; }
    std::wstring StoragePath() const;
    std::map<std::string, std::string> State() const;
    std::string Get(const std::string& key) const;
    void Set(const std::string& key, const std::string& bytes);

private:
    std::wstring folder_;
    std::wstring storage_;
};

struct Box {
    HWND hwnd = nullptr;
    std::wstring caption;
    std::wstring text;
};

class App {
public:
    explicit App(const SimRecorder& recorder, const std::wstring& explorerLog = L"");
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    HWND Login() const { return login_; }
    // A visible dialog of the process with this exact title.
    HWND WaitDialog(const std::wstring& title, int timeoutMs = 15000) const;
    // A visible dialog of the process that holds a control with this id.
    HWND WaitDialogWith(int controlId, int timeoutMs = 15000) const;
    // The next message box (any #32770 window that is not one of our dialogs).
    Box WaitBox(int timeoutMs = 15000) const;
    // True when no message box shows up within the time.
    bool NoBoxWithin(int ms) const;
    void Dismiss(const Box& box, int button = IDOK) const;

    // Device-change notifications carry a pointer and are delivered only by a
    // sending call, which returns when the handler does; it is made from a
    // thread of its own so that the test can answer the boxes meanwhile.
    void SendDeviceChange(WPARAM event);
    void SelectRole(int index) const;
    void Type(HWND dialog, int editId, const std::wstring& text) const;
    void Press(HWND dialog, int id) const;
    static std::wstring Text(HWND window);
    static std::wstring ItemText(HWND dialog, int id) { return Text(GetDlgItem(dialog, id)); }
    static int ComboIndex(HWND dialog, int id);
    static void SetComboIndex(HWND dialog, int id, int index);

    // Waits for the end of the process; false on time-out.
    bool WaitExit(int timeoutMs = 20000);
    bool Running() const;
    DWORD ExitCode() const;
    // Everything the process wrote to standard output (complete after exit).
    std::string Stdout();

    // Presses the box's OK and expects the given caption and text.
    void Expect(const std::wstring& text, const std::wstring& caption = L"brevox");

private:
    PROCESS_INFORMATION process_{};
    HANDLE stdoutRead_ = nullptr;
    std::thread reader_;
    std::vector<std::thread> senders_;
    std::string output_;
    HWND login_ = nullptr;
    // The recorder folder holds the build's default skin: every dialog and
    // box the driver finds must carry it.
    bool skinExpected_ = false;
    void CheckSkin(HWND window) const;
};

// Writes the window's image as a BMP file; false when nothing was captured.
bool SaveScreenshot(HWND window, const std::wstring& path);

} // namespace e2e
