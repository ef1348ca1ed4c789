#include "files/CabinFiles.h"

#include "core/shape/DdsImage.h"
#include "core/shape/FormatError.h"
#include "core/shape/ShapeContents.h"
#include "core/shape/ShapeDescriptor.h"
#include "core/shape/TextureAlpha.h"
#include "files/FileError.h"
#include "files/FileNames.h"
#include "files/PathText.h"
#include "files/SimisFile.h"
#include "files/SimulatorPath.h"
#include "files/TextureFiles.h"

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

namespace {

// The shape's descriptor beside it (its name and "d"): the flags that ask for night textures;
// 0 when there is none.
int descriptorFlags(const FileAccess& files, const std::filesystem::path& shapeFile,
                    std::vector<std::string>& problems)
{
    const std::string name = pathText(shapeFile.filename()) + "d";
    const std::optional<std::filesystem::path> file =
        findSimulatorFile(files, shapeFile.parent_path(), name);
    if (!file) {
        return 0;
    }
    std::string problem;
    const std::optional<int> flags = readNamed<int>(
        files, *file, "el descriptor", name,
        [](const std::string& b) {
            const SimisContents contents = simisContents(b);
            return alternativeTextureFlags(simisText(contents.bytes, contents.utf16));
        },
        problem);
    if (!flags) {
        problems.push_back(problem);
    }
    return flags.value_or(0);
}

// A texture file found, read as its extension says.
std::optional<CabinTexture> readTextureFile(const FileAccess& files,
                                            const std::filesystem::path& file,
                                            const std::string& what, std::string& problem)
{
    const bool dds = sameNameWithoutCase(file.extension(), ".dds");
    return readNamed<CabinTexture>(
        files, file, what, pathText(file.filename()),
        [dds](const std::string& b) { return dds ? readDdsFile(b) : readTextureBytes(b); },
        problem);
}

// Why a day texture is not found where the simulator looks, in the wagon's folder: a name it
// does not read, or one beside the shape instead, or none at all.
std::string notFound(const FileAccess& files, const std::filesystem::path& shapeFolder,
                     const std::string& texture)
{
    const std::string extension = pathText(pathFromText(texture).extension());
    if (!sameNameWithoutCase(extension, ".ace") && !sameNameWithoutCase(extension, ".dds")) {
        return "No se dibuja la textura " + texture + ": se leen texturas .ace y .dds.";
    }
    if (const auto beside = findDayTexture(files, shapeFolder, texture)) {
        return pathText(beside->filename()) +
               " está junto a la forma, pero el simulador la busca en la carpeta del vagón.";
    }
    return "No se encuentra la textura " + texture + " en la carpeta del vagón.";
}

// Each texture of the shape by day and, when its descriptor asks for them, at night.
void readTextures(const FileAccess& files, const std::filesystem::path& wagonFolder,
                  const std::filesystem::path& shapeFile, const std::vector<std::string>& names,
                  CabinReading& cabin)
{
    const bool night = (descriptorFlags(files, shapeFile, cabin.problems) & nightTextureFlag) != 0;
    for (const std::string& texture : names) {
        std::string problem;
        const auto day = findDayTexture(files, wagonFolder, texture);
        std::optional<CabinTexture> read;
        if (day) {
            read = readTextureFile(files, *day, "la textura", problem);
        } else {
            problem = notFound(files, shapeFile.parent_path(), texture);
        }
        if (!read) {
            cabin.problems.push_back(problem);
        }
        cabin.textureFiles.push_back(day.value_or(std::filesystem::path()));
        cabin.images.push_back(std::move(read));
        const auto nightFile = night ? findNightTexture(files, wagonFolder, texture) : std::nullopt;
        std::optional<CabinTexture> nightRead;
        if (nightFile) {
            nightRead = readTextureFile(files, *nightFile, "la textura de noche", problem);
            if (!nightRead) {
                cabin.problems.push_back(problem);
            }
        }
        if (nightRead) {
            nightRead->night = true;
        }
        cabin.nightTextureFiles.push_back(nightFile.value_or(std::filesystem::path()));
        cabin.nightImages.push_back(std::move(nightRead));
    }
}

} // namespace

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
    readTextures(files, wagonFolder, *shapeFile, shape->textures, cabin);
    // The simulator counts the day texture's alpha bits, or the night one's when there is no day.
    std::vector<int> alphaBits;
    for (std::size_t i = 0; i < cabin.images.size(); ++i) {
        const std::optional<CabinTexture>& bits =
            cabin.images[i] ? cabin.images[i] : cabin.nightImages[i];
        alphaBits.push_back(bits ? bits->alphaBits : 0);
    }
    cabin.shape = cabinShape(std::move(*shape), alphaBits);
    return cabin;
}

} // namespace orbanil
