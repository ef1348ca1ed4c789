#include "files/CabinFiles.h"

#include "core/shape/FormatError.h"
#include "core/shape/ShapeContents.h"
#include "core/shape/TextureAlpha.h"
#include "files/FileError.h"
#include "files/SimisFile.h"
#include "files/SimulatorPath.h"

#include <new>

namespace orbanil {

namespace {

// What reading one file gave: its bytes' model, or the sentence saying why there is none.
template <class Model, class Read>
std::optional<Model> readNamed(const FileAccess& files, const std::filesystem::path& file,
                               const std::string& what, const std::string& name, Read read,
                               std::string& problem)
{
    try {
        return read(files.bytes(file));
    } catch (const FileError& e) {
        problem = e.what();
    } catch (const FormatError& e) {
        problem = "No se puede leer " + what + " " + name + ": " + e.what() + ".";
    } catch (const std::bad_alloc&) {
        problem = "No se puede leer " + what + " " + name + ": no hay memoria suficiente.";
    }
    return std::nullopt;
}

} // namespace

std::vector<std::string> CabinReading::missingTextures() const
{
    std::vector<std::string> names;
    for (std::size_t i = 0; shape && i < shape->textures.size(); ++i) {
        if (i >= images.size() || !images[i]) {
            names.push_back(shape->textures[i]);
        }
    }
    return names;
}

std::string CabinReading::messageLine() const
{
    if (problems.empty()) {
        return {};
    }
    if (problems.size() == 1) {
        return problems.front();
    }
    const std::size_t more = problems.size() - 1;
    return problems.front() + " (y " + std::to_string(more) + (more == 1 ? " aviso" : " avisos") +
           " más)";
}

CabinGeometry readShapeBytes(std::string_view file)
{
    const SimisContents contents = simisContents(file);
    return readShapeContents(contents.bytes, contents.utf16);
}

CabinTexture readTextureBytes(std::string_view file)
{
    return readAceContents(simisContents(file).bytes);
}

CabinReading readCabin(const FileAccess& files, const std::filesystem::path& wagonFolder,
                       std::string_view passengerCabinFile)
{
    CabinReading cabin;
    const std::string shapeName = simulatorFileName(passengerCabinFile);
    const std::optional<std::filesystem::path> shapeFile =
        findSimulatorFile(files, wagonFolder, passengerCabinFile);
    if (!shapeFile) {
        cabin.problems.push_back("No se encuentra la forma interior " +
                                 std::string(passengerCabinFile) + " desde la carpeta del vagón.");
        return cabin;
    }
    cabin.shapeFile = *shapeFile;
    std::string problem;
    std::optional<CabinGeometry> shape = readNamed<CabinGeometry>(
        files, *shapeFile, "la forma", shapeName,
        [](const std::string& b) { return readShapeBytes(b); }, problem);
    if (!shape) {
        cabin.problems.push_back(problem);
        return cabin;
    }
    std::vector<int> alphaBits;
    for (const std::string& texture : shape->textures) {
        std::optional<CabinTexture> read;
        const std::optional<std::filesystem::path> file =
            findSimulatorFile(files, shapeFile->parent_path(), texture);
        if (!file) {
            problem = "No se encuentra la textura " + texture + " junto a " + shapeName + ".";
        } else {
            read = readNamed<CabinTexture>(
                files, *file, "la textura", texture,
                [](const std::string& b) { return readTextureBytes(b); }, problem);
        }
        alphaBits.push_back(read ? read->alphaBits : 0);
        if (!read) {
            cabin.problems.push_back(problem);
        }
        cabin.images.push_back(std::move(read));
    }
    cabin.shape = cabinShape(std::move(*shape), alphaBits);
    return cabin;
}

} // namespace orbanil
