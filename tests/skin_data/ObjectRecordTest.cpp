// Every object type saves and loads in every format version.

#include "BarObjects.h"
#include "ButtonObjects.h"
#include "EditObjects.h"
#include "MiscControlObjects.h"
#include "ObjectFactory.h"
#include "SkinTestUtil.h"
#include "SystemColors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

namespace {

std::string Values(const SkinObject& o) {
    std::string out;
    for (const auto* list : {&o.Properties(), &o.StoredFields()}) {
        for (const PropertyEntry& e : *list) {
            if (e.key == "oldfont.value") // only in records before 1.7
                continue;
            out += e.key;
            out += "=";
            if (e.type == PropLongText)
                out += *static_cast<const std::string*>(e.value);
            else
                out.append(static_cast<const char*>(e.value), static_cast<size_t>(e.size));
            out += ";";
        }
    }
    return out;
}

class EveryVersion : public ::testing::TestWithParam<int> {};

TEST_P(EveryVersion, EveryTypeReadsExactlyWhatItWrote) {
    const int minor = GetParam();
    std::mt19937 rng(1234 + minor);
    for (const int code : AllTypeCodes()) {
        SCOPED_TRACE("type " + std::to_string(code) + " version 1." + std::to_string(minor));
        auto original = CreateSkinObject(code);
        ASSERT_TRUE(original);
        FillObject(*original, rng);
        if (code != 18 && code != 19 && code != 20) {
            auto child = CreateSkinObject(14);
            FillObject(*child, rng);
            child->SetName("child");
            original->AddChild(std::move(child));
        }
        const auto first = SaveObject(*original, minor);
        size_t left = 99;
        const auto loaded = LoadObject(first, minor, &left);
        EXPECT_EQ(left, 0u) << "record layout of load and save differ";
        EXPECT_EQ(loaded->TypeCode(), code);
        const auto second = SaveObject(*loaded, minor);
        // Version fix-ups apply once; from then on a record is stable.
        const auto third = SaveObject(*LoadObject(second, minor), minor);
        EXPECT_EQ(second, third);
        if (minor == 13) {
            EXPECT_EQ(first, second);
            EXPECT_EQ(Values(*original), Values(*loaded));
            EXPECT_EQ(loaded->Children().size(), code == 18 || code == 19 || code == 20 ? 0u : 1u);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Minor, EveryVersion, ::testing::Range(0, 14));

// Byte sizes of default records (no children, no custom properties, no
// tooltip text), added up by hand from the stored layouts rather than taken
// from the field lists the loader runs, so that a field missing from or
// added to one of those lists is caught.
size_t ExpectedRecordSize(int code, int m) {
    // Common sections.
    const size_t object = 51 + 4 + 4 + 4 + 51 + 4 + (m >= 8 ? 16 + 4 : 0) + 4; // ends with the child count
    const size_t control =
        64 + 88 + (m >= 4 && m <= 7 ? 16 : 0) + (m >= 6 ? 4 : 0) + (m >= 8 ? 4 : 0) + (m >= 10 ? 4 : 0);
    const size_t element = 72 + (m <= 7 ? 16 : 0) + 4 + 4 + (m >= 11 ? 4 + 51 : 0);
    const size_t frame =
        18 * 72 + 9 * 16 + 64 + 4 + 4 + 4 + 4 + 4 + (m >= 3 ? 16 : 0) + (m >= 13 ? 2 * 88 : 0);
    const size_t menuBar =
        object + element + 64 + 3 * 16 + 4 + 88 + 16 + 4 + 88 + (m >= 2 ? 12 * 72 : 0) + (m >= 3 ? 88 : 0);
    const size_t ctl = object + control;
    switch (code) {
    case 1:
        return object + frame + 4 + menuBar + (m >= 6 ? 4 + 72 : 0);
    case 2:
        return object + 72 + 16 + 16 + 1 + 4 + 4;
    case 3:
        return object + element + 3 * 72 + 4 + 4;
    case 4:
        return object + (m >= 7 ? control : 0) + 6 * (88 + 16 + 16) + 50 + 4 + (m < 7 ? 64 + 4 : 0) + 4;
    case 5:
    case 11:
        return ctl + 7 * (72 + 16 + 72 + 16 + 16) + 50 + 4;
    case 6:
    case 33:
        return ctl + 4 * 88 + 4 + (m >= 11 ? 3 * 4 : 0);
    case 7:
    case 9:
    case 26:
    case 28:
    case 30:
    case 40:
        return ctl + 72;
    case 8:
        return ctl + 88 + 4 + 16 + 4;
    case 10:
        return ctl + 88 + 4 + 4 + 4;
    case 12:
        return ctl + 4 * (72 + 72 + 88 + 88) + 72 + 5 * 4 + (m >= 12 ? 4 * 320 : 0);
    case 13:
        return ctl + 88 + 4 + 4 * 4 + 88 + (m >= 9 ? 4 + 88 : 0);
    case 14:
        return ctl + 4 + 16 + 51;
    case 15:
        return ctl + 88 + 72;
    case 16:
        return ctl + 4 * (88 + 16 + 16) + 88 + (m >= 9 ? 4 : 0);
    case 17:
        return object + frame + 3 * 16 + 4 + 4 + 88 + 88 + 72 + (m >= 3 ? 72 : 0);
    case 18:
        return object + 4 + 4;
    case 19:
        return object;
    case 20:
        return menuBar;
    case 22: // frame image: the element section alone
        return object + element;
    case 23:
        return ctl + 5 * 88;
    case 24:
        return ctl;
    case 25:
        return object + 3 * 51 + 4 + (m >= 4 ? 2 * 51 : 0);
    case 27:
        return ctl + 4 * 144 + (m >= 13 ? 4 * 144 : 0);
    case 29:
        return ctl + 72 + (m >= 12 ? 88 + 88 + 4 + 4 + 16 + 16 : 0);
    case 31:
        return ctl + 3 * 88 + 72 + 16 + 72 + 16 + 4;
    case 35:
        return ctl + 6 * 88 + 4 * 4;
    case 36:
        return ctl + 88 + 16;
    case 37:
        return ctl + 16 + 88;
    case 38:
        return object + element + 4 + 4 * 4 + 4 + 4 + 64 + 16 + 51 + 4 + 4;
    case 39:
        return object + 4 * 4 + 72;
    case 42:
        return object + frame + 4 + 4 + 4 + 4;
    case 100:
        return ctl + 51 + 4;
    default:
        return 0;
    }
}

TEST(ObjectRecord, TypeCodeSetsHoldExactlyTheirCodes) {
    // Every four bytes of a damaged body are tested as a code: anything
    // outside the lists, negative or huge, is neither kind.
    const std::set<int> child = {3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 22, 23,
                                 24, 25, 26, 27, 28, 29, 30, 31, 33, 35, 36, 37, 38, 40, 42, 100};
    const std::set<int> topLevel = {1,  2,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 23,
                                    24, 25, 26, 27, 28, 29, 30, 31, 33, 35, 36, 37, 38, 39, 40, 42, 100};
    std::vector<int> codes = {INT32_MIN, INT32_MIN + 1, -101, INT32_MAX, 0x10000 + 4, 0x7FFFFF64};
    for (int code = -2; code <= 300; ++code) codes.push_back(code);
    for (const int code : codes) {
        EXPECT_EQ(IsChildTypeCode(code), child.count(code) == 1) << code;
        EXPECT_EQ(IsTopLevelTypeCode(code), topLevel.count(code) == 1) << code;
    }
}

TEST(ObjectRecord, RecordSizesFollowTheStoredLayouts) {
    for (const int minor : {0, 2, 3, 8, 9, 11, 12, 13}) {
        for (const int code : AllTypeCodes()) {
            const size_t expected = ExpectedRecordSize(code, minor);
            ASSERT_NE(expected, 0u) << "no size written down for type " << code;
            const auto object = CreateSkinObject(code);
            const auto bytes = SaveObject(*object, minor);
            EXPECT_EQ(bytes.size(), 4 + expected) << "type " << code << " version 1." << minor;
            size_t left = 99;
            LoadObject(bytes, minor, &left);
            EXPECT_EQ(left, 0u) << "type " << code << " version 1." << minor;
        }
    }
}

TEST(ObjectRecord, NewerMinorVersionsUseTheNewestLayout) {
    std::mt19937 rng(7);
    for (const int code : AllTypeCodes()) {
        auto o = CreateSkinObject(code);
        FillObject(*o, rng);
        EXPECT_EQ(SaveObject(*o, 13), SaveObject(*o, 200)) << code;
    }
}

TEST(ObjectRecord, FrameWindowOfVersion5EndsAfterTheMenuBar) {
    FrameWindowObject f;
    f.skinClient = 5;
    f.mdiClient.SetName("mdi");
    f.mdiClient.source = SkinRect{0, 0, 4, 4};
    auto bytes = SaveObject(f, 5);
    auto loaded = LoadObject(bytes, 5);
    auto* g = static_cast<FrameWindowObject*>(loaded.get());
    EXPECT_EQ(g->skinClient, 0u);
    EXPECT_TRUE(g->mdiClient.IsEmpty());
}

TEST(ObjectRecord, PushButtonOfVersion6HasItsFontAfterTheStates) {
    PushButtonObject b;
    b.controlId = 77;
    b.font.color = 0x00123456;
    b.autoPlaceRect = SkinRect{5, 5, 9, 9};
    const auto bytes = SaveObject(b, 6);
    // code + SkinObject section (no rectangle before 1.8) + 6 x 120 + 50 + 4 + font 64 + 4 + 4
    EXPECT_EQ(bytes.size(), 4u + 51 + 12 + 51 + 4 + 4 + 720 + 50 + 4 + 64 + 4 + 4);
    auto loaded = LoadObject(bytes, 6);
    auto* p = static_cast<PushButtonObject*>(loaded.get());
    EXPECT_EQ(p->controlId, 0u);
    EXPECT_EQ(p->font.color, 0x00123456u);
    EXPECT_EQ(p->autoPlaceRect.right, 60);
    EXPECT_EQ(p->autoPlaceRect.bottom, 30);
    // Before 1.9 the text effects follow the font colour.
    EXPECT_EQ(p->states[PushButtonObject::Pressed].effect.TextColor(), 0x00123456u);
}

TEST(ObjectRecord, ControlOfVersion7DropsItsOldRectangle) {
    StaticObject s;
    s.controlId = 9;
    s.autoPlaceRect = SkinRect{1, 2, 3, 4};
    auto loaded = LoadObject(SaveObject(s, 7), 7);
    EXPECT_EQ(loaded->autoPlaceRect.left, 0);
    EXPECT_EQ(loaded->autoPlaceRect.right, 60);
    EXPECT_EQ(loaded->autoPlaceRect.bottom, 30);
    EXPECT_EQ(static_cast<ControlObject*>(loaded.get())->controlId, 9u);
}

TEST(ObjectRecord, CheckBoxOfVersion8GetsDefaultEffectsAndIsOpaque) {
    CheckBoxObject c(5);
    c.transparent = 1;
    c.states[0].effect.SetTextColor(0x00ABCDEF);
    c.states[0].effect.flags = 1;
    auto loaded = LoadObject(SaveObject(c, 8), 8);
    auto* d = static_cast<CheckBoxObject*>(loaded.get());
    EXPECT_EQ(d->transparent, 0u);
    EXPECT_EQ(d->states[0].effect, TextEffect::Default());
}

TEST(ObjectRecord, ComboBoxOfVersion10MovesItsColoursToTheDisabledOnes) {
    ComboBoxObject c(6);
    c.color1 = 0x00111111;
    c.color2 = 0x00222222;
    auto loaded = LoadObject(SaveObject(c, 10), 10);
    auto* d = static_cast<ComboBoxObject*>(loaded.get());
    EXPECT_EQ(d->disabledBackground, 0x00111111u);
    EXPECT_EQ(d->disabledText, 0x00222222u);
    EXPECT_EQ(d->color1, SysColor(SysColorIndex::Window));
    EXPECT_EQ(d->color2, SysColor(SysColorIndex::WindowText));
    // Before 1.9 the stored colours are replaced by the button colours first.
    loaded = LoadObject(SaveObject(c, 8), 8);
    d = static_cast<ComboBoxObject*>(loaded.get());
    EXPECT_EQ(d->disabledBackground, SysColor(SysColorIndex::ButtonFace));
    EXPECT_EQ(d->disabledText, SysColor(SysColorIndex::ButtonText));
}

TEST(ObjectRecord, TooltipTextLengthIsNotTrustedPastTheData) {
    TooltipObject t;
    t.text = "hello";
    auto bytes = SaveObject(t, 13);
    // Claim a longer text than the record holds.
    bytes[bytes.size() - 9] = 0xFF;
    bytes[bytes.size() - 8] = 0xFF;
    auto loaded = LoadObject(bytes, 13);
    EXPECT_EQ(static_cast<TooltipObject*>(loaded.get())->text, "hello");
}

TEST(ObjectRecord, TruncatedRecordsKeepTheirDefaults) {
    std::mt19937 rng(99);
    for (const int code : AllTypeCodes()) {
        auto o = CreateSkinObject(code);
        FillObject(*o, rng);
        const auto bytes = SaveObject(*o, 13);
        for (size_t cut = 4; cut < bytes.size(); cut += 1 + cut / 8) {
            std::vector<uint8_t> part(bytes.begin(), bytes.begin() + static_cast<long>(cut));
            size_t left = 1;
            auto loaded = LoadObject(part, 13, &left);
            EXPECT_EQ(left, 0u);
        }
    }
}

} // namespace

namespace {

// Record sizes worked out by hand from the stored layouts, with no children:
// type code 4 + common section 142 at 1.13 (122 at 1.0); control section 164
// (152); frame-element section 135; window-frame section 1716.
} // namespace
