// A button on the caption: close, maximize/restore, minimize, system menu,
// window icon or an application command. Shows normal, hover, pressed and
// disabled pictures; a 100 ms poll notices the pointer leaving it when no
// mouse message says so.
#pragma once

#include "CaptionButtonModel.h"
#include "FrameElement.h"
#include "ResolvedImage.h"

class CaptionButtonObject;

class CaptionButton : public FrameElement {
public:
    explicit CaptionButton(SkinWnd& owner);
    ~CaptionButton() override;

    void Draw(HDC dc) override;
    void SetObject(SkinObject* object) override;
    bool OnMouse(UINT clientMessage, int x, int y) override;
    bool OnTimer(UINT_PTR id) override;
    int HitCode() const override;
    int ButtonKind() const override;
    // The hover poll saw the pointer leave.
    void OnMouseLeft();

private:
    enum Picture {
        kNormalPicture,
        kHoverPicture,
        kPressedPicture,
        kDisabledPicture,
        kPictureCount
    };

    void StartHoverPoll();
    void StopHoverPoll();
    void Act(ButtonAction action, int x, int y);
    void DrawWindowIcon(HDC dc) const;
    Picture PictureForState() const;

    const CaptionButtonObject* button_ = nullptr;
    CaptionButtonModel model_{kButtonCommand, false};
    ResolvedImage pictures_[kPictureCount];
    int drawModes_[kPictureCount] = {};
    const UINT_PTR timerId_;
    bool polling_ = false;
};
