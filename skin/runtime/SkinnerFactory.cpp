#include "SkinnerFactory.h"

#include "FrameElement.h"
#include "SkinComboBox.h"
#include "SkinEdit.h"
#include "SkinProgress.h"
#include "SkinStatic.h"
#include "SkinWnd.h"

namespace {
ControlSkinnerFactory& TestFactory() {
    static ControlSkinnerFactory factory;
    return factory;
}
} // namespace

void SetControlSkinnerFactoryForTesting(ControlSkinnerFactory factory) {
    TestFactory() = std::move(factory);
}

std::unique_ptr<SkinWnd> CreateControlSkinner(ControlKind kind) {
    if (TestFactory()) return TestFactory()(kind);
    switch (kind) {
    // Kinds get their skinner classes family by family; a kind without one
    // keeps the platform's look inside a skinned frame.
    case kKindComboBox:
        return std::make_unique<SkinComboBox>();
    case kKindEdit:
    case kKindRichEdit:
        return std::make_unique<SkinEdit>(kind);
    case kKindProgress:
        return std::make_unique<SkinProgress>();
    case kKindStatic:
        return std::make_unique<SkinStatic>();
    default:
        return nullptr;
    }
}

std::unique_ptr<FrameElement> CreateFrameElement(SkinWnd&, SkinObject&) {
    return nullptr;
}
