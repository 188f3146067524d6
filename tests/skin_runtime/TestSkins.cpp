#include "TestSkins.h"

#include <filesystem>
#include <fstream>
#include <memory>

#include "DibImage.h"
#include "ImageObject.h"
#include "ObjectFactory.h"
#include "PlainObjects.h"
#include "Skin.h"
#include "SkinFileWriter.h"
#include "WindowFrameObjects.h"

namespace testskin {

namespace {

constexpr int kBlock = 8;

const SkinRect kDesign[9] = {{0, 0, kCorner, kTop},
                             {kCorner, 0, 100 - kCorner, kTop},
                             {100 - kCorner, 0, 100, kTop},
                             {0, kTop, kSide, 80 - kBottom},
                             {kSide, kTop, 100 - kSide, 80 - kBottom},
                             {100 - kSide, kTop, 100, 80 - kBottom},
                             {0, 80 - kBottom, kCorner, 80},
                             {kCorner, 80 - kBottom, 100 - kCorner, 80},
                             {100 - kCorner, 80 - kBottom, 100, 80}};

std::vector<uint8_t> PartsImage(const Options& options) {
    DibImage image;
    image.Create(18 * kBlock, kBlock, 24, 1);
    for (int block = 0; block < 18; ++block) {
        const COLORREF colour =
            block < 9 ? ActiveColour(block, options.variant) : InactiveColour(block - 9, options.variant);
        for (int y = 0; y < kBlock; ++y) {
            for (int x = 0; x < kBlock; ++x) image.SetColor(block * kBlock + x, y, colour);
        }
    }
    if (options.cutCorners) {
        // The outer pixel of the two top corners is transparent.
        for (int block : {0, 9}) image.SetColor(block * kBlock, 0, RGB(255, 0, 255));
        for (int block : {2, 11}) image.SetColor(block * kBlock + kBlock - 1, 0, RGB(255, 0, 255));
    }
    std::vector<uint8_t> bytes;
    image.Encode(1, &bytes);
    return bytes;
}

std::unique_ptr<SkinObject> FrameObject(const char* name, const Options& options) {
    auto object = CreateSkinObject(1);
    object->SetName(name);
    auto* frame = static_cast<FrameWindowObject*>(object.get());
    for (int i = 0; i < 9; ++i) {
        frame->designRects[i] = kDesign[i];
        frame->activeFrame[i].SetName("parts");
        frame->activeFrame[i].source = {i * kBlock, 0, (i + 1) * kBlock, kBlock};
        frame->activeFrame[i].drawMode = 2;
        frame->inactiveFrame[i].SetName("parts");
        frame->inactiveFrame[i].source = {(9 + i) * kBlock, 0, (10 + i) * kBlock, kBlock};
        frame->inactiveFrame[i].drawMode = 2;
    }
    frame->captionFont = SkinFont::Default("Arial");
    frame->captionFont.height = -20;
    frame->captionFont.weight = 700;
    frame->captionFont.color = kCaptionText;
    frame->captionEffect = TextEffect::WithTextColor(kCaptionText);
    frame->clientColor = ActiveColour(4, options.variant);
    return object;
}

} // namespace

COLORREF ActiveColour(int part, int variant) {
    return RGB(20 + part * 25, 40 + variant * 100, 200);
}

COLORREF InactiveColour(int part, int variant) {
    return RGB(200, 20 + part * 25, 60 + variant * 100);
}

std::vector<uint8_t> BlocksBmp(const std::vector<COLORREF>& colours, int block) {
    DibImage image;
    image.Create(static_cast<int>(colours.size()) * block, block, 24, 1);
    for (size_t i = 0; i < colours.size(); ++i) {
        for (int y = 0; y < block; ++y) {
            for (int x = 0; x < block; ++x) image.SetColor(static_cast<int>(i) * block + x, y, colours[i]);
        }
    }
    std::vector<uint8_t> bytes;
    image.Encode(1, &bytes);
    return bytes;
}

std::wstring Write(const std::wstring& fileName, const Options& options) {
    return WriteSkin(*Build(options), fileName);
}

std::unique_ptr<Skin> Build(const Options& options) {
    auto built = std::make_unique<Skin>();
    Skin& skin = *built;
    auto info = CreateSkinObject(25);
    info->SetName("SkinInformation");
    auto* skinInfo = static_cast<SkinInfoObject*>(info.get());
    skinInfo->useTransparentColor = 1;
    skinInfo->color3 = RGB(255, 0, 255);
    skin.PutObject(std::move(info));
    if (options.withDialogObject) skin.PutObject(FrameObject("Dialog", options));
    if (options.withAltObject) skin.PutObject(FrameObject("Alt", options));
    if (options.withStatic) {
        auto label = CreateSkinObject(14);
        label->SetName("Label");
        skin.PutObject(std::move(label));
    }
    auto image = std::make_unique<ImageObject>();
    image->SetName("parts");
    image->SetEncoded(PartsImage(options), 1);
    skin.PutImage(std::move(image));
    return built;
}

std::wstring WriteSkin(const Skin& skin, const std::wstring& fileName) {
    const std::vector<uint8_t> file = SaveSkinFile(skin, 13);
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + fileName;
    std::ofstream out(std::filesystem::path(path), std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    return path;
}

} // namespace testskin
