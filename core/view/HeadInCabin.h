#pragma once

#include "core/shape/CabinShape.h"

#include <string>

namespace orbanil {

// Where a head stands against the interior shape, when that spoils the view: outside the box
// around the shape's triangles ("La cabeza está 0,4 m por encima del techo de la cabina."), or
// inside it but nearer to a surface than the camera's near plane, which cuts that surface away.
// Empty when neither holds, and for a shape without triangles.
std::string headInCabinLine(const CabinShape& shape, Vec3 head);

} // namespace orbanil
