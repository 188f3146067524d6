// Children by type code and control id: first in name order, direct only.

#include "ChildLookup.h"
#include "ControlObject.h"
#include "SkinTestUtil.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<SkinObject> Child(int code, const char* name, uint32_t id) {
    auto o = CreateSkinObject(code);
    o->SetName(name);
    if (auto* control = dynamic_cast<ControlObject*>(o.get())) control->controlId = id;
    return o;
}

// A frame whose children are added out of name order.
std::unique_ptr<SkinObject> Parent() {
    auto frame = CreateSkinObject(1);
    frame->AddChild(Child(7, "E", 5)); // same type and id as "A", later by name
    frame->AddChild(Child(7, "B", 6));
    frame->AddChild(Child(7, "A", 5));
    frame->AddChild(Child(3, "D", 0)); // caption button: no control id at all
    frame->AddChild(Child(14, "F", 0xFFFFFFFF));
    auto statics = Child(14, "C", 5);
    statics->AddChild(Child(14, "G", 9)); // grandchild: out of reach
    frame->AddChild(std::move(statics));
    return frame;
}

const char* NameOf(const SkinObject* o) {
    return o ? o->name : "none";
}

TEST(ChildLookup, ControlByTypeAndId) {
    const auto parent = Parent();
    const SkinObject& frame = *parent;
    const struct {
        int code;
        int id;
        const char* expected;
    } cases[] = {
        {7, 5, "A"},    {7, 6, "B"},    {14, 5, "C"},      {14, -1, "F"},  {14, 9, "none"},
        {7, 7, "none"}, {3, 0, "none"}, {3, 1000, "none"}, {4, 5, "none"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(NameOf(FindChildControl(frame, c.code, c.id)), c.expected) << c.code << "/" << c.id;
}

TEST(ChildLookup, FirstChildOfAType) {
    const auto parent = Parent();
    const SkinObject& frame = *parent;
    const std::pair<int, const char*> cases[] = {{7, "A"}, {14, "C"}, {3, "D"}, {4, "none"}};
    for (const auto& [code, expected] : cases)
        EXPECT_STREQ(NameOf(FindChildByType(frame, code)), expected) << code;
    EXPECT_EQ(FindChildByType(*FindChildByType(frame, 7), 7), nullptr); // no children
}

} // namespace
