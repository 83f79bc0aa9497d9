// The about box, a member of the board view.

#include <Alert.h>
#include <TextView.h>

#include "tavview.h"

namespace {

const char* const kNoticeLines[] = {
    "Lay the same 19 tiles as the computer\n",
    "and score straight lines of one number.\n",
};

} // namespace

// About requests queued while the game was busy reach the window while the
// box is open; one box is enough.
void tavview::ShowAbout()
{
    static bool showing = false;
    if (showing)
        return;
    showing = true;
    BAlert* alert = new BAlert(
        "Tavrin 1.0", nullptr, "Yep ..", nullptr, nullptr, B_WIDTH_AS_USUAL, B_INFO_ALERT);
    BTextView* text = alert->TextView();
    text->Insert("Tavrin 1.0\n");
    for (const char* line : kNoticeLines)
        text->Insert(line);
    alert->ResizeTo(310, 150);
    alert->Go(); // the alert deletes itself when it closes
    showing = false;
}
