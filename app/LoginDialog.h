// The main window: role and password, the way to the settings dialog and to
// removable-disk mode, and the reaction to an arriving drive.
#pragma once

#include "Resource.h"
#include "ui/Dialog.h"

#include <string>

class LoginDialog : public ui::Dialog {
public:
    LoginDialog() : ui::Dialog(IDD_LOGIN) {}
    ~LoginDialog() override;

protected:
    Result OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void Exchange(ui::DataExchange& dx) override;

private:
    bool IsAdministratorSelected() const;
    // Steps shared by both buttons: exchange, empty check, connection.
    bool CheckAndConnect();
    void OnOpenSettings();
    void OnRemovableDisk();
    void OnExit();
    void OnChooseFolder();
    void OnDeviceArrival();
    bool OnPaint();
    void ReleaseTitleFont();

    std::wstring password_;
    HFONT titleFont_ = nullptr;
    HICON icon_ = nullptr;
    HICON smallIcon_ = nullptr;
    bool importing_ = false;
    // An arrival came while a window above this one was running.
    bool arrivalDeferred_ = false;
};
