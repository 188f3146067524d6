#include "ManagerApp.h"

#include "LoginDialog.h"
#include "SkinEntries.h"

#include <commctrl.h>
#include <ole2.h>

bool ManagerApp::InitInstance() {
    // Skin start, before any window exists; the results are advisory.
    SkinStartup(instance_, nullptr, nullptr, nullptr);
    SkinLoadFile(L"xpblue.tvf");

    // Hosting support (the folder browser needs COM) and the controls' look.
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    LoginDialog login;
    mainWindow_ = &login;

    // Skin assignment. The login window does not exist yet, so the frame
    // attachment has no window; the dialog default skins every dialog.
    SkinLoadResource(instance_, MAKEINTRESOURCEW(102), L"QUARVELIN");
    SkinAttachWindow(mainWindow_->Hwnd(), L"MainFrame");
    SkinSetDialogDefault(L"Dialog");

    login.DoModal(nullptr);
    mainWindow_ = nullptr;
    return true;
}

int ManagerApp::ExitInstance() {
    SkinShutdown();
    OleUninitialize();
    return 0;
}
