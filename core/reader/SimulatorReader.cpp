#include "core/reader/SimulatorReader.h"

#include "core/reader/ItemStream.h"
#include "core/text/AsciiCase.h"
#include "core/text/Wording.h"

#include <utility>

namespace orbanil {

namespace {

std::string warningText(std::string_view entry, std::size_t axis, const ReadNumber& number)
{
    const std::string where = std::string(entry) + " " + axisNames[axis] + ": ";
    switch (*number.warning) {
    case NumberWarning::Missing:
        return where + "falta el número; se lee 0.";
    case NumberWarning::NotANumber:
        return where + quoted(number.written) + " no es un número; se lee 0.";
    case NumberWarning::UnitNotAllowed:
        return where + quoted(number.written) + " lleva una unidad, que aquí no se lee; se lee 0.";
    case NumberWarning::TooLarge:
        return where + quoted(number.written) + " es demasiado grande; se lee 0.";
    case NumberWarning::StopsLoading:
        return where + quoted(number.written) + " hace fallar la carga del vagón.";
    case NumberWarning::UnknownUnit:
        break;
    }
    return where + quoted(number.written) + " lleva una unidad desconocida; se lee sin ella.";
}

// An item as it stands in the text: a quoted one without its quotes and escapes.
std::string writtenItem(const ItemStream& in, const TextItem& item)
{
    if (item.quoted || isCommentEnd(item)) {
        return item.text;
    }
    return std::string(in.source(in.position() - 1, in.position()));
}

// The three numbers of an entry whose "(" was taken, its ")" included.
std::array<ReadNumber, 3> readThree(ItemStream& in, std::string_view entry, NumberUnits units,
                                    std::vector<std::string>& warnings)
{
    std::array<ReadNumber, 3> numbers;
    bool closed = false;
    for (std::size_t axis = 0; axis < numbers.size(); ++axis) {
        const TextItem* item = closed ? nullptr : in.takeWord();
        // A quoted ")" ends the entry as well: the reader compares texts.
        if (!item || item->text == ")") {
            closed = true;
            numbers[axis].warning = NumberWarning::Missing;
        } else if (isCommentEnd(*item)) {
            numbers[axis].warning =
                NumberWarning::Missing; // a comment stood there; its ")" follows
        } else {
            numbers[axis] = readNumber(item->text, units);
            numbers[axis].written = writtenItem(in, *item);
        }
        if (numbers[axis].warning) {
            warnings.push_back(warningText(entry, axis, numbers[axis]));
        }
    }
    if (!closed) {
        in.skipRestOfBlock(); // extra items are passed over
    }
    return numbers;
}

// The file name of an entry whose "(" was taken, its ")" included: a string read of its first
// item, the rest passed over. A ")", quoted or not, leaves the entry without a name.
std::optional<ReadName> readName(ItemStream& in, std::string_view entry,
                                 std::vector<std::string>& warnings)
{
    const std::size_t first = in.position();
    const TextItem* item = in.take();
    if (!item || item->text == ")") {
        warnings.push_back(std::string(entry) + ": falta el nombre del archivo.");
        return std::nullopt;
    }
    ReadName name{item->text, {}, item->quoted, item->singleBackslash};
    in.skipRestOfBlock();
    std::size_t last = in.position();
    if (last > first + 1 && in.at(last - 1).closesBlock()) {
        --last;
    }
    name.written = std::string(in.source(first, last));
    name.cut = last > first + 1;
    return name;
}

// One entry of a viewpoint whose keyword and "(" were taken, its ")" included; false, with
// nothing taken, for a keyword that is not one of the three.
bool readViewBody(ItemStream& in, std::string_view keyword, ViewpointReading& read)
{
    std::vector<std::string>& warnings = read.warnings;
    if (sameWord(keyword, "PassengerCabinHeadPos")) {
        read.headPosition = readThree(in, "PassengerCabinHeadPos", NumberUnits::Distance, warnings);
    } else if (sameWord(keyword, "RotationLimit")) {
        read.rotationLimit = readThree(in, "RotationLimit", NumberUnits::None, warnings);
    } else if (sameWord(keyword, "StartDirection")) {
        read.startDirection = readThree(in, "StartDirection", NumberUnits::None, warnings);
    } else {
        return false;
    }
    return true;
}

// The entries of a block whose "(" was taken, its ")" included: `entry` reads the entry of a
// keyword whose "(" was taken and says whether it knew the keyword.
template <class ReadEntry>
void readBlockEntries(ItemStream& in, std::string_view block, std::vector<std::string>& warnings,
                      ReadEntry entry)
{
    while (const TextItem* item = in.takeWord()) {
        if (item->closesBlock()) {
            return;
        }
        if (isCommentEnd(*item)) {
            continue;
        }
        const std::string keyword = item->text;
        // The reader compares texts: a quoted "(" opens a block to pass over as well.
        if (keyword == "(" || !in.takeOpen()) {
            warnings.push_back(quoted(keyword) + " no es una entrada de " + std::string(block) +
                               "; se pasa por alto.");
            if (keyword == "(") {
                in.skipRestOfBlock();
            }
            continue;
        }
        if (!entry(keyword)) {
            warnings.push_back(sameWord(keyword, "include")
                                   ? "include ( … ) lee otro archivo, que aquí no se lee."
                                   : quoted(keyword) + " no es una entrada de " +
                                         std::string(block) + "; se pasa por alto.");
            in.skipRestOfBlock();
        }
    }
    warnings.push_back("El bloque " + std::string(block) + " no se cierra con «)».");
}

// An Inside block whose "(" was taken, its ")" included.
InsideReading readInsideBody(ItemStream& in)
{
    InsideReading read;
    readBlockEntries(in, "Inside", read.warnings, [&in, &read](const std::string& keyword) {
        if (sameWord(keyword, "PassengerCabinFile")) {
            read.shapeFile = readName(in, "PassengerCabinFile", read.warnings);
        } else if (sameWord(keyword, "Sound")) {
            read.soundFile = readName(in, "Sound", read.warnings);
        } else {
            return readViewBody(in, keyword, read);
        }
        return true;
    });
    return read;
}

// An ORTSAlternatePassengerViewPoints block whose "(" was taken, its ")" included: its
// viewpoints are added to those already read.
void readViewpoints(ItemStream& in, InsideReading& inside)
{
    readBlockEntries(in, "ORTSAlternatePassengerViewPoints", inside.warnings,
                     [&in, &inside](const std::string& keyword) {
                         if (!sameWord(keyword, "ORTSAlternatePassengerViewPoint")) {
                             return false;
                         }
                         ViewpointReading& viewpoint = inside.alternates.emplace_back();
                         readBlockEntries(in, "ORTSAlternatePassengerViewPoint", viewpoint.warnings,
                                          [&in, &viewpoint](const std::string& entry) {
                                              return readViewBody(in, entry, viewpoint);
                                          });
                         return true;
                     });
}

bool isAlternatesKeyword(const TextItem& item)
{
    return sameWord(item.text, "ORTSAlternatePassengerViewPoints");
}

bool isWagonOrEngine(std::string_view keyword)
{
    return sameWord(keyword, "Wagon") || sameWord(keyword, "Engine");
}

// Whether a text holds a Wagon or Engine block at its top: a file, not a part to paste into one.
bool holdsWagonOrEngine(std::string_view text)
{
    ItemStream in(text);
    while (const TextItem* item = in.takeWord()) {
        if (in.blockPath().empty() && isWagonOrEngine(item->text) && in.takeOpen()) {
            return true;
        }
    }
    return false;
}

// Where the simulator reads a wagon's entries: in a Wagon block at the top of a file, or at the
// top of a part of one.
bool isWagonLevel(const std::vector<std::string>& path, bool part)
{
    return part ? path.empty() : path.size() == 1 && sameWord(path.front(), "Wagon");
}

// The wagon as the simulator reads it: the first Inside in a Wagon, and the alternates of every
// Wagon after it. Alternates before any Inside make it skip the rest of their Wagon, since it
// passes over the rest of a block whose "(" it has not read yet.
std::optional<InsideReading> simulatorsInside(std::string_view text, bool part,
                                              std::size_t& skippedAlternates)
{
    ItemStream in(text);
    std::optional<InsideReading> inside;
    while (const TextItem* item = in.takeWord()) {
        if (!isWagonLevel(in.blockPath(), part)) {
            continue;
        }
        if (sameWord(item->text, "Inside") && in.takeOpen()) {
            InsideReading read = readInsideBody(in);
            if (!inside) {
                inside = std::move(read);
            }
        } else if (isAlternatesKeyword(*item)) {
            if (inside && in.takeOpen()) {
                readViewpoints(in, *inside);
            } else if (!inside) {
                ++skippedAlternates;
                in.skipRestOfBlock();
            }
        }
    }
    return inside;
}

// The first Inside block anywhere, with the alternates after it in the same block.
std::optional<InsideReading> firstInsideAnywhere(std::string_view text, bool part)
{
    ItemStream in(text);
    while (const TextItem* item = in.takeWord()) {
        if (!sameWord(item->text, "Inside")) {
            continue;
        }
        const std::vector<std::string> path = in.blockPath();
        if (!in.takeOpen()) {
            continue;
        }
        InsideReading inside = readInsideBody(in);
        if (isWagonLevel(path, part)) {
            inside.place = InsidePlace::AfterSkippedAlternates;
        } else if (path.empty()) {
            inside.place = InsidePlace::OutsideBlocks;
        } else if (path.size() == 1 && sameWord(path.front(), "Engine")) {
            inside.place = InsidePlace::Engine;
        } else {
            inside.place = InsidePlace::OtherBlock;
            inside.block = path.back();
        }
        // The alternates after it in the same block, up to that block's ")".
        while ((item = in.takeWord()) && !item->closesBlock()) {
            if (isAlternatesKeyword(*item) && in.takeOpen()) {
                readViewpoints(in, inside);
            } else if (item->opensBlock()) {
                in.skipRestOfBlock();
            }
        }
        return inside;
    }
    return std::nullopt;
}

} // namespace

std::optional<InsideReading> readFirstInside(std::string_view text)
{
    const bool part = !holdsWagonOrEngine(text);
    std::size_t skippedAlternates = 0;
    std::optional<InsideReading> inside = simulatorsInside(text, part, skippedAlternates);
    if (!inside) {
        inside = firstInsideAnywhere(text, part);
    }
    if (inside) {
        inside->skippedAlternates = skippedAlternates;
    }
    return inside;
}

std::optional<WagonReading> readWagon(std::string_view text)
{
    ItemStream in(text);
    const TextItem* item = nullptr;
    do {
        item = in.takeWord();
    } while (item && !(in.blockPath().empty() && isWagonOrEngine(item->text) && in.takeOpen()));
    if (!item) {
        return std::nullopt;
    }
    const bool wagonBlock = sameWord(item->text, "Wagon");
    WagonReading wagon;
    while ((item = in.takeWord())) {
        if (item->closesBlock()) {
            wagon.closed = in.blockPath().empty();
            break;
        }
        BlockEntry entry;
        entry.hasBlock = item->opensBlock();
        if (!entry.hasBlock) {
            entry.keyword = item->text;
            if (wagonBlock && !wagon.inside && isAlternatesKeyword(*item)) {
                // Its "(" not read yet, the rest of the Wagon is passed over with it.
                wagon.entries.push_back(std::move(entry));
                in.skipRestOfBlock();
                wagon.closed = in.blockPath().empty();
                break;
            }
            entry.hasBlock = in.takeOpen();
        }
        if (entry.hasBlock) {
            const std::size_t first = in.position();
            if (wagonBlock && !wagon.inside && sameWord(entry.keyword, "Inside")) {
                wagon.inside = readInsideBody(in);
            } else if (wagonBlock && wagon.inside && isAlternatesKeyword(TextItem{entry.keyword})) {
                readViewpoints(in, *wagon.inside);
            } else {
                in.skipRestOfBlock();
            }
            for (std::size_t i = first; i < in.position(); ++i) {
                entry.items.push_back(in.at(i).text);
            }
            if (in.at(in.position() - 1).closesBlock()) {
                entry.items.pop_back(); // the block's own ")"
            }
        }
        wagon.entries.push_back(std::move(entry));
        if (in.blockPath().size() != 1) {
            break; // an item taken for a parenthesis: the rest is not read as the wagon's
        }
    }
    while ((item = in.take())) {
        wagon.after.push_back(item->text);
    }
    return wagon;
}

} // namespace orbanil
