#pragma once
// A loaded skin file: its header, format version, and the tables of objects,
// images and auxiliary objects it owns.

#include "ImageLookup.h"
#include "ImageObject.h"
#include "MemoryStream.h"
#include "SkinFormatVersion.h"
#include "SkinObject.h"

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

enum SkinError : int {
    kSkinOk = 0,
    kSkinErrorFile = 4,       // open, size, allocation or read of the file
    kSkinErrorDecompress = 5, // body does not decompress to its stated length
    kSkinErrorShortBody = 6,  // body shorter than the header
    kSkinErrorMarker = 7,     // wrong marker or major version
};

constexpr size_t kSkinHeaderSize = 188;
constexpr size_t kSkinHeaderObjectCount = 176;
inline constexpr char kSkinMarker[] = "QUARVELIN_SKIN_FILE";

class Skin : public ImageLookup {
public:
    using ObjectTable = std::map<std::string, std::unique_ptr<SkinObject>>;
    using ImageTable = std::map<std::string, std::unique_ptr<ImageObject>>;

    Skin();
    ~Skin() override;
    Skin(const Skin&) = delete;
    Skin& operator=(const Skin&) = delete;

    bool LoadFile(const std::filesystem::path& path);
    // Parses a whole skin file held in memory, from the stream's position.
    bool LoadMemory(MemoryStream& stream);
    bool LoadMemory(const void* data, size_t size);

    // By exact NAME: top-level objects, then children depth-first, then
    // images, then auxiliary objects.
    SkinObject* FindObject(std::string_view name) const;
    // First top-level object in name order with that code; 24 is answered
    // with the first object of code 23.
    SkinObject* FindObjectByType(int typeCode) const;
    const DibImage* FindImage(const char* name) const override;
    bool GetTransparency(uint32_t& colour, bool& useTransparentColour) const override;

    void Clear();
    int LastError() const { return lastError_; }
    FormatVersion Version() const { return version_; }
    const std::array<uint8_t, kSkinHeaderSize>& Header() const { return header_; }

    const ObjectTable& Objects() const { return objects_; }
    const ImageTable& Images() const { return images_; }
    const ObjectTable& Auxiliaries() const { return auxiliaries_; }

    // Building a skin in memory (tools and tests); a later entry of the same
    // NAME replaces an earlier one, as in a loaded file.
    void PutObject(std::unique_ptr<SkinObject> object);
    void PutImage(std::unique_ptr<ImageObject> image);
    void PutAuxiliary(std::unique_ptr<SkinObject> object);
    void SetVersion(FormatVersion v) { version_ = v; }
    std::array<uint8_t, kSkinHeaderSize>& MutableHeader() { return header_; }
    // Resolves every top-level object (done at the end of a load).
    void ResolveAll();

private:
    bool Parse(const uint8_t* data, size_t size);

    // The first skin-information object, looked up once per table change
    // (every frame piece cut while resolving asks for it).
    mutable const SkinObject* info_ = nullptr;
    mutable bool infoKnown_ = false;
    mutable std::recursive_mutex lock_;
    int lastError_ = kSkinOk;
    ImageTable images_;
    ObjectTable auxiliaries_;
    std::array<uint8_t, kSkinHeaderSize> header_{};
    ObjectTable objects_;
    FormatVersion version_;
};
