#pragma once

#include <memory>
#include <vector>

#include "SupportDefs.h"

class BMenuItem;
class BMenuBar;
class QMenu;

enum menu_layout {
    B_ITEMS_IN_ROW = 0,
    B_ITEMS_IN_COLUMN = 1,
};

// A pull-down menu of items in the order added. A disabled menu does not
// open, and its items' shortcuts do nothing.
class BMenu {
public:
    BMenu(const char* name, menu_layout layout = B_ITEMS_IN_COLUMN);
    virtual ~BMenu();

    bool AddItem(BMenuItem* item);
    bool AddSeparatorItem();
    void SetEnabled(bool enabled);

private:
    friend class BMenuBar;
    friend class BMenuItem;
    QMenu* Menu() const { return fMenu.get(); }

    std::unique_ptr<QMenu> fMenu;
    std::vector<std::unique_ptr<BMenuItem>> fItems;
    BMenuBar* fBar = nullptr;
    bool fEnabled = true;
};
