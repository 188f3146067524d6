#include "ScrollInterception.h"

namespace {
bool g_installed = false;
} // namespace

// The scroll-bar engine does not exist yet: installing only marks the point
// at which start-up and shutdown call it.
bool InstallScrollInterception() {
    g_installed = true;
    return true;
}

void RemoveScrollInterception() {
    g_installed = false;
}

bool ScrollInterceptionInstalled() {
    return g_installed;
}
