#include "GbkText.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#endif

namespace ketro_tool {

namespace {

constexpr unsigned kGbkCodePage = 936;

#if defined(_WIN32)
std::optional<std::wstring> ToWide(unsigned codePage, const std::string& text) {
    if (text.empty()) return std::wstring();
    const int n = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(),
                                      static_cast<int>(text.size()), nullptr, 0);
    if (n <= 0) return std::nullopt;
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                        wide.data(), n);
    return wide;
}

std::optional<std::string> FromWide(unsigned codePage, const std::wstring& wide) {
    if (wide.empty()) return std::string();
    // The UTF-8 code page refuses the default-character arguments.
    BOOL usedDefault = FALSE;
    BOOL* check = codePage == CP_UTF8 ? nullptr : &usedDefault;
    const DWORD flags = codePage == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    const int n = WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                      nullptr, check);
    if (n <= 0 || usedDefault) return std::nullopt;
    std::string text(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), text.data(), n, nullptr,
                        check);
    if (usedDefault) return std::nullopt;
    return text;
}

std::optional<std::string> Convert(unsigned from, unsigned to, const std::string& text) {
    const auto wide = ToWide(from, text);
    if (!wide) return std::nullopt;
    return FromWide(to, *wide);
}
#else
std::optional<std::string> Convert(const char* from, const char* to, const std::string& text) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out(text.size() * 4 + 4, '\0');
    char* inPtr = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<size_t>(-1) || inLeft != 0) return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}
#endif

} // namespace

std::optional<std::string> Utf8ToGbk(const std::string& utf8) {
#if defined(_WIN32)
    return Convert(CP_UTF8, kGbkCodePage, utf8);
#else
    (void)kGbkCodePage;
    return Convert("UTF-8", "GBK", utf8);
#endif
}

std::optional<std::string> GbkToUtf8(const std::string& gbk) {
#if defined(_WIN32)
    return Convert(kGbkCodePage, CP_UTF8, gbk);
#else
    return Convert("GBK", "UTF-8", gbk);
#endif
}

} // namespace ketro_tool
