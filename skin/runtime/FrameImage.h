// A plain picture on the frame, placed by its anchor. It takes no mouse and
// leaves hit testing to what lies below it.
#pragma once

#include "FrameElement.h"
#include "ResolvedImage.h"

class FrameImage : public FrameElement {
public:
    using FrameElement::FrameElement;

    void Draw(HDC dc) override;
    void SetObject(SkinObject* object) override;

private:
    ResolvedImage picture_;
};
