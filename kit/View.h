#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Font.h"
#include "GraphicsDefs.h"
#include "Handler.h"
#include "Rect.h"

class BWindow;
class QWidget;

// A view's resizing mode names, one hexadecimal digit a side, which edge of
// its parent each of its own follows: its top the top (1), its left the left
// (2), its bottom the bottom (3), its right the right (4).
inline constexpr uint32 B_FOLLOW_ALL_SIDES = 0x1234;
inline constexpr uint32 B_WILL_DRAW = 0x20000000;

// What a screen reader reads of the things a view shows.
enum accessible_role {
    B_ACCESSIBLE_CELL,   // a place that keys and clicks act on
    B_ACCESSIBLE_IMAGE,  // a picture of a thing, named by what it shows
    B_ACCESSIBLE_LABEL,  // a text shown for reading
    B_ACCESSIBLE_STATUS, // a text that tells what just happened
};

struct accessible_item {
    accessible_role role;
    std::string name;        // what it shows
    std::string description; // where it is, or what it is for
    BRect frame;             // in view coordinates
};

// A rectangular area of a window that draws itself and takes mouse presses.
//
// Coordinates are view pixels; an integer coordinate names the centre of a
// pixel. A view may draw at any time on the GUI thread: everything lands in a
// backing image that the screen shows, so what was drawn stays on screen. The
// image follows the window's device pixel ratio while callers keep drawing
// in view pixels. Draw() is called to make the image from scratch when the
// view is first shown and when the screen's scale changes.
class BView : public BHandler {
public:
    BView(BRect frame, const char* name, uint32 resizingMode, uint32 flags);
    ~BView() override;

    virtual void Draw(BRect updateRect);
    virtual void MouseDown(BPoint where);
    // Keys that type a character, or one of the codes of InterfaceDefs.h,
    // while the view has the keyboard focus and no shortcut took them. Tab
    // comes here too: the view moves within itself. A letter key of a layout
    // for another script comes as the Latin letter on the same key.
    virtual void KeyDown(const char* bytes, int32 numBytes);
    // Called when the view's window becomes the active one, and when it
    // stops being it.
    virtual void WindowActivated(bool active);

    void MakeFocus(bool focused = true);
    bool IsFocus() const;

    void AddChild(BView* view, BView* sibling = nullptr);
    BView* Parent() const { return fParent; }
    BWindow* Window() const;

    // Called once the view, or the view it was added to, is in a window.
    virtual void AttachedToWindow();

    // Views that show things of their own list them here for screen readers,
    // which ask whenever they read; the focused item is the one keys act on,
    // or -1. The view tells readers when an item may have changed (they hear
    // of what did, but for the focused item, whose news the view announces
    // in its own words) and when the focus moves to another item. Cells come
    // first; readers find them in a table of their own, a cell a row, and
    // read a cell by its name alone, as braille displays show it.
    virtual std::string AccessibleName() const;
    virtual int32 CountAccessibleItems() const;
    virtual accessible_item AccessibleItemAt(int32 index) const;
    virtual int32 FocusedAccessibleItem() const;
    void AccessibleItemChanged(int32 index);
    void AccessibleFocusMoved();
    // Tells screen readers a sentence, which they speak at once, whatever has
    // the focus. They keep the last one for reading again. A sentence that
    // tells of the focused item as well stands in for the news of the focus
    // that would follow, as the window opens, say.
    void Announce(const std::string& sentence, bool tellsFocus = false);
    BRect Bounds() const;

    void SetViewColor(rgb_color color);

    // Drawing state; each setting stays in force until it is set again.
    void SetHighColor(rgb_color color);
    void SetPenSize(float size);
    void SetDrawingMode(drawing_mode mode);
    void SetFontSize(float size);
    void MovePenTo(BPoint where);

    // Metrics of the view's font, the plain font, at its current size.
    void GetFontHeight(font_height* height) const;
    float StringWidth(const char* text) const;

    // Text starts at the left end of the baseline and leaves the pen after it.
    void DrawString(const char* text, BPoint where, escapement_delta* delta = nullptr);
    void DrawString(const char* text, escapement_delta* delta = nullptr);
    // Rectangles and polygons take the whole device pixels whose centres they
    // cover, so shapes that share an edge look the same whichever is painted
    // last, however often. Lines, like text, are smoothed.
    void FillRect(BRect rect, pattern p = B_SOLID_HIGH);
    void FillPolygon(const BPoint* points, int32 count, pattern p = B_SOLID_HIGH);
    void StrokePolygon(
        const BPoint* points, int32 count, bool closed = true, pattern p = B_SOLID_HIGH);
    void StrokeLine(BPoint start, BPoint end, pattern p = B_SOLID_HIGH);

protected:
    // For views that are a Qt widget of their own kind, such as the menu bar.
    BView(BRect frame, const char* name, QWidget* widget);
    QWidget* Widget() const;

private:
    friend class BWindow;
    friend class ViewWidget;
    void AttachTo(QWidget* parent, BWindow* window);
    void TellAttached();

    struct Data;
    std::unique_ptr<Data> fData;
    BRect fFrame;
    BView* fParent = nullptr;
    BWindow* fWindow = nullptr;
    std::vector<BView*> fChildren;
};
