#include "SkinFileWriter.h"

#include "Skin.h"
#include "SkinBody.h"

#include <cstring>

std::vector<uint8_t> SaveSkinBody(const Skin& skin, int minor) {
    MemoryStream out;
    std::array<uint8_t, kSkinHeaderSize> header = skin.Header();
    std::memset(header.data(), 0, 20);
    std::memcpy(header.data(), kSkinMarker, sizeof kSkinMarker);
    header[20] = 1;
    header[21] = static_cast<uint8_t>(minor);
    const uint32_t count = static_cast<uint32_t>(skin.Objects().size());
    for (int i = 0; i < 4; ++i) header[kSkinHeaderObjectCount + i] = static_cast<uint8_t>(count >> (8 * i));
    out.Write(header.data(), header.size());
    for (const auto& [name, object] : skin.Objects()) object->Save(out, minor);
    out.WriteU32(static_cast<uint32_t>(skin.Images().size()));
    for (const auto& [name, image] : skin.Images()) image->Save(out, minor);
    out.WriteU32(static_cast<uint32_t>(skin.Auxiliaries().size()));
    for (const auto& [name, aux] : skin.Auxiliaries()) aux->Save(out, minor);
    return std::move(out.Bytes());
}

std::vector<uint8_t> SaveSkinFile(const Skin& skin, int minor) {
    const std::vector<uint8_t> body = SaveSkinBody(skin, minor);
    return CompressSkinBody(body.data(), body.size());
}
