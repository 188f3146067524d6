// Loading a Skin from a skin file or from a skin file held in memory.

#include "Skin.h"

#include "ObjectFactory.h"
#include "SkinBody.h"
#include "SkinValueIO.h"

#include <cstring>
#include <fstream>

bool Skin::LoadFile(const std::filesystem::path& path) {
    std::vector<uint8_t> bytes;
    {
        std::ifstream file(path, std::ios::binary);
        if (file) {
            file.seekg(0, std::ios::end);
            const std::streamoff size = file.tellg();
            file.seekg(0, std::ios::beg);
            if (size >= 0) {
                try {
                    bytes.resize(static_cast<size_t>(size));
                } catch (const std::bad_alloc&) {
                    bytes.clear();
                }
                if (bytes.size() == static_cast<size_t>(size) &&
                    file.read(reinterpret_cast<char*>(bytes.data()), size).gcount() == size) {
                    MemoryStream stream(std::move(bytes));
                    return LoadMemory(stream);
                }
            }
        }
    }
    Clear();
    std::lock_guard guard(lock_);
    lastError_ = kSkinErrorFile;
    return false;
}

bool Skin::LoadMemory(const void* data, size_t size) {
    Clear();
    std::lock_guard guard(lock_);
    return Parse(static_cast<const uint8_t*>(data), size);
}

bool Skin::LoadMemory(MemoryStream& stream) {
    Clear();
    std::lock_guard guard(lock_);
    const bool ok = Parse(stream.Cursor(), stream.Remaining());
    stream.Seek(0, MemoryStream::End);
    return ok;
}

bool Skin::Parse(const uint8_t* data, size_t size) {
    std::vector<uint8_t> body;
    if (!DecompressSkinBody(data, size, body)) {
        lastError_ = kSkinErrorDecompress;
        return false;
    }
    MemoryStream in(std::move(body));

    if (in.Read(header_.data(), header_.size()) < header_.size()) {
        lastError_ = kSkinErrorShortBody;
        return false;
    }
    if (std::memcmp(header_.data(), kSkinMarker, sizeof kSkinMarker) != 0 || header_[20] != 1) {
        lastError_ = kSkinErrorMarker;
        return false;
    }
    version_ = FormatVersion{header_[20], header_[21]};
    SetCurrentFormatVersion(version_);
    const RecordContext ctx{EffectiveMinor(version_.minor), 0};

    const uint32_t objectCount = uint32_t(header_[kSkinHeaderObjectCount]) |
                                 uint32_t(header_[kSkinHeaderObjectCount + 1]) << 8 |
                                 uint32_t(header_[kSkinHeaderObjectCount + 2]) << 16 |
                                 uint32_t(header_[kSkinHeaderObjectCount + 3]) << 24;
    // Counts are not trusted past the end of the body: every record starts
    // with a four-byte type code.
    for (uint32_t i = 0; i < objectCount && in.Remaining() >= 4; ++i) {
        uint32_t code = 0;
        in.ReadU32(code);
        if (!IsTopLevelTypeCode(static_cast<int>(code)))
            continue; // nothing more is read for an unknown record
        std::unique_ptr<SkinObject> object = CreateSkinObject(static_cast<int>(code));
        object->Load(in, ctx);
        std::string key = NameKey(object->name, sizeof object->name);
        objects_[std::move(key)] = std::move(object);
    }

    int32_t imageCount = 0;
    ReadValue(in, imageCount);
    for (int32_t i = 0; i < imageCount && in.Remaining() >= 4; ++i) {
        uint32_t code = 0;
        in.ReadU32(code);
        auto image = std::make_unique<ImageObject>();
        image->Load(in, ctx);
        std::string key = NameKey(image->name, sizeof image->name);
        images_[std::move(key)] = std::move(image);
    }

    int32_t auxCount = 0;
    ReadValue(in, auxCount);
    for (int32_t i = 0; i < auxCount && in.Remaining() >= 4; ++i) {
        uint32_t code = 0;
        in.ReadU32(code);
        std::unique_ptr<SkinObject> aux = CreateSkinObject(19);
        aux->Load(in, ctx);
        std::string key = NameKey(aux->name, sizeof aux->name);
        auxiliaries_[std::move(key)] = std::move(aux);
    }

    infoKnown_ = false;
    ResolveAll();
    return true;
}
