#include "SkinnerFactory.h"

#include "FrameElement.h"
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
    // Control skinners are added kind by kind; until then controls keep the
    // platform's look inside a skinned frame.
    return nullptr;
}

std::unique_ptr<FrameElement> CreateFrameElement(SkinWnd&, SkinObject&) {
    return nullptr;
}
