#include "tavappl.h"

#include "commands.h"
#include "layout.h"
#include "tavwindow.h"

tavappl::tavappl()
    : BApplication(kAppSignature)
{
    mainWindow = new tavwindow(kWindowFrame);
    mainWindow->Show();
}

tavappl::~tavappl() = default;
