// brevox-verify MANIFEST: checks every file an import manifest lists, prints
// each changed, missing, unreadable and extra file, and exits 0 only when
// everything matches (1: differences, 2: manifest unreadable or refused).
#include "ManifestVerify.h"

#include <iostream>

#if defined(_WIN32)
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    // Paths in manifests are UTF-8; let a console show them as such.
    SetConsoleOutputCP(CP_UTF8);
#else
int main(int argc, char** argv) {
#endif
    if (argc != 2) {
        std::cerr << "usage: brevox-verify MANIFEST.sha256\n";
        return 2;
    }
    return VerifyManifest(std::filesystem::path(argv[1]), std::cout);
}
