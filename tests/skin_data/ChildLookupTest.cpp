// Children by type code and control id: first in name order, direct only.

#include "ChildLookup.h"
#include "ControlObject.h"
#include "SkinTestUtil.h"

#include <gtest/gtest.h>

namespace {

TEST(ChildLookup, FirstDirectChildByTypeAndControlId) {
    auto frame = CreateSkinObject(1);
    // name, type code, control id; added out of name order.
    const std::tuple<const char*, int, uint32_t> children[] = {
        {"E", 7, 5}, {"B", 7, 6}, {"A", 7, 5}, {"D", 3, 0}, {"F", 14, 0xFFFFFFFF}, {"C", 14, 5}};
    for (const auto& [name, code, id] : children) {
        auto o = CreateSkinObject(code);
        o->SetName(name);
        if (auto* control = dynamic_cast<ControlObject*>(o.get())) control->controlId = id;
        if (code == 14 && id == 5) o->AddChild(CreateSkinObject(14)); // grandchild with id 0
        frame->AddChild(std::move(o));
    }
    const struct {
        int code, id;
        const char *control, *byType;
    } cases[] = {
        {7, 5, "A", "A"},   {7, 6, "B", "A"},  {14, 5, "C", "C"},
        {14, -1, "F", "C"}, {14, 0, "-", "C"}, {3, 0, "-", "D"}, // caption buttons have no control id
        {7, 7, "-", "A"},   {4, 0, "-", "-"},
    };
    auto name = [](const SkinObject* o) { return std::string(o ? o->name : "-"); };
    for (const auto& c : cases) {
        EXPECT_EQ(name(FindChildControl(*frame, c.code, c.id)), c.control) << c.code << "/" << c.id;
        EXPECT_EQ(name(FindChildByType(*frame, c.code)), c.byType) << c.code;
    }
}

} // namespace
