// Combo boxes (kind 6): frame, fill, the selection's text and the drop
// button drawn from the skin; the control keeps its list, keyboard and
// notifications. Simple and owner-draw-variable combos stay unskinned;
// owner-draw-fixed ones keep the content their owner draws.
#pragma once

#include "ControlRules.h"
#include "SkinControl.h"

class ComboBoxObject;

class SkinComboBox : public SkinControl {
public:
    SkinComboBox() : SkinControl(kKindComboBox) {}
    ~SkinComboBox() override;

    bool Attach(HWND hwnd) override;
    void Detach() override;
    SkinObject* SetObject(SkinObject* object) override;
    void PaintWhole(HDC dc) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    ComboButtonState ButtonState() const { return state_; }

private:
    const ComboBoxObject* Combo() const;
    ComboLayout Layout() const;
    bool HasFocus() const;
    HBRUSH BackBrush();
    HBRUSH DisabledBrush();
    void ReleaseBrushes();
    void SetButtonState(ComboButtonState state);
    // Invalidates and repaints at once: after the control changed what it
    // shows (and may have drawn over the skin itself).
    void Refresh();
    void PaintFrameAndButton(HDC dc, const RECT& client, const ComboLayout& layout,
                             const ComboBoxObject& combo);
    void PaintSelection(HDC dc, const ComboLayout& layout, const ComboBoxObject& combo);
    // Answers WM_CTLCOLOREDIT and WM_CTLCOLORSTATIC of the combo's edit.
    LRESULT EditColour(UINT message, WPARAM wParam, LPARAM lParam);

    ComboButtonState state_ = ComboButtonState::kNormal;
    bool ownerContent_ = false;
    bool addedClipChildren_ = false;
    HBRUSH backBrush_ = nullptr;
    HBRUSH disabledBrush_ = nullptr;
};
