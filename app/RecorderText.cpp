#include "RecorderText.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {
constexpr UINT kRecorderCodePage = 936;
}

std::string ToRecorderText(const std::wstring& text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(kRecorderCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string out(n > 0 ? n : 0, '\0');
    if (n > 0)
        WideCharToMultiByte(kRecorderCodePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                            nullptr, nullptr);
    return out;
}

std::optional<std::string> ToRecorderTextExactly(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int length = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    int n = WideCharToMultiByte(kRecorderCodePage, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0,
                                nullptr, &usedDefault);
    if (n <= 0 || usedDefault) return std::nullopt;
    std::string out(n, '\0');
    WideCharToMultiByte(kRecorderCodePage, WC_NO_BEST_FIT_CHARS, text.data(), length, out.data(), n, nullptr,
                        &usedDefault);
    // The way back must give the same text, whatever the conversion's own
    // notion of a substitute.
    if (usedDefault || FromRecorderText(out.data(), out.size()) != text) return std::nullopt;
    return out;
}

std::wstring FromRecorderText(const char* bytes, std::size_t maxBytes) {
    if (!bytes) return {};
    std::size_t length = strnlen(bytes, maxBytes);
    if (length == 0) return {};
    int n = MultiByteToWideChar(kRecorderCodePage, 0, bytes, static_cast<int>(length), nullptr, 0);
    std::wstring out(n > 0 ? n : 0, L'\0');
    if (n > 0) MultiByteToWideChar(kRecorderCodePage, 0, bytes, static_cast<int>(length), out.data(), n);
    return out;
}

std::size_t RecorderTextLength(const std::wstring& text) {
    return ToRecorderText(text).size();
}

std::wstring TruncateToRecorderBytes(const std::wstring& text, std::size_t maxBytes) {
    std::wstring out;
    std::size_t used = 0;
    for (std::size_t i = 0; i < text.size();) {
        // A surrogate pair is one character.
        std::size_t units = (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size()) ? 2 : 1;
        std::size_t bytes = ToRecorderText(text.substr(i, units)).size();
        if (used + bytes > maxBytes) break;
        out.append(text, i, units);
        used += bytes;
        i += units;
    }
    return out;
}

std::vector<char> PaddedField(const std::string& bytes, std::size_t fieldLength) {
    std::vector<char> buffer(std::max(bytes.size(), fieldLength) + 1, '\0');
    std::memcpy(buffer.data(), bytes.data(), bytes.size());
    return buffer;
}
