#pragma once

#include "core/KeyFilter.h"

#include <array>
#include <string>

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
};

// One field of the main window: the control that holds a text, the text, its keystroke rule.
struct ViewField
{
    const char* control;
    std::string ViewParams::*member;
    FilterKind keys;
};

// The eleven fields in the order of the block, which is also the order of the window's focus.
inline constexpr std::array<ViewField, 11> viewFields{{
    {"txtShapeFile", &ViewParams::shapeFile, FilterKind::FreeText},
    {"txtCamPosX", &ViewParams::headX, FilterKind::SignedDecimal},
    {"txtCamPosY", &ViewParams::headY, FilterKind::SignedDecimal},
    {"txtCamPosZ", &ViewParams::headZ, FilterKind::SignedDecimal},
    {"txtRotLimX", &ViewParams::rotationLimitX, FilterKind::DigitsOnly},
    {"txtRotLimY", &ViewParams::rotationLimitY, FilterKind::DigitsOnly},
    {"txtRotLimZ", &ViewParams::rotationLimitZ, FilterKind::DigitsOnly},
    {"txtStaDirX", &ViewParams::startDirectionX, FilterKind::DigitsOnly},
    {"txtStaDirY", &ViewParams::startDirectionY, FilterKind::DigitsOnly},
    {"txtStaDirZ", &ViewParams::startDirectionZ, FilterKind::DigitsOnly},
    {"txtSound", &ViewParams::soundFile, FilterKind::FreeText},
}};

// True when every one of the eleven texts is non-empty (a lone blank counts as filled).
bool isReady(const ViewParams& params);

} // namespace orbanil
