// The administrator's view of the recorder: its fields, recording options,
// clock and storage, each changed by its own button.
#pragma once

#include "ResolutionDigits.h"
#include "Resource.h"
#include "ui/Dialog.h"

#include <ctime>
#include <string>

class SettingsDialog : public ui::Dialog {
public:
    SettingsDialog() : ui::Dialog(IDD_SETTINGS) {}

protected:
    Result OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void Exchange(ui::DataExchange& dx) override;

private:
    struct TextSetter;
    void FillCombos();
    void ReadClock();
    void OnTick();
    void OnTextSetter(const TextSetter& row);
    RecordingOptions SelectedOptions() const;
    void UpdateSaveTip();
    void OnSave();
    void OnTimeSync();
    void OnWipe();
    void OnReset();
    void OnLeave();

    std::wstring adminPassword_, userPassword_, pcClock_, machine_, policeNumber_, deviceClockText_, storage_,
        userAdmin_, userUser_, police_;
    std::time_t deviceClock_ = 0;
    bool leaving_ = false;
};
