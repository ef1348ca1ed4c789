#include "files/CodeFile.h"

#include "files/FileBytes.h"
#include "files/FileError.h"
#include "files/FileNames.h"
#include "files/FolderListing.h"
#include "files/PathText.h"
#include "files/Windows1252.h"

#include <algorithm>
#include <cstdio>

namespace orbanil {

namespace {

// The first of the bytes from p on, or end.
const char* findAny(const char* p, const char* end, std::string_view bytes)
{
    while (p != end && bytes.find(*p) == std::string_view::npos) {
        ++p;
    }
    return p;
}

#ifdef _WIN32
// Whether Windows takes a file named name + ".obn" for a device (CON, NUL, COM1 ...): it looks at
// the part before the first dot, trailing blanks left out, in any case. Writing there loses the
// code.
bool isDeviceName(std::string_view name)
{
    std::string base(name.substr(0, name.find('.')));
    while (!base.empty() && base.back() == ' ') {
        base.pop_back();
    }
    std::transform(base.begin(), base.end(), base.begin(), asciiLower<char>);
    if (base == "con" || base == "prn" || base == "aux" || base == "nul") {
        return true;
    }
    if (!base.starts_with("com") && !base.starts_with("lpt")) {
        return false;
    }
    const std::string_view number = std::string_view(base).substr(3);
    // A digit, or the superscripts ¹ ² ³ that Windows reads as digits there.
    return (number.size() == 1 && number[0] >= '0' && number[0] <= '9') || number == "\u00B9" ||
           number == "\u00B2" || number == "\u00B3";
}
#endif

} // namespace

std::filesystem::path savedFilePath(const std::filesystem::path& folder, std::string_view name)
{
    // Appended, never joined: a name must not replace the folder, even one starting with "/".
    std::filesystem::path path = folder / "";
    path += pathFromText(name);
    path += ".obn";
    return path;
}

std::optional<std::string> savedNameProblem(std::string_view name)
{
    // Such a name makes a file called ".obn": hidden on Linux, and nameless in the list.
    if (name.find_first_not_of(' ') == std::string_view::npos) {
        return "El nombre no puede estar vacío ni tener solo espacios. Escriba el nombre del "
               "archivo, sin extensión.";
    }
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\') {
            return "El nombre no puede llevar «/» ni «\\»: el archivo se guarda siempre en la "
                   "carpeta del programa.";
        }
        if (byte < 0x20 || byte == 0x7F) {
            return "El nombre no puede llevar caracteres de control, como el tabulador.";
        }
#ifdef _WIN32
        if (std::string_view("<>:\"|?*").find(c) != std::string_view::npos) {
            return "El nombre no puede llevar el carácter «" + std::string(1, c) + "».";
        }
#endif
    }
#ifdef _WIN32
    if (isDeviceName(name)) {
        return "El nombre no puede ser el de un dispositivo de Windows (CON, PRN, AUX, NUL, "
               "COM0 a COM9, LPT0 a LPT9).";
    }
#endif
    return std::nullopt;
}

std::optional<std::string> replacedSavedFile(const std::filesystem::path& folder,
                                             std::string_view name)
{
    const std::filesystem::path path = savedFilePath(folder, name);
    try {
        for (const std::filesystem::path& existing : listFolder(folder, EntryKind::File, "*.obn")) {
            if (sameName(existing, path.filename())) {
                return pathText(existing);
            }
        }
    } catch (const FileError&) {
        // A folder that cannot be listed may still hold the file; saving says why it fails.
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error)) {
            return pathText(path.filename());
        }
    }
    return std::nullopt;
}

void saveCodeFile(const std::filesystem::path& path, std::string_view codeText)
{
    Utf8ToWindows1252Result encoded = utf8ToWindows1252(codeText);
    if (encoded.invalidUtf8) {
        throw FileError(path, "el texto no es UTF-8 válido", FileAction::Save);
    }
    if (encoded.unmappable != 0) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(encoded.unmappable));
        throw FileError(path,
                        "el texto contiene el carácter «" + utf8FromCodePoint(encoded.unmappable) +
                            "» (" + code + "), que la codificación Windows-1252 no admite",
                        FileAction::Save);
    }
    encoded.bytes += "\r\n";
    replaceFileAtomically(path, encoded.bytes);
}

std::string readCodeFile(const std::filesystem::path& path)
{
    return codeTextFromBytes(readFileBytes(path));
}

std::string codeTextFromBytes(std::string_view bytes)
{
    // The separators are ASCII, which no byte of a longer UTF-8 sequence can be taken for.
    const std::string utf8 = utf8FromMarkedText(bytes);
    std::string text;
    text.reserve(2 * utf8.size() + 2); // a file of lone CRs doubles; nothing grows more
    const char* p = utf8.data();
    const char* const end = p + utf8.size();
    // The end of the file is tested before each field.
    while (p != end) {
        while (p != end && (*p == ' ' || *p == '\t')) {
            ++p;
        }
        if (p != end && *p == '"') {
            const char* close = findAny(p + 1, end, "\"\r\n");
            if (close != end && *close == '"') {
                text.append(p + 1, close);
                p = close + 1;
            }
            // An unclosed quote is an ordinary character of an unquoted field.
        }
        // A comma is part of the field: the simulator reads "a, b" as one line.
        const char* stop = findAny(p, end, "\r\n");
        if (end - stop >= 2 && stop[0] == '\r' && stop[1] == '\n') {
            text.append(p, stop + 2); // the field with its own CR LF
            p = stop + 2;
        } else {
            text.append(p, stop);
            text += "\r\n";
            p = stop == end ? end : stop + 1;
        }
    }
    return text;
}

std::vector<std::string> listSavedFiles(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const std::filesystem::path& name : listFolder(folder, EntryKind::File, "*.obn")) {
        names.push_back(pathText(name));
    }
    return names;
}

} // namespace orbanil
