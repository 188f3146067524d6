// Property registration and lookup.

#include "BarObjects.h"
#include "ButtonObjects.h"
#include "EditObjects.h"
#include "MiscControlObjects.h"
#include "SkinTestUtil.h"

#include <gtest/gtest.h>

namespace {

TEST(Property, LookupIsUpperCasedAndExact) {
    EditObject edit(7);
    const PropertyEntry* e = edit.FindProperty("backColor");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->type, PropColor);
    EXPECT_EQ(e->value, &edit.color1);
    // DISABLEDCOLOR and BACKCOLOR name the same value.
    EXPECT_EQ(edit.FindProperty("DISABLEDCOLOR")->value, e->value);
    EXPECT_EQ(edit.FindProperty("BORDER")->value, &edit.mainImage);
    EXPECT_EQ(edit.FindProperty("NO.SUCH.KEY"), nullptr);
    EXPECT_EQ(edit.FindProperty(std::string(200, 'A')), nullptr);
}

TEST(Property, KeysKeepTheirOddCapitals) {
    FrameWindowObject f;
    bool found = false;
    for (const PropertyEntry& e : f.Properties()) found = found || e.key == "ACTIVEFRAME.ClIENT";
    EXPECT_TRUE(found);
    // Lookup upper-cases the request, so a key with small letters is never
    // found by name; drawing code reads such values directly.
    EXPECT_EQ(f.FindProperty("ACTIVEFRAME.ClIENT"), nullptr);
    EXPECT_NE(f.FindProperty("activeframe.topleft"), nullptr);
    TabControlObject t;
    EXPECT_EQ(t.Properties()[5].key, "TRANSpARENT");
}

TEST(Property, KeysLongerThanTheCutAreFoundByTheirFullSpelling) {
    // The entry's key is cut to 30 characters; the lookup goes by the key
    // as registered.
    struct Case {
        const char* key;
        CheckBoxObject::State state;
    };
    const Case cases[] = {
        {"HIGHLIGHTEDNORMAL.BACKGROUNDIMAGE", CheckBoxObject::HighlightedNormal},
        {"HighlightedSelected.BackgroundImage", CheckBoxObject::HighlightedSelected},
    };
    for (const int code : {5, 11}) {
        CheckBoxObject box(code);
        for (const Case& c : cases) {
            const PropertyEntry* e = box.FindProperty(c.key);
            ASSERT_NE(e, nullptr) << code << " " << c.key;
            EXPECT_EQ(e->value, &box.states[c.state].background) << code << " " << c.key;
        }
    }
}

TEST(Property, StatusBarItemFontIsTheFont) {
    StatusBarObject s;
    EXPECT_EQ(s.FindProperty("ITEM.FONT")->value, s.FindProperty("FONT")->value);
}

TEST(Property, CustomObjectFindsKeysInAnyCase) {
    CustomObject c;
    std::mt19937 rng(1);
    FillObject(c, rng);
    const PropertyEntry* e = c.FindProperty("speed.VALUE");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->size, 4);
    EXPECT_TRUE(e->ownsValue);
    EXPECT_EQ(e->defaultText, "7");
    EXPECT_NE(c.FindProperty("controlid"), nullptr);
    EXPECT_EQ(c.FindProperty("speed"), nullptr);
}

TEST(Property, EveryClassRegistersNameAndAutoplaceFirst) {
    for (const int code : AllTypeCodes()) {
        auto o = CreateSkinObject(code);
        ASSERT_GE(o->Properties().size(), 2u);
        EXPECT_EQ(o->Properties()[0].key, "NAME");
        EXPECT_EQ(o->Properties()[1].key, "AUTOPLACE");
        EXPECT_EQ(o->TypeCode(), code);
        EXPECT_EQ(o->TransparentColor(), 0x00FF00FFu);
        for (const PropertyEntry& e : o->Properties()) {
            EXPECT_LE(e.key.size(), 30u);
            EXPECT_FALSE(e.ownsValue);
        }
    }
}

TEST(Property, RegisteredKeyCountsPerType) {
    // NAME, AUTOPLACE (+ CONTROLID, FONT, AUTOSKINFONT for controls) + own keys.
    const std::pair<int, size_t> expected[] = {
        {1, 2 + 23},  {4, 5 + 12},  {5, 5 + 22}, {6, 5 + 10}, {7, 5 + 4},   {8, 5 + 5},   {10, 5 + 5},
        {12, 5 + 33}, {13, 5 + 5},  {14, 5 + 4}, {15, 5 + 3}, {16, 5 + 11}, {17, 2 + 17}, {25, 2 + 6},
        {27, 5 + 16}, {29, 5 + 10}, {36, 5 + 2}, {37, 5 + 3}, {40, 5 + 2},  {42, 2}};
    for (const auto& [code, count] : expected)
        EXPECT_EQ(CreateSkinObject(code)->Properties().size(), count) << code;
}

TEST(Property, Defaults) {
    const auto info = CreateSkinObject(25);
    EXPECT_STREQ(static_cast<const char*>(info->FindProperty("AUTHOR")->value), "Quarvelin Builder");
    EXPECT_EQ(info->color3, 0x00FF00FFu);
    const auto anim = CreateSkinObject(40);
    EXPECT_STREQ(anim->name, "AnimateCtrl32");
    const auto button = CreateSkinObject(3);
    EXPECT_EQ(button->autoPlaceRect.right, 21);
    FrameWindowObject f;
    EXPECT_EQ(f.designRects[WindowFrameObject::BottomRight].right, 276);
    EXPECT_EQ(f.activeColor, 0x00FF0000u);
    PopupMenuObject m;
    EXPECT_EQ(m.designRects[WindowFrameObject::Client].left, 4);
    EXPECT_EQ(m.designRects[WindowFrameObject::BottomRight].bottom, 152);
    EXPECT_EQ(m.activeColor, 0x00E2B61Du);
    ControlObject* c = static_cast<ControlObject*>(CreateSkinObject(14).release());
    EXPECT_EQ(c->font.height, -12);
    EXPECT_STREQ(c->font.faceName, "MS Sans Serif");
    delete c;
}

} // namespace
