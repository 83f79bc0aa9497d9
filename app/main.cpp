#include <OS.h>

#include <cstdlib>

#include "tavappl.h"

int main()
{
    std::srand(real_time_clock());
    tavappl* app = new tavappl;
    app->Run();
    delete app;
    return 0;
}
