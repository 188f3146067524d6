#pragma once
// A named image of the skin, decoded from the BMP or TGA bytes of its record.

#include "DibImage.h"
#include "SkinObject.h"

#include <vector>

class ImageObject : public SkinObject {
public:
    ImageObject();

    void Load(MemoryStream& in, const RecordContext& ctx) override;

    // Sets the image from encoded file bytes; a later save writes these bytes
    // unchanged. Returns whether they decoded.
    bool SetEncoded(std::vector<uint8_t> bytes, int format);

    DibImage& Image() { return image_; }
    const DibImage& Image() const { return image_; }
    int FormatCode() const { return format_; }
    // Bytes that decoding of one record may claim; lowered by the fuzz target.
    static void SetDecodeMemoryLimit(uint64_t limit);

protected:
    void SaveRecord(MemoryStream& out, int minor) const override;

private:
    DibImage image_;
    uint32_t format_ = 0;
    std::vector<uint8_t> encoded_;
};
