#include "Cp936Text.h"

#include <windows.h>

#include <climits>
#include <cstring>

namespace {
constexpr UINT kGbk = 936;
} // namespace

std::wstring WideFromCp936(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > size_t(INT_MAX)) return {};
    const int length = int(bytes.size());
    const int count = MultiByteToWideChar(kGbk, 0, bytes.data(), length, nullptr, 0);
    if (count <= 0) return {};
    std::wstring text(size_t(count), L'\0');
    MultiByteToWideChar(kGbk, 0, bytes.data(), length, text.data(), count);
    return text;
}

std::wstring WideFromCp936Field(const char* field, size_t size) {
    if (!field) return {};
    return WideFromCp936(std::string_view(field, strnlen(field, size)));
}

std::string Cp936FromWide(std::wstring_view text) {
    if (text.empty() || text.size() > size_t(INT_MAX)) return {};
    const int length = int(text.size());
    const int count = WideCharToMultiByte(kGbk, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (count <= 0) return {};
    std::string bytes(size_t(count), '\0');
    WideCharToMultiByte(kGbk, 0, text.data(), length, bytes.data(), count, nullptr, nullptr);
    return bytes;
}
