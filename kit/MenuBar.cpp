#include "MenuBar.h"

#include <QMenu>
#include <QMenuBar>

BMenuBar::BMenuBar(BRect frame, const char* name, uint32, menu_layout, bool)
    : BView(frame, name, new QMenuBar)
{
    // Keep the bar inside the window even where the desktop offers a global menu.
    static_cast<QMenuBar*>(Widget())->setNativeMenuBar(false);
}

BMenuBar::~BMenuBar() = default;

bool BMenuBar::AddItem(BMenu* menu)
{
    fMenus.emplace_back(menu);
    menu->fBar = this;
    static_cast<QMenuBar*>(Widget())->addMenu(menu->Menu());
    return true;
}
