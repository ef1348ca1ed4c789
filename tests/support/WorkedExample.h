#pragma once

#include "core/block/ViewParams.h"

#include <string>

namespace orbanil::testing {

// The view values every layer's tests start from, and the block they make.
inline ViewParams workedExampleParams()
{
    return ViewParams{"interior.s", "0",  "2.3", "-5.25", "20",          "60",
                      "0",          "10", "0",   "0",     "interior.sms"};
}

inline const std::string workedExampleBlock = "Inside (\r\n"
                                              "     PassengerCabinFile ( interior.s )\r\n"
                                              "     PassengerCabinHeadPos (  0 2.3 -5.25 )\r\n"
                                              "     RotationLimit (  20 60 0 )\r\n"
                                              "     StartDirection ( 10 0 0 )\r\n"
                                              "     Sound ( \"interior.sms\" )\r\n"
                                              ")";

// The same block saved and opened again: no indentation, a line end after every line.
inline const std::string workedExampleOpened = "Inside (\r\n"
                                               "PassengerCabinFile ( interior.s )\r\n"
                                               "PassengerCabinHeadPos (  0 2.3 -5.25 )\r\n"
                                               "RotationLimit (  20 60 0 )\r\n"
                                               "StartDirection ( 10 0 0 )\r\n"
                                               "Sound ( \"interior.sms\" )\r\n"
                                               ")\r\n";

} // namespace orbanil::testing
