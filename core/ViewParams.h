#pragma once

#include <string>

namespace orbanil {

// The eleven texts of one Inside block, held exactly as typed.
struct ViewParams
{
    std::string txtShapeFile;
    std::string txtCamPosX;
    std::string txtCamPosY;
    std::string txtCamPosZ;
    std::string txtRotLimX;
    std::string txtRotLimY;
    std::string txtRotLimZ;
    std::string txtStaDirX;
    std::string txtStaDirY;
    std::string txtStaDirZ;
    std::string txtSound;
};

// True when every one of the eleven texts is non-empty (a lone blank counts as filled).
bool isReady(const ViewParams& params);

} // namespace orbanil
