// Redirection of the system's scroll-bar functions to the scroll-bar engine
// for the windows it drives. Installed at start-up on the systems that use
// it, removed at shutdown.
#pragma once

bool InstallScrollInterception();
void RemoveScrollInterception();
bool ScrollInterceptionInstalled();
