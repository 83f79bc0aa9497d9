#include "tavappl.h"

#include "about.h"
#include "commands.h"
#include "tavwindow.h"

tavappl::tavappl()
    : BApplication(kAppSignature, kDesktopId, kCatalogName)
{
    mainWindow = new tavwindow(kWindowFrame);
    mainWindow->Show();
}

tavappl::~tavappl() = default;

void tavappl::AboutRequested()
{
    ShowAboutBox();
}
