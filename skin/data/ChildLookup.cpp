#include "ChildLookup.h"

#include <cstdint>

#include "ControlObject.h"

SkinObject* FindChildByType(const SkinObject& parent, int typeCode) {
    for (const auto& [name, child] : parent.Children()) {
        if (child->TypeCode() == typeCode) return child.get();
    }
    return nullptr;
}

SkinObject* FindChildControl(const SkinObject& parent, int typeCode, int controlId) {
    for (const auto& [name, child] : parent.Children()) {
        if (child->TypeCode() != typeCode) continue;
        const auto* control = dynamic_cast<const ControlObject*>(child.get());
        if (control && control->controlId == static_cast<uint32_t>(controlId)) return child.get();
    }
    return nullptr;
}
