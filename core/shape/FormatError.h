#pragma once

#include <stdexcept>
#include <string>

namespace orbanil {

// What makes a file unreadable as the simulator's format: what() is a short Spanish phrase
// ("la lista points anuncia 10 elementos y tiene 8") that a message puts after the file's name.
class FormatError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace orbanil
