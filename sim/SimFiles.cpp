#include "SimFiles.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace sim {

namespace {

fs::path FromUtf8(std::string_view text) {
    std::u8string u8(text.size(), u8'\0');
    for (std::size_t i = 0; i < text.size(); ++i) u8[i] = static_cast<char8_t>(text[i]);
    return fs::path(u8);
}

unsigned long ProcessId() {
#ifdef _WIN32
    return GetCurrentProcessId();
#else
    return static_cast<unsigned long>(getpid());
#endif
}

} // namespace

fs::path PathFromText(std::string_view text) {
#ifdef _WIN32
    if (!text.empty() && text.front() == '/') {
        std::string converted = "Z:";
        converted.append(text);
        for (char& c : converted) {
            if (c == '/') c = '\\';
        }
        return FromUtf8(converted);
    }
#endif
    return FromUtf8(text);
}

fs::path ResolvePath(std::string_view text, const fs::path& baseFolder) {
    fs::path p = PathFromText(text);
    if (p.is_relative() && !baseFolder.empty()) p = baseFolder / p;
    return p.lexically_normal();
}

std::string PathToText(const fs::path& path) {
    const std::u8string u8 = path.u8string();
    return std::string(u8.begin(), u8.end());
}

std::optional<std::string> ReadWholeFile(const fs::path& path, std::size_t maxBytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string data;
    char chunk[4096];
    while (in) {
        in.read(chunk, sizeof chunk);
        const auto got = static_cast<std::size_t>(in.gcount());
        if (data.size() + got > maxBytes) return std::nullopt;
        data.append(chunk, got);
    }
    if (in.bad()) return std::nullopt;
    return data;
}

bool WriteFileAtomically(const fs::path& path, std::string_view content) {
    fs::path temp = path;
    temp += ".tmp" + std::to_string(ProcessId());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ec;
            fs::remove(temp, ec);
            return false;
        }
    }
#ifdef _WIN32
    // Replace in one step; a plain rename refuses an existing target here.
    // Another process reading the file at this moment blocks the replacement
    // briefly, so try again for a little while.
    bool ok = false;
    for (int attempt = 0; attempt < 50 && !ok; ++attempt) {
        ok = MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
        if (!ok) Sleep(10);
    }
#else
    const bool ok = std::rename(temp.c_str(), path.c_str()) == 0;
#endif
    if (!ok) {
        std::error_code ec;
        fs::remove(temp, ec);
    }
    return ok;
}

void AppendLine(const fs::path& path, std::string_view line) {
    std::ofstream out(path, std::ios::binary | std::ios::app);
    if (!out) return;
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
    out.put('\n');
}

std::string EnvironmentText(const char* name) {
#ifdef _WIN32
    // Read the wide value so a non-ASCII folder name survives.
    std::wstring wname;
    for (const char* p = name; *p; ++p) wname += static_cast<wchar_t>(*p);
    const DWORD needed = GetEnvironmentVariableW(wname.c_str(), nullptr, 0);
    if (needed == 0) return {};
    std::wstring value(needed, L'\0');
    const DWORD got = GetEnvironmentVariableW(wname.c_str(), value.data(), needed);
    if (got == 0 || got >= needed) return {};
    value.resize(got);
    return PathToText(fs::path(value));
#else
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
#endif
}

} // namespace sim
