#include "files/PassengerView.h"

#include "core/view/AssumedView.h"
#include "core/view/CabinDistances.h"
#include "core/view/CabinRenderer.h"
#include "core/view/HeadInCabin.h"
#include "files/PathText.h"

#include <algorithm>
#include <utility>

namespace orbanil {

namespace {

constexpr const char* shapeLabel = "Forma interior: ";

bool isBlank(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

} // namespace

const CabinReading& PassengerView::cabin(const PassengerViewState& state)
{
    const Source source{state.wagonFolder, state.shapeName, state.readings};
    if (m_source != source) {
        m_cabin = CabinReading{};
        m_cabin = readCabin(m_files, state.wagonFolder, state.shapeName);
        m_source = source;
        ++m_shapeReadings;
    }
    return m_cabin;
}

const CabinShape* PassengerView::shape(const PassengerViewState& state, PassengerViewFrame& frame)
{
    const auto stop = [&frame](ViewStatus status, std::string shapeLine, std::string line) {
        frame.status = status;
        frame.shapeLine = shapeLabel + shapeLine;
        frame.lines.push_back(std::move(line));
        return nullptr;
    };
    if (isBlank(state.shapeName)) {
        return stop(ViewStatus::NoShapeName, "sin nombre",
                    "No hay archivo Shape: escriba su nombre en la ventana principal "
                    "(PassengerCabinFile) o elíjalo con su botón «...».");
    }
    if (state.wagonFolder.empty()) {
        // Without a folder the name has not been looked for, so it is not called missing.
        return stop(ViewStatus::NoFolder, state.shapeName,
                    "No se sabe en qué carpeta está el vagón: pulse «Carpeta del vagón…» y "
                    "elija la carpeta del archivo .wag o .eng.");
    }
    const CabinReading& read = cabin(state);
    if (read.shapeFile.empty()) {
        return stop(ViewStatus::ShapeNotFound, state.shapeName + " (no encontrada)",
                    read.problems.front() +
                        " Compruebe el nombre en la ventana principal, o pulse «Carpeta del "
                        "vagón…» y elija la carpeta del archivo .wag o .eng.");
    }
    const std::string found = nativePathText(read.shapeFile);
    if (!read.shape) {
        return stop(ViewStatus::ShapeUnreadable, found,
                    read.problems.front() +
                        " Compruebe que es una forma del simulador que se puede abrir, o "
                        "vuelva a exportarla desde su programa de modelado.");
    }
    frame.shapeLine = shapeLabel + found;
    if (!read.problems.empty()) {
        // The descriptor's or a night texture's problem leaves every day texture drawn.
        const bool missing = !read.missingTextures().empty();
        frame.texturesLine =
            read.messageLine() +
            (missing ? " Sus superficies se dibujan en magenta, como en el simulador." : "");
    }
    return &*read.shape;
}

std::optional<PassengerViewFrame> PassengerView::frame(const PassengerViewState& state,
                                                       const std::atomic<bool>* cancel)
{
    PassengerViewFrame frame;
    const CabinShape* shape = this->shape(state, frame);
    if (!state.camera.camera) {
        if (frame.status == ViewStatus::Drawn) {
            frame.status = ViewStatus::NoCamera;
        }
        frame.lines.push_back(state.camera.problem);
    }
    if (frame.status != ViewStatus::Drawn) {
        return frame;
    }
    // At night a night texture stands in for the day one wherever there is one.
    std::vector<const CabinTexture*> textures;
    for (std::size_t i = 0; i < m_cabin.images.size(); ++i) {
        const std::optional<CabinTexture>& night = m_cabin.nightImages[i];
        const std::optional<CabinTexture>& texture =
            state.light.night && night ? night : m_cabin.images[i];
        textures.push_back(texture ? &*texture : nullptr);
    }
    PassengerCamera camera = state.lookingAround.value_or(*state.camera.camera);
    camera.eye = state.movedHead.value_or(shownHead(*shape, state.camera));
    frame.image =
        m_renderer.render(*shape, textures, camera, state.light, state.width, state.height, cancel);
    if (!frame.image) {
        return std::nullopt;
    }
    frame.camera = camera;
    frame.bounds = CabinBounds{shape->boundsMin, shape->boundsMax};
    frame.headLine = headInCabinLine(*shape, camera.eye);
    frame.assumedLine = assumedLine(state.camera);
    frame.distancesLine = distancesLine(*shape, camera);
    return frame;
}

} // namespace orbanil
