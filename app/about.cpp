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

void tavview::ShowAbout()
{
    BAlert* alert = new BAlert(
        "Tavrin 1.0", nullptr, "Yep ..", nullptr, nullptr, B_WIDTH_AS_USUAL, B_INFO_ALERT);
    BTextView* text = alert->TextView();
    text->Insert("Tavrin 1.0\n");
    for (const char* line : kNoticeLines)
        text->Insert(line);
    alert->ResizeTo(310, 150);
    alert->Go(); // the alert deletes itself when it closes
}
