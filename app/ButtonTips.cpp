#include "ButtonTips.h"

#include "SkinEntries.h"

void ApplyButtonTips(HWND dialog, std::span<const ButtonTip> tips) {
    for (const ButtonTip& tip : tips) {
        if (HWND button = GetDlgItem(dialog, tip.id)) SkinSetTooltipText(button, tip.text);
    }
}
