// The application object: start-up runs the login dialog as the main
// window; exit stops the skin runtime.
#pragma once

#include <windows.h>

class LoginDialog;

class ManagerApp {
public:
    explicit ManagerApp(HINSTANCE instance) : instance_(instance) {}
    // Start-up; returns once the main window has ended.
    bool InitInstance();
    // Exit; the process's exit code.
    int ExitInstance();

private:
    HINSTANCE instance_;
    LoginDialog* mainWindow_ = nullptr;
};
