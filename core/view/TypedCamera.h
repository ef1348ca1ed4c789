#pragma once

#include "core/block/ViewParams.h"
#include "core/view/PassengerCamera.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace orbanil {

// The passenger camera that a viewpoint's fields give: the head position and StartDirection X
// and Y as typed, at the default field of view. An empty field is one the view assumes: it
// counts 0 here, as the simulator reads a missing StartDirection, and the view puts an
// unwritten head where the shape has room for it. While a field holds what is not a number
// there is none, and `problem` says which fields to mend ("Escriba un número en «Posición de la
// cámara X» para ver la vista.").
struct TypedCamera
{
    std::optional<PassengerCamera> camera;
    std::array<bool, 3> unwrittenHead{};      // X, Y and Z
    std::array<bool, 2> unwrittenDirection{}; // StartDirection X and Y
    std::string problem;

    bool assumesHead() const { return unwrittenHead[0] || unwrittenHead[1] || unwrittenHead[2]; }
};

TypedCamera typedCamera(const ViewParams& viewpoint);

// The head and the direction as the fields would hold them, "PassengerCabinHeadPos ( 0 1.5
// -2.25 )" and "StartDirection ( 10 350 0 )", the direction's Z as typed (0 while its field is
// empty).
std::string headPositionText(Vec3 head);
std::string startDirectionText(StartDirectionDegrees direction, std::string_view typedZ);

} // namespace orbanil
