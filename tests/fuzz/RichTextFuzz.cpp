// Markup and style sheets from the fuzzer through tokenizer, style stack,
// layout and painting with fake metrics. Input: an optional style sheet
// before a NUL byte, then UTF-8 markup; the first byte picks a wrap width.
#include "FakeTextDevice.h"
#include "richtext/RichTextRenderer.h"
#include "richtext/TextEncoding.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    int maxWidth = data[0] % 4 == 0 ? 0 : data[0];
    std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
    richtext::RichTextRenderer renderer;
    if (auto nul = input.find('\0'); nul != std::string_view::npos) {
        renderer.SetStyleSheet(input.substr(0, nul));
        input.remove_prefix(nul + 1);
    }
    std::u16string text = richtext::ToUtf16(input);
    richtext::testing::FakeTextDevice device;
    richtext::Size size1 = renderer.Measure(device, text, maxWidth);
    renderer.SetMouse(richtext::Point{size1.width / 2, size1.height / 2});
    renderer.Draw(device, text, {0, 0, maxWidth ? maxWidth : size1.width, size1.height});
    (void)renderer.LinkAt({1, 1});
    return 0;
}
