// The application of the view's tests: the game's, without the window,
// which the tests make themselves.

#include <Application.h>

#include <memory>

#include "about.h"
#include "commands.h"
#include "gui_support.h"

namespace {

class GameApplication : public BApplication {
public:
    GameApplication()
        : BApplication(kAppSignature, kDesktopId, kCatalogName)
    {
    }
    void AboutRequested() override { ShowAboutBox(); }
};

} // namespace

const char* const kTestDesktopId = kDesktopId;

std::unique_ptr<BApplication> MakeTestApplication()
{
    return std::make_unique<GameApplication>();
}
