#include "core/InsideBlock.h"

namespace orbanil {

std::string generateInside(const ViewParams& p)
{
    const std::string crlf = "\r\n";
    std::string block = "Inside (" + crlf;
    block += "     PassengerCabinFile ( " + p.shapeFile + " )" + crlf;
    // Head position and rotation limits open with two blanks, the start direction with one.
    block +=
        "     PassengerCabinHeadPos (  " + p.headX + " " + p.headY + " " + p.headZ + " )" + crlf;
    block += "     RotationLimit (  " + p.rotationLimitX + " " + p.rotationLimitY + " " +
             p.rotationLimitZ + " )" + crlf;
    block += "     StartDirection ( " + p.startDirectionX + " " + p.startDirectionY + " " +
             p.startDirectionZ + " )" + crlf;
    block += "     Sound ( \"" + p.soundFile + "\" )" + crlf;
    block += ")";
    return block;
}

} // namespace orbanil
