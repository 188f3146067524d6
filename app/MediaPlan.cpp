#include "MediaPlan.h"

#include <cstdio>

std::wstring ExtractExtension(const std::wstring& name) {
    std::wstring ext;
    auto dot = name.find(L'.');
    if (dot == std::wstring::npos) return ext;
    for (std::size_t i = dot; i < name.size() && ext.size() < 6; ++i)
        if (name[i] != L'.') ext.push_back(name[i]);
    return ext;
}

namespace {
std::wstring UpperAscii(std::wstring s) {
    for (auto& c : s)
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    return s;
}

bool StartsWith(const std::wstring& s, const wchar_t* prefix) {
    return s.rfind(prefix, 0) == 0;
}
} // namespace

MediaClass ClassifyMedia(const std::wstring& name) {
    std::wstring ext = UpperAscii(ExtractExtension(name));
    if (StartsWith(ext, L"JPG") || StartsWith(ext, L"JPEG")) return MediaClass::Photo;
    if (StartsWith(ext, L"AVI") || StartsWith(ext, L"MP4") || StartsWith(ext, L"ASF"))
        return MediaClass::Movie;
    if (StartsWith(ext, L"WAV")) return MediaClass::Audio;
    return MediaClass::Other;
}

const wchar_t* MediaClassFolder(MediaClass mediaClass) {
    switch (mediaClass) {
    case MediaClass::Photo:
        return L"PHOTOS";
    case MediaClass::Movie:
        return L"MOVIES";
    case MediaClass::Audio:
        return L"AUDIOS";
    default:
        return L"";
    }
}

std::wstring DayFolderName(int year, int month, int day) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%04d%02d%02d", year, month, day);
    return text;
}

std::wstring JoinPath(const std::wstring& left, const std::wstring& right) {
    if (!left.empty() && (left.back() == L'\\' || left.back() == L'/')) return left + right;
    return left + L"\\" + right;
}

std::optional<std::wstring> DestinationNames::Claim(const std::wstring& folder, const std::wstring& name,
                                                    const std::function<bool(const std::wstring&)>& take,
                                                    unsigned limit) {
    auto dot = name.rfind(L'.');
    std::wstring stem = dot == std::wstring::npos ? name : name.substr(0, dot);
    std::wstring ext = dot == std::wstring::npos ? L"" : name.substr(dot);
    for (unsigned n = 1; n <= limit; ++n) {
        std::wstring path = JoinPath(folder, n == 1 ? name : stem + L"_" + std::to_wstring(n) + ext);
        if (taken_.count(path) || (take && !take(path))) continue;
        taken_.insert(path);
        return path;
    }
    return std::nullopt;
}
