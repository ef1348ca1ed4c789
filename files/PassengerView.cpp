#include "files/PassengerView.h"

#include "core/view/CabinRenderer.h"
#include "core/view/HeadInCabin.h"

#include <algorithm>

namespace orbanil {

namespace {

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
        m_cabin = readCabin(state.wagonFolder, state.shapeName);
        m_source = source;
        ++m_shapeReadings;
    }
    return m_cabin;
}

std::optional<PassengerViewFrame> PassengerView::frame(const PassengerViewState& state,
                                                       const std::atomic<bool>* cancel)
{
    PassengerViewFrame frame;
    const CabinShape* shape = nullptr;
    if (isBlank(state.shapeName)) {
        frame.lines.push_back("No hay archivo Shape: escriba su nombre en la ventana principal "
                              "(PassengerCabinFile) o elíjalo con su botón «...».");
    } else if (state.wagonFolder.empty()) {
        frame.lines.push_back("No se sabe en qué carpeta está el vagón: pulse «Carpeta del "
                              "vagón…» y elija la carpeta del archivo .wag o .eng.");
    } else {
        const CabinReading& read = cabin(state);
        frame.shapeFile = read.shapeFile;
        if (read.shapeFile.empty()) {
            frame.lines.push_back(read.problems.front() +
                                  " Compruebe el nombre en la ventana principal, o pulse «Carpeta "
                                  "del vagón…» y elija la carpeta del archivo .wag o .eng.");
        } else if (!read.shape) {
            frame.lines.push_back(read.problems.front() +
                                  " Compruebe que es una forma del simulador que se puede abrir, "
                                  "o vuelva a exportarla desde su programa de modelado.");
        } else {
            shape = &*read.shape;
            if (!read.problems.empty()) {
                frame.texturesLine = read.messageLine() + " Sus superficies se dibujan en gris.";
            }
        }
    }
    if (!state.camera.camera) {
        frame.lines.push_back(state.camera.problem);
    }
    if (!shape || !frame.lines.empty()) {
        return frame;
    }
    std::vector<const CabinTexture*> textures;
    for (const std::optional<CabinTexture>& texture : m_cabin.images) {
        textures.push_back(texture ? &*texture : nullptr);
    }
    const PassengerCamera& camera = *state.camera.camera;
    frame.image =
        renderCabin(*shape, textures, camera, state.light, state.width, state.height, cancel);
    if (!frame.image) {
        return std::nullopt;
    }
    frame.headLine = headInCabinLine(*shape, camera.eye);
    return frame;
}

} // namespace orbanil
