#pragma once

#include "core/block/ViewParams.h"
#include "core/view/PassengerCamera.h"

#include <optional>
#include <string>
#include <string_view>

namespace orbanil {

// The passenger camera that a viewpoint's fields give: the head position and StartDirection X
// and Y as typed, at the default field of view. While one of them is not a number there is
// none, and `problem` says which fields to fill ("Escriba un número en «Posición de la cámara
// X» para ver la vista.").
struct TypedCamera
{
    std::optional<PassengerCamera> camera;
    std::string problem;
};

TypedCamera typedCamera(const ViewParams& viewpoint);

// The direction as the fields would hold it, "StartDirection ( 10 350 0 )", with Z as typed
// (0 while its field is empty).
std::string startDirectionText(StartDirectionDegrees direction, std::string_view typedZ);

} // namespace orbanil
