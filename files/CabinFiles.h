#pragma once

#include "core/shape/AceImage.h"
#include "core/shape/CabinGeometry.h"
#include "core/shape/CabinShape.h"
#include "files/FileAccess.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbanil {

// The passenger's cabin as a view draws it: the interior shape that an Inside block's
// PassengerCabinFile names and its textures, read as the simulator reads them: looked for in
// the wagon's folder (files/TextureFiles), wherever the shape is, the summer's by day and, when
// the shape's descriptor (.sd) asks for them, the Night folder's at night.
struct CabinReading
{
    std::filesystem::path shapeFile; // where the shape was found; empty when it was not
    // Nothing when the shape could not be read; then `problems` says why.
    std::optional<CabinShape> shape;
    // One per shape->textures, in that order: the day texture, nothing for one that is missing
    // or cannot be read, whose triangles a view still draws, as the simulator draws a missing
    // texture; and the file it was found in, empty when none was.
    std::vector<std::optional<CabinTexture>> images;
    std::vector<std::filesystem::path> textureFiles;
    // The same at night: the night texture (marked night), nothing where there is none, whose
    // triangles take the day texture at night.
    std::vector<std::optional<CabinTexture>> nightImages;
    std::vector<std::filesystem::path> nightTextureFiles;
    // Spanish sentences naming the file and what is wrong with it, the shape's first, then its
    // descriptor's, then the textures' in their order ("No se encuentra la textura asiento.ace
    // en la carpeta del vagón.").
    std::vector<std::string> problems;

    // The names of the textures that have no image by day.
    std::vector<std::string> missingTextures() const;
    // One line for a status bar: empty when everything was read, else the first problem, with
    // how many more there are.
    std::string messageLine() const;
};

// Reads the cabin; never throws for anything a file holds.
CabinReading readCabin(const FileAccess& files, const std::filesystem::path& wagonFolder,
                       std::string_view passengerCabinFile);

// A whole .s file in any of its forms (text in UTF-16 or ASCII, binary, compressed) to its
// triangles, a CabinShape once its textures' alpha is known (cabinShape); a whole .ace file to
// its texture (a .dds is core/shape/DdsImage). Both throw FormatError; the reason is a phrase to
// put after the file's name.
CabinGeometry readShapeBytes(std::string_view file);
CabinTexture readTextureBytes(std::string_view file);

} // namespace orbanil
