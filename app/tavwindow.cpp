#include "tavwindow.h"

#include <AppDefs.h>
#include <Application.h>
#include <Catalog.h>
#include <MenuBar.h>
#include <MenuItem.h>
#include <Message.h>

#include "colors.h"
#include "commands.h"
#include "tavview.h"

tavwindow::tavwindow(BRect frame)
    : BWindow(frame, "Tavrin", B_TITLED_WINDOW, B_NOT_RESIZABLE, B_CURRENT_WORKSPACE)
{
    Lock();
    frame.OffsetTo(B_ORIGIN);
    boardView = new tavview(frame, "myView");
    AddChild(boardView, nullptr);
    BuildMenuBar(kMenuBarFrame);
    boardView->AddChild(menuBar, nullptr);
    boardView->SetViewColor(ToRgb(kViewColor));
    // Keys play on the board from the start.
    boardView->MakeFocus(true);
    Unlock();
}

tavwindow::~tavwindow() = default;

void tavwindow::AddMenuItem(BMenu* menu, const char* label, char shortcut, uint32 code)
{
    BMessage* message = new BMessage(code);
    menu->AddItem(new BMenuItem(label, message, shortcut, 0));
}

void tavwindow::BuildMenuBar(BRect frame)
{
    menuBar = new BMenuBar(frame, "menubar", B_FOLLOW_ALL_SIDES, B_ITEMS_IN_ROW, false);
    // TRANSLATORS: Alt with the first letter opens a menu; where your script
    // has no such letters, name one after an ampersand, as in "ファイル(&F)".
    BMenu* fileMenu = new BMenu(B_TRANSLATE("File"), B_ITEMS_IN_COLUMN);
    BMenu* editMenu = new BMenu(B_TRANSLATE("Edit"), B_ITEMS_IN_COLUMN);
    editMenu->SetEnabled(false);

    AddMenuItem(fileMenu, B_TRANSLATE("About ..."), 'A', kMsgAbout);
    AddMenuItem(fileMenu, B_TRANSLATE("New Game"), 'N', kMsgNewGame);
    fileMenu->AddSeparatorItem();
    AddMenuItem(fileMenu, B_TRANSLATE("Exit"), 'Q', kMsgQuit);

    AddMenuItem(editMenu, B_TRANSLATE("Copy"), 'C', kMsgPlaceholder);
    AddMenuItem(editMenu, B_TRANSLATE("Cut"), 'X', kMsgPlaceholder);
    editMenu->AddSeparatorItem();
    AddMenuItem(editMenu, B_TRANSLATE("Paste"), 'V', kMsgPlaceholder);

    menuBar->AddItem(fileMenu);
    menuBar->AddItem(editMenu);
}

void tavwindow::MessageReceived(BMessage* message)
{
    Lock();
    switch (message->what) {
    case kMsgQuit:
        // The application's quitting closes this window.
        be_app->PostMessage(B_QUIT_REQUESTED);
        break;
    case kMsgNewGame:
        boardView->NewGame();
        boardView->Draw(BRect(0, 0, -1, -1));
        boardView->TellNewGame();
        break;
    case kMsgAbout:
        boardView->ShowAbout();
        break;
    default:
        // The Edit items' placeholder and unknown codes do nothing.
        break;
    }
    Unlock();
}

// Closing the window ends the program.
bool tavwindow::QuitRequested()
{
    be_app->PostMessage(B_QUIT_REQUESTED);
    return true;
}
