#pragma once
// Base of the objects that describe child controls: font, main nine-grid
// image, control id.

#include "RecordIO.h"
#include "SkinFontHandle.h"
#include "SkinObject.h"

class ControlObject : public SkinObject {
public:
    explicit ControlObject(int typeCode);
    ~ControlObject() override;

    void Release() override;
    void Resolve(Skin& skin) override;
    void Load(MemoryStream& in, const RecordContext& ctx) override;

    SkinFontHandle FontHandle() const { return fontHandle_; }

    SkinFont font = SkinFont::Default("MS Sans Serif");
    NineGridImage mainImage{};
    uint32_t controlId = 0;
    uint32_t value2 = 0;
    uint32_t autoSkinFont = 0;

protected:
    void SaveRecord(MemoryStream& out, int minor) const override;
    // Push buttons of old files have no control section.
    virtual bool HasControlSection(int) const { return true; }
    void RegisterMainImage(const char* key) { Register(key, mainImage); }

private:
    template <typename IO>
    void ControlSection(IO& io, int minor);

    SkinFontHandle fontHandle_ = nullptr;
};
