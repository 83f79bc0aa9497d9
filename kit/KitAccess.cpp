#include "KitAccess.h"

#include "Menu.h"
#include "MenuItem.h"
#include "View.h"
#include "ViewData.h"
#include "Window.h"

QWidget* KitAccess::WidgetOf(const BView* view)
{
    return view->Widget();
}

QWidget* KitAccess::WidgetOf(const BWindow* window)
{
    return window->Widget();
}

QMenu* KitAccess::MenuOf(const BMenu* menu)
{
    return menu->Menu();
}

QAction* KitAccess::ActionOf(const BMenuItem* item)
{
    return item->fAction.get();
}

QImage KitAccess::BackingImage(BView* view)
{
    return view->fData->Canvas();
}
