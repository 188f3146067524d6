// List views and tree views (kinds 28 and 29): scroll hosts whose content
// colours are pushed to the control, which paints its items itself.
#pragma once

#include "SkinScrollHost.h"

class SkinListView : public SkinScrollHost {
public:
    explicit SkinListView(ControlKind kind) : SkinScrollHost(kind) {}

    bool Attach(HWND hwnd) override;
    void Detach() override;
    SkinObject* SetObject(SkinObject* object) override;

private:
    void PushColours(bool skin);
};
