#pragma once

#include "core/shape/CabinShape.h"
#include "core/view/CabinLight.h"
#include "core/view/CabinRenderer.h"
#include "core/view/HeadSteps.h"
#include "core/view/TypedCamera.h"
#include "files/CabinFiles.h"

#include <atomic>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orbanil {

// What the passenger view is asked to show: the shape named in the main window, the folder it
// is found from, the camera the fields give, where the user has turned it and moved the head,
// the size of the image and the light it is seen in.
struct PassengerViewState
{
    std::filesystem::path wagonFolder; // empty while none is known
    std::string shapeName;             // as typed in the shape field
    unsigned readings = 0;             // a new count reads the files afresh
    TypedCamera camera;                // as typed
    // The typed camera turned and zoomed by the user; nothing to look through it as typed. Its
    // head is not its own: the view places the head the fields give, or else `movedHead`.
    std::optional<PassengerCamera> lookingAround;
    int width = 0; // pixels of the image
    int height = 0;
    CabinLight light{};
    std::optional<Vec3> movedHead{}; // nothing while the head stands where the fields place it
};

// What keeps the image from being drawn, the first of them; Drawn when nothing does.
enum class ViewStatus
{
    NoShapeName,
    NoFolder,
    ShapeNotFound,
    ShapeUnreadable,
    NoCamera,
    Drawn,
};

// What it shows for such a state: the shape line above, then either the image with the notes
// under it, or the lines that say in its place what is missing and what to do.
struct PassengerViewFrame
{
    ViewStatus status = ViewStatus::Drawn;
    std::string shapeLine; // "Forma interior: …", the file found or the name looked for
    std::optional<RgbaImage> image;
    std::vector<std::string> lines;
    std::string texturesLine; // the textures' and descriptor's problems
    std::string headLine;     // the head outside the cabin or too near a surface
    // With the image: the camera drawn through, its head where the view shows it, and the box
    // the head moves in.
    std::optional<PassengerCamera> camera;
    std::optional<CabinBounds> bounds;
    std::string assumedLine;   // what the view shows for the fields left empty
    std::string distancesLine; // the eyes above the floor, the surface straight ahead
};

// Keeps the cabin read last: the files are read again only when the folder, the name or the
// count of readings changes, not for a new camera or size. One caller at a time; the files are
// read through `files`, which outlives the view.
class PassengerView
{
public:
    explicit PassengerView(const FileAccess& files) : m_files(files) {}

    // Nothing when `cancel` turned true before the drawing was done.
    std::optional<PassengerViewFrame> frame(const PassengerViewState& state,
                                            const std::atomic<bool>* cancel = nullptr);

    // How often the shape has been read, for the tests of when it is.
    int shapeReadings() const { return m_shapeReadings; }

private:
    struct Source
    {
        std::filesystem::path folder;
        std::string name;
        unsigned readings = 0;
        bool operator==(const Source&) const = default;
    };
    const CabinReading& cabin(const PassengerViewState& state);
    // The shape's line and, when nothing stops the drawing there, the shape to draw.
    const CabinShape* shape(const PassengerViewState& state, PassengerViewFrame& frame);

    const FileAccess& m_files;
    CabinRenderer m_renderer; // on every core, so that a large view keeps up
    std::optional<Source> m_source;
    CabinReading m_cabin;
    int m_shapeReadings = 0;
};

} // namespace orbanil
