#include "core/InsideBlock.h"

namespace orbanil {

std::string generateInside(const ViewParams& p)
{
    const std::string crlf = "\r\n";
    return "Inside (" + crlf +                                           //
           "     PassengerCabinFile ( " + p.txtShapeFile + " )" + crlf + //
           "     PassengerCabinHeadPos ( " + " " + p.txtCamPosX + " " + p.txtCamPosY + " " +
           p.txtCamPosZ + " )" + crlf + //
           "     RotationLimit ( " + " " + p.txtRotLimX + " " + p.txtRotLimY + " " + p.txtRotLimZ +
           " )" + crlf + //
           "     StartDirection ( " + p.txtStaDirX + " " + p.txtStaDirY + " " + p.txtStaDirZ +
           " )" + crlf +                                              //
           "     Sound ( " + "\"" + p.txtSound + "\"" + " )" + crlf + //
           ")";
}

} // namespace orbanil
