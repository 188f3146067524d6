#include "FrameImage.h"

#include "FrameElementObjects.h"
#include "ImageDraw.h"
#include "Skin.h"
#include "SkinWnd.h"
#include "WindowRegistry.h"

void FrameImage::SetObject(SkinObject* object) {
    FrameElement::SetObject(object);
    picture_.Release();
    if (object_ && !object_->image.IsEmpty()) {
        ResolveImageRef(WindowRegistry::Instance().CurrentSkin(), object_->image, picture_);
    }
}

void FrameImage::Draw(HDC dc) {
    if (!object_ || !picture_.image) return;
    DrawResolvedImage(dc, rect_, picture_, DrawMode(object_->image.drawMode), owner_.TransparentColor());
}
