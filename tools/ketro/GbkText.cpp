#include "GbkText.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#endif

namespace ketro_tool {

namespace {

constexpr unsigned GBK_CODE_PAGE = 936;

#if defined(_WIN32)
std::optional<std::wstring> to_wide(unsigned code_page, const std::string& text) {
    if (text.empty()) return std::wstring();
    const int n = MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, text.data(),
                                      static_cast<int>(text.size()), nullptr, 0);
    if (n <= 0) return std::nullopt;
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                        wide.data(), n);
    return wide;
}

std::optional<std::string> from_wide(unsigned code_page, const std::wstring& wide) {
    if (wide.empty()) return std::string();
    // The UTF-8 code page refuses the default-character arguments.
    BOOL used_default = FALSE;
    BOOL* check = code_page == CP_UTF8 ? nullptr : &used_default;
    const DWORD flags = code_page == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    const int n = WideCharToMultiByte(code_page, flags, wide.data(), static_cast<int>(wide.size()), nullptr,
                                      0, nullptr, check);
    if (n <= 0 || used_default) return std::nullopt;
    std::string text(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(code_page, flags, wide.data(), static_cast<int>(wide.size()), text.data(), n, nullptr,
                        check);
    if (used_default) return std::nullopt;
    return text;
}

std::optional<std::string> convert(unsigned from, unsigned to, const std::string& text) {
    const auto wide = to_wide(from, text);
    if (!wide) return std::nullopt;
    return from_wide(to, *wide);
}
#else
std::optional<std::string> convert(const char* from, const char* to, const std::string& text) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out(text.size() * 4 + 4, '\0');
    char* in_ptr = const_cast<char*>(text.data());
    size_t in_left = text.size();
    char* out_ptr = out.data();
    size_t out_left = out.size();
    const size_t result = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
    iconv_close(cd);
    if (result == static_cast<size_t>(-1) || in_left != 0) return std::nullopt;
    out.resize(out.size() - out_left);
    return out;
}
#endif

} // namespace

std::optional<std::string> utf8_to_gbk(const std::string& utf8) {
#if defined(_WIN32)
    return convert(CP_UTF8, GBK_CODE_PAGE, utf8);
#else
    (void)GBK_CODE_PAGE;
    return convert("UTF-8", "GBK", utf8);
#endif
}

std::optional<std::string> gbk_to_utf8(const std::string& gbk) {
#if defined(_WIN32)
    return convert(GBK_CODE_PAGE, CP_UTF8, gbk);
#else
    return convert("GBK", "UTF-8", gbk);
#endif
}

} // namespace ketro_tool
