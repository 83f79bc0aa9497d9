#include "tavappl.h"

#include "commands.h"
#include "tavwindow.h"

tavappl::tavappl()
    : BApplication(kAppSignature)
{
    mainWindow = new tavwindow(BRect(100, 100, 680, 440));
    mainWindow->Show();
}

tavappl::~tavappl() = default;
