// Edits and rich edits (kinds 7 and 30): a scroll host whose colours reach
// the control through its parent's control-colour answers; a rich edit,
// which asks no parent, is given its back colour directly.
#pragma once

#include "SkinScrollHost.h"

class SkinEdit : public SkinScrollHost {
public:
    explicit SkinEdit(ControlKind kind = kKindEdit) : SkinScrollHost(kind) {}

    bool Attach(HWND hwnd) override;
    void Detach() override;
    SkinObject* SetObject(SkinObject* object) override;

private:
    void PushRichEditBackground();
};
