#include "SkinnerFactory.h"

#include "CaptionButton.h"
#include "FrameArea.h"
#include "FrameImage.h"
#include "SkinAnimate.h"
#include "SkinCheckBox.h"
#include "SkinComboBox.h"
#include "SkinControlBar.h"
#include "SkinDateTime.h"
#include "SkinEdit.h"
#include "SkinGroupBox.h"
#include "SkinHeader.h"
#include "SkinLink.h"
#include "SkinListView.h"
#include "SkinMonthCal.h"
#include "SkinObject.h"
#include "SkinProgress.h"
#include "SkinPushButton.h"
#include "SkinRadioButton.h"
#include "SkinRebar.h"
#include "SkinScrollBar.h"
#include "SkinScrollHost.h"
#include "SkinStatic.h"
#include "SkinStatusBar.h"
#include "SkinTabControl.h"
#include "SkinToolbar.h"
#include "SkinTrackbar.h"
#include "SkinUpDown.h"
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
    case kKindPushButton:
        return std::make_unique<SkinPushButton>();
    case kKindCheckBox:
        return std::make_unique<SkinCheckBox>();
    case kKindGroupBox:
        return std::make_unique<SkinGroupBox>();
    case kKindRadio:
        return std::make_unique<SkinRadioButton>();
    case kKindComboBox:
        return std::make_unique<SkinComboBox>();
    case kKindEdit:
    case kKindRichEdit:
        return std::make_unique<SkinEdit>(kind);
    case kKindListBox:
    case kKindIpAddress:
        return std::make_unique<SkinScrollHost>(kind);
    case kKindScrollBar:
        return std::make_unique<SkinScrollBar>();
    case kKindListView:
    case kKindTreeView:
        return std::make_unique<SkinListView>(kind);
    case kKindTrackbar:
        return std::make_unique<SkinTrackbar>();
    case kKindStatusBar:
        return std::make_unique<SkinStatusBar>();
    case kKindTabControl:
        return std::make_unique<SkinTabControl>();
    case kKindUpDown:
        return std::make_unique<SkinUpDown>();
    case kKindHeader:
        return std::make_unique<SkinHeader>();
    case kKindDateTime:
        return std::make_unique<SkinDateTime>();
    case kKindMonthCalendar:
        return std::make_unique<SkinMonthCal>();
    case kKindToolbar:
        return std::make_unique<SkinToolbar>();
    case kKindControlBar:
        return std::make_unique<SkinControlBar>();
    case kKindRebar:
        return std::make_unique<SkinRebar>();
    case kKindLink:
        return std::make_unique<SkinLink>();
    case kKindProgress:
        return std::make_unique<SkinProgress>();
    case kKindStatic:
        return std::make_unique<SkinStatic>();
    case kKindAnimation:
        return std::make_unique<SkinAnimate>();
    default:
        return nullptr;
    }
}

std::unique_ptr<FrameElement> CreateFrameElement(SkinWnd& owner, SkinObject& object) {
    switch (object.TypeCode()) {
    case 3:
        return std::make_unique<CaptionButton>(owner);
    case 22:
        return std::make_unique<FrameImage>(owner);
    case 38:
        return std::make_unique<FrameArea>(owner);
    default:
        return nullptr;
    }
}
