// Progress of a media import: the current file, files done of total and
// bytes copied, files verified, already imported and failed, and the
// manifest's name. Modeless, so the copy loop keeps it painted through Pump().
#pragma once

#include "Resource.h"
#include "ui/Dialog.h"

#include <string>

class ImportProgressDialog : public ui::Dialog {
public:
    ImportProgressDialog(unsigned totalFiles, unsigned long long totalBytes)
        : ui::Dialog(IDD_IMPORT_PROGRESS), totalFiles_(totalFiles), totalBytes_(totalBytes) {}
    ~ImportProgressDialog() override { Close(); }

    // Shows the window and keeps the owner from taking input meanwhile.
    void Show(HWND owner);
    void Close();
    void SetCurrentFile(const std::wstring& path, unsigned filesDone);
    void SetBytesDone(unsigned long long bytes);
    void SetOutcome(unsigned verified, unsigned alreadyImported, unsigned failed);
    void SetManifest(const std::wstring& name);
    // Handles the messages waiting for this thread's windows.
    void Pump();

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override {} // the import runs to its end

private:
    unsigned totalFiles_;
    unsigned long long totalBytes_;
    unsigned long long lastBytes_ = ~0ull;
    HWND disabledOwner_ = nullptr;
};
