// Entry of the test programs that need the kit: one application object (the
// kit's tests' own, or the game's) on Qt's offscreen platform, optionally at another scale
// (--scale=1.25, say), and a watch on every warning Qt prints.

#include <gtest/gtest.h>

#include <QtGlobal>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>

#include <Application.h>

#include "gui_support.h"

namespace {

int gWarnings = 0;
double gScale = 1;

void CountMessages(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type != QtDebugMsg && type != QtInfoMsg) {
        gWarnings++;
        fprintf(stderr, "Qt: %s\n", qPrintable(text));
    }
}

} // namespace

int QtWarningCount()
{
    return gWarnings;
}

double RequestedScale()
{
    return gScale;
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The tests read the game's own words, whatever the tester's language;
    // the ones about languages load their catalogues themselves.
    setenv("LANGUAGE", "en", 1);
    for (int i = 1; i < argc; i++) {
        if (std::strncmp(argv[i], "--scale=", 8) == 0) {
            setenv("QT_SCALE_FACTOR", argv[i] + 8, 1);
            gScale = std::atof(argv[i] + 8);
        }
    }
    // Qt warns when it has no runtime directory, as under a bare test runner;
    // ctest starts this program once per test, so the folder goes with it.
    char dir[] = "/tmp/tavrin-tests-XXXXXX";
    const bool ownRuntimeDir = !getenv("XDG_RUNTIME_DIR") && mkdtemp(dir);
    if (ownRuntimeDir)
        setenv("XDG_RUNTIME_DIR", dir, 1);
    qInstallMessageHandler(CountMessages);
    int status;
    {
        const std::unique_ptr<BApplication> app = MakeTestApplication();
        status = RUN_ALL_TESTS();
    }
    if (ownRuntimeDir)
        std::filesystem::remove_all(dir);
    return status;
}
