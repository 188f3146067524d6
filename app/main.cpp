#include "ManagerApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    ManagerApp app(instance);
    app.InitInstance();
    return app.ExitInstance();
}
