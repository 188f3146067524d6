// Process-wide state of the application: lives from start-up to exit.
#pragma once

#include "ketro_dll.h"

#include <string>

struct AppState {
    // Serial string of the recorder last found by Ketro_Connect; the last
    // argument of every other library call.
    char recorder_id[KETRO_SERIAL_SLOT_SIZE] = {};
    // Import root chosen with the login dialog's hidden folder chooser.
    std::wstring mediaRootOverride;
};

AppState& App();
