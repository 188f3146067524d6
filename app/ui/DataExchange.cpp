#include "ui/DataExchange.h"

#include "ui/Dialog.h"

namespace ui {

void DataExchange::Text(int id, std::wstring& member) {
    if (save_) {
        member = dialog_.ItemText(id);
    } else {
        dialog_.SetItemText(id, member);
    }
}

void DataExchange::ComboIndex(int id, int& member) {
    if (save_)
        member = static_cast<int>(SendMessageW(dialog_.Item(id), CB_GETCURSEL, 0, 0));
    else
        SendMessageW(dialog_.Item(id), CB_SETCURSEL, static_cast<WPARAM>(member), 0);
}

} // namespace ui
