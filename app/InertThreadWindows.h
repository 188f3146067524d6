// Holds every visible window of the calling thread disabled for a scope, so
// that a long task pumping messages (the media import) cannot be re-entered
// through a button of any dialog, however deeply the dialogs are nested.
#pragma once

#include <windows.h>

#include <vector>

class InertThreadWindows {
public:
    InertThreadWindows();
    // Enables again exactly the windows it disabled that still exist.
    ~InertThreadWindows();
    InertThreadWindows(const InertThreadWindows&) = delete;
    InertThreadWindows& operator=(const InertThreadWindows&) = delete;

private:
    std::vector<HWND> disabled_;
    HWND focus_ = nullptr;
};
