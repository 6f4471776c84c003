#pragma once

#include <QString>

namespace tesmi {

// The program from start to exit: one copy per user, the splash window, the
// start-up checks, the main window and the message loop. Returns the exit status.
int RunApplication(int argc, char **argv);

} // namespace tesmi
