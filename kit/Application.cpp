#include "Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cerrno>
#include <filesystem>
#include <optional>

#include "AppDefs.h"
#include "Catalog.h"
#include "FontFace.h"
#include "Message.h"
#include "StartGuard.h"
#include "Utf8Characters.h"
#include "ViewAccessible.h"
#include "Window.h"

BApplication* be_app = nullptr;

namespace {

// Catalogues lie beside a program run from where it was built, and in the
// system's place once installed.
std::vector<std::string> CatalogFolders()
{
    std::error_code failed;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failed);
    std::vector<std::string> folders;
    if (!failed)
        folders.push_back(program.parent_path().parent_path() / "locale");
    folders.push_back(KIT_LOCALEDIR);
    return folders;
}

} // namespace

struct BApplication::Data {
    explicit Data(const char* catalogName)
        : catalog(catalogName, CatalogFolders())
    {
    }

    // The language is the environment's as the program was started, before
    // the locale gets UTF-8 characters.
    BCatalog catalog;
    Utf8Characters characters;
    // Qt keeps references to these for the application's whole life. It is
    // given the program's name and nothing else to parse.
    int argc = 1;
    char* argv[2] = {program_invocation_short_name, nullptr};
    std::optional<StartGuard> guard {std::in_place};
    QApplication app {argc, argv};
    // Declared after the application, so the fonts go first.
    FontFace::Faces faces;
    // Qt's own words in the same language, such as the keys' names in the
    // menus ("Strg+N"), where the desktop has them.
    QTranslator qtWords;
};

// The four-character signature stays the application's own. Wayland takes
// the desktop id as the app id, X11 the application name as the window class.
BApplication::BApplication(uint32, const char* desktopId, const char* catalog)
    : BLooper("application")
    , fData(new Data(catalog))
{
    fData->guard->RequireScreen();
    fData->guard.reset();
    QGuiApplication::setDesktopFileName(QString::fromUtf8(desktopId));
    QCoreApplication::setApplicationName(QString::fromUtf8(desktopId));
    QGuiApplication::setQuitOnLastWindowClosed(false);
    be_catalog = &fData->catalog;
    const std::string& language = fData->catalog.Language();
    if (!language.empty()
        && fData->qtWords.load(QString::fromStdString("qtbase_" + language),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&fData->qtWords);
    // Menus and boxes run as the language is written.
    if (fData->catalog.IsRightToLeft())
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    ViewAccessible::Install();
    be_app = this;
}

BApplication::~BApplication()
{
    while (!fWindows.empty())
        delete fWindows.back();
    be_app = nullptr;
    be_catalog = nullptr;
}

void BApplication::Run()
{
    fQuitting = false;
    QApplication::exec();
    // Windows that quit are deleted from the queue; finish that before returning.
    QCoreApplication::sendPostedEvents();
}

bool BApplication::QuitRequested()
{
    const std::vector<BWindow*> windows = fWindows;
    for (BWindow* window : windows) {
        window->Lock();
        const bool agreed = window->QuitRequested();
        window->Unlock();
        if (!agreed)
            return false;
        window->Quit();
    }
    return true;
}

void BApplication::Quit()
{
    QCoreApplication::quit();
}

void BApplication::AboutRequested()
{
}

void BApplication::DispatchMessage(BMessage* message)
{
    // Windows asked to quit may ask the application again; that request is
    // already being answered.
    if (message->what == B_QUIT_REQUESTED) {
        if (fQuitting)
            return;
        fQuitting = true;
        if (QuitRequested())
            Quit();
        else
            fQuitting = false;
        return;
    }
    BLooper::DispatchMessage(message);
}

void BApplication::AddWindow(BWindow* window)
{
    fWindows.push_back(window);
}

void BApplication::RemoveWindow(BWindow* window)
{
    std::erase(fWindows, window);
}
