// libFuzzer target for the skin loader. An input is tried as a whole skin
// file; when it does not decompress it is taken as an uncompressed body and
// packed first, so that mutations reach the record readers.

#include "ImageObject.h"
#include "Skin.h"
#include "SkinBody.h"
#include "SkinFileWriter.h"
#include "SkinSource.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Keep single images small so that a hostile header cannot make every
    // run allocate hundreds of megabytes.
    ImageObject::SetDecodeMemoryLimit(1u << 18);
    Skin skin;
    if (!skin.LoadMemory(data, size)) {
        if (skin.LastError() != kSkinErrorDecompress) return 0;
        const std::vector<uint8_t> file = CompressSkinBody(data, size);
        if (!skin.LoadMemory(file.data(), file.size())) return 0;
    }
    skin.FindObject("MainFrame");
    skin.FindObject("Dialog");
    skin.FindObjectByType(24);
    skin.FindImage("frame");
    // Whatever loaded must also save and print.
    const std::vector<uint8_t> body = SaveSkinBody(skin, 13);
    (void)body;
    const std::string text = DumpSkinSource(skin);
    (void)text;
    return 0;
}
