#include "Menu.h"

#include <QAction>
#include <QMenu>

#include "MenuItem.h"

BMenu::BMenu(const char* name, menu_layout)
    : fMenu(new QMenu(QString::fromUtf8(name)))
{
}

BMenu::~BMenu()
{
    // The items' actions must leave before the menu that shows them.
    fItems.clear();
}

bool BMenu::AddItem(BMenuItem* item)
{
    fItems.emplace_back(item);
    item->fMenu = this;
    item->fAction->setEnabled(fEnabled);
    fMenu->addAction(item->fAction.get());
    return true;
}

bool BMenu::AddSeparatorItem()
{
    fMenu->addSeparator();
    return true;
}

void BMenu::SetEnabled(bool enabled)
{
    fEnabled = enabled;
    fMenu->setEnabled(enabled);
    fMenu->menuAction()->setEnabled(enabled);
    for (const auto& item : fItems)
        item->fAction->setEnabled(enabled);
}
