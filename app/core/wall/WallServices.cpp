#include "app/core/wall/WallServices.h"

namespace {
// Process-wide like the configuration copies and the runners it stands for.
WallServices* g_services = nullptr;
}

WallServices* WallServices::current() { return g_services; }

WallServices* WallServices::install(WallServices* services)
{
    WallServices* previous = g_services;
    g_services = services;
    return previous;
}
