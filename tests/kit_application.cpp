// The application of the kit's own tests: a program like any other, with a
// signature, desktop id and catalogue of its own.

#include <Application.h>

#include <memory>

#include "gui_support.h"

const char* const kTestDesktopId = "org.example.KitTest";

std::unique_ptr<BApplication> MakeTestApplication()
{
    return std::make_unique<BApplication>('kitt', kTestDesktopId, "kittest");
}
