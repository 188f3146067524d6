// The about box: template only, closed by its OK button.
#pragma once

#include "Resource.h"
#include "ui/Dialog.h"

class AboutDialog : public ui::Dialog {
public:
    AboutDialog() : ui::Dialog(IDD_ABOUTBOX) {}
};
