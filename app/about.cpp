#include "about.h"

#include <Alert.h>
#include <Catalog.h>
#include <TextView.h>

namespace {

const char* const kTitle = "Tavrin " TAVRIN_VERSION;

const char* const kNoticeLines[] = {
    B_TRANSLATE_MARK("Lay the same 19 tiles as the computer\n"),
    B_TRANSLATE_MARK("and score straight lines of one number.\n"),
};

} // namespace

// About requests queued while the game was busy reach the window while the
// box is open; one box is enough.
void ShowAboutBox()
{
    static bool showing = false;
    if (showing)
        return;
    showing = true;
    // TRANSLATORS: The button that closes the about box, a casual "OK".
    const char* close = B_TRANSLATE("Yep ..");
    BAlert* alert
        = new BAlert(kTitle, nullptr, close, nullptr, nullptr, B_WIDTH_AS_USUAL, B_INFO_ALERT);
    BTextView* text = alert->TextView();
    text->Insert(kTitle);
    text->Insert("\n");
    for (const char* line : kNoticeLines)
        text->Insert(B_TRANSLATE(line));
    alert->ResizeTo(310, 150);
    alert->Go(); // the alert deletes itself when it closes
    showing = false;
}
