// Entry of the test programs that need the kit: one application object on Qt's
// offscreen platform, optionally at another scale (--scale=1.25, say), and a
// watch on every warning Qt prints.

#include <gtest/gtest.h>

#include <QtGlobal>

#include <cstdlib>
#include <cstring>

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
    for (int i = 1; i < argc; i++) {
        if (std::strncmp(argv[i], "--scale=", 8) == 0) {
            setenv("QT_SCALE_FACTOR", argv[i] + 8, 1);
            gScale = std::atof(argv[i] + 8);
        }
    }
    // Qt warns when it has no runtime directory, as under a bare test runner.
    if (!getenv("XDG_RUNTIME_DIR")) {
        static char dir[] = "/tmp/tavrin-tests-XXXXXX";
        if (mkdtemp(dir))
            setenv("XDG_RUNTIME_DIR", dir, 1);
    }
    qInstallMessageHandler(CountMessages);
    BApplication app('dcwt');
    return RUN_ALL_TESTS();
}
