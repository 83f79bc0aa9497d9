#pragma once

#include <memory>

#include "SupportDefs.h"

class BTextView;

enum button_width {
    B_WIDTH_AS_USUAL = 0,
};

enum alert_type {
    B_INFO_ALERT = 1,
};

// A modal dialog with an icon, a text and up to three buttons. Go() shows it,
// waits until a button is pressed, deletes the alert and returns the button's
// index. While it waits, other windows still repaint but take no input.
class BAlert {
public:
    BAlert(const char* title, const char* text, const char* button0, const char* button1 = nullptr,
        const char* button2 = nullptr, button_width width = B_WIDTH_AS_USUAL,
        alert_type type = B_INFO_ALERT);
    ~BAlert();

    BTextView* TextView() const;
    void ResizeTo(float width, float height);
    int32 Go();

private:
    struct Data;
    std::unique_ptr<Data> fData;
};
