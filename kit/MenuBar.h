#pragma once

#include "Menu.h"
#include "View.h"

// The bar of menus along the top of a window, a child view like any other.
// It fits its height to the menus' font: where that needs more room than its
// frame gives, the window grows and its other views move down by as much.
class BMenuBar : public BView {
public:
    BMenuBar(BRect frame, const char* name, uint32 resizingMode = B_FOLLOW_ALL_SIDES,
        menu_layout layout = B_ITEMS_IN_ROW, bool resizeToFit = true);
    ~BMenuBar() override;

    bool AddItem(BMenu* menu);
    void AttachedToWindow() override;

private:
    std::vector<std::unique_ptr<BMenu>> fMenus;
};
