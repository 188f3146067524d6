// One step of data exchange between a dialog's controls and its members.
#pragma once

#include <string>

namespace ui {

class Dialog;

class DataExchange {
public:
    DataExchange(Dialog& dialog, bool save) : dialog_(dialog), save_(save) {}
    bool Saving() const { return save_; }

    // Edit text, exactly as shown: a text longer than its edit takes is for
    // the dialog to refuse, never to cut.
    void Text(int id, std::wstring& member);
    // Selected index of a combo box (-1: none).
    void ComboIndex(int id, int& member);

private:
    Dialog& dialog_;
    bool save_;
};

} // namespace ui
