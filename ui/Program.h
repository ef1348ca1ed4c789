#pragma once

#include <functional>

namespace orbanil {

class WindowSet;

// Runs the program until no window is loaded: the application, then the window set over the
// program folder, started. `started` sees the set once its first window is shown.
int runProgram(int& argc, char** argv, const std::function<void(WindowSet&)>& started = {});

} // namespace orbanil
