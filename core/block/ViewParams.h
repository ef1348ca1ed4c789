#pragma once

#include "core/block/KeyFilter.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace orbanil {

// The eleven texts of one Inside block, held exactly as typed.
struct ViewParams
{
    std::string shapeFile;
    std::string headX;
    std::string headY;
    std::string headZ;
    std::string rotationLimitX;
    std::string rotationLimitY;
    std::string rotationLimitZ;
    std::string startDirectionX;
    std::string startDirectionY;
    std::string startDirectionZ;
    std::string soundFile;

    bool operator==(const ViewParams&) const = default;
};

// One field of the main window: the control that holds a text, the text, its keystroke rule
// and the name a screen reader gives it.
struct ViewField
{
    const char* control;
    std::string ViewParams::*member;
    FilterKind keys;
    const char* spokenName;
};

// The eleven fields in the order of the block, which is also the order of the window's focus.
inline constexpr std::array<ViewField, 11> viewFields{{
    {"txtShapeFile", &ViewParams::shapeFile, FilterKind::FreeText, "Archivo Shape"},
    {"txtCamPosX", &ViewParams::headX, FilterKind::SignedDecimal, "Posición de la cámara X"},
    {"txtCamPosY", &ViewParams::headY, FilterKind::SignedDecimal, "Posición de la cámara Y"},
    {"txtCamPosZ", &ViewParams::headZ, FilterKind::SignedDecimal, "Posición de la cámara Z"},
    {"txtRotLimX", &ViewParams::rotationLimitX, FilterKind::DigitsOnly, "Límite de rotación X"},
    {"txtRotLimY", &ViewParams::rotationLimitY, FilterKind::DigitsOnly, "Límite de rotación Y"},
    {"txtRotLimZ", &ViewParams::rotationLimitZ, FilterKind::DigitsOnly, "Límite de rotación Z"},
    {"txtStaDirX", &ViewParams::startDirectionX, FilterKind::SignedDegrees,
     "Dirección de inicio X"},
    {"txtStaDirY", &ViewParams::startDirectionY, FilterKind::DigitsOnly, "Dirección de inicio Y"},
    {"txtStaDirZ", &ViewParams::startDirectionZ, FilterKind::DigitsOnly, "Dirección de inicio Z"},
    {"txtSound", &ViewParams::soundFile, FilterKind::FreeText, "Archivo de sonido"},
}};

// The field that holds a member.
const ViewField& viewFieldOf(std::string ViewParams::*member);

// True when every one of the eleven texts is non-empty (a lone blank counts as filled).
bool isReady(const ViewParams& params);

// The nine numbers of a viewpoint; the two names belong to the principal viewpoint alone.
inline bool isNumberField(const ViewField& field)
{
    return field.keys != FilterKind::FreeText;
}

// `names` with the nine numbers of `numbers`.
ViewParams withNumbersOf(const ViewParams& names, const ViewParams& numbers);

bool sameNumbers(const ViewParams& a, const ViewParams& b);

// The first empty text of the principal's eleven and every added viewpoint's nine, in that
// order: its field and viewpoint (0 the principal), and how many are empty in all.
struct MissingValues
{
    const ViewField* first;
    std::size_t viewpoint;
    std::size_t count;
};
std::optional<MissingValues> missingValues(const ViewParams& principal,
                                           const std::vector<ViewParams>& added);

// Generate is offered when the principal's eleven texts and every added viewpoint's nine are
// filled.
bool isReady(const ViewParams& principal, const std::vector<ViewParams>& added);

} // namespace orbanil
