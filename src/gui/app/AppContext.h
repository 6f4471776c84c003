#pragma once

#include "app/AppPaths.h"
#include "platform/Platform.h"
#include "util/Guard.h"

namespace tesmi {

class CarsPack;
class Database;

// What every window of the program shares for the whole run.
struct AppContext {
    Platform platform;
    Guard guard;
    AppPaths paths;
    Database &db;
    CarsPack &cars;
};

} // namespace tesmi
