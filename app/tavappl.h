#pragma once

#include <Application.h>

class tavwindow;

class tavappl : public BApplication {
public:
    tavappl();
    ~tavappl() override;

    void AboutRequested() override;

    tavwindow* mainWindow;
};
