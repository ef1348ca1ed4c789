#pragma once

namespace orbanil::testing {

// Windows compares names without regard to case, accented letters included; other systems
// compare the bytes.
#ifdef _WIN32
inline constexpr bool onWindows = true;
#else
inline constexpr bool onWindows = false;
#endif

} // namespace orbanil::testing
