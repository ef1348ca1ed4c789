#include "core/SimulatorReader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace orbanil {

namespace {

bool isSeparator(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Keywords are read without regard to case.
bool sameWord(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

char escaped(char c)
{
    return c == 'n' ? '\n' : c == 't' ? '\t' : c;
}

// Reads the quoted string whose opening quote stands at `at` into `out`; `at` ends past the
// closing quote, or at the end of the text when none closes it.
void readQuoted(std::string_view text, std::size_t& at, std::string& out)
{
    ++at;
    while (at < text.size()) {
        const char c = text[at++];
        if (c == '"') {
            return;
        }
        if (c == '\\' && at < text.size()) {
            out += escaped(text[at++]);
        } else if (c != '\\') {
            out += c;
        }
    }
}

std::size_t skipSeparators(std::string_view text, std::size_t at)
{
    while (at < text.size() && isSeparator(text[at])) {
        ++at;
    }
    return at;
}

} // namespace

std::vector<TextItem> readItems(std::string_view text)
{
    std::vector<TextItem> items;
    std::size_t at = skipSeparators(text, 0);
    while (at < text.size()) {
        const char first = text[at];
        TextItem item;
        if (first == '(' || first == ')') {
            item.text = std::string(1, first);
            ++at;
        } else if (first == '"') {
            item.quoted = true;
            readQuoted(text, at, item.text);
            // "a" + "b" is one item.
            for (;;) {
                std::size_t next = skipSeparators(text, at);
                if (next == text.size() || text[next] != '+') {
                    break;
                }
                next = skipSeparators(text, next + 1);
                if (next == text.size() || text[next] != '"') {
                    break;
                }
                at = next;
                readQuoted(text, at, item.text);
            }
        } else {
            item.text = std::string(1, first); // taken as it is, a backslash too
            ++at;
            while (at < text.size()) {
                const char c = text[at];
                if (isSeparator(c) || c == '(' || c == ')') {
                    break;
                }
                ++at;
                if (c == '"') {
                    item.text += c;
                    break;
                }
                if (c == '\\') {
                    if (at < text.size()) {
                        item.text += escaped(text[at++]);
                    }
                    continue;
                }
                item.text += c;
            }
        }
        items.push_back(std::move(item));
        at = skipSeparators(text, at);
    }
    return items;
}

namespace {

// Digits, signs, points and commas, and an exponent's "e" when a digit or a signed digit follows.
bool isNumberCharacter(std::string_view s, std::size_t i)
{
    const char c = s[i];
    if (isDigit(c) || c == '+' || c == '-' || c == '.' || c == ',') {
        return true;
    }
    if (c != 'e' && c != 'E') {
        return false;
    }
    std::size_t next = i + 1;
    if (next < s.size() && (s[next] == '+' || s[next] == '-')) {
        ++next;
    }
    return next < s.size() && isDigit(s[next]);
}

// A number in the invariant culture: sign, digits with commas between them, a point, digits,
// an exponent. Gives the plain form from_chars reads, and whether a comma was dropped.
std::optional<std::string> plainNumber(std::string_view s, bool& grouped)
{
    std::string plain;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') {
            plain += '-';
        }
        ++i;
    }
    int digits = 0;
    for (; i < s.size() && (isDigit(s[i]) || (s[i] == ',' && digits > 0)); ++i) {
        if (s[i] == ',') {
            grouped = true;
        } else {
            plain += s[i];
            ++digits;
        }
    }
    if (i < s.size() && s[i] == '.') {
        plain += s[i++];
        for (; i < s.size() && isDigit(s[i]); ++i) {
            plain += s[i];
            ++digits;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            plain += s[i++];
        }
        const std::size_t exponentStart = i;
        for (; i < s.size() && isDigit(s[i]); ++i) {
            plain += s[i];
        }
        if (i == exponentStart) {
            return std::nullopt;
        }
    }
    if (i != s.size()) {
        return std::nullopt;
    }
    return plain;
}

// Whether a plain number whose float reading is out of range is too large (rather than too
// small, which the simulator reads as 0 or a tiny value).
bool isAtLeastOne(std::string_view plain)
{
    double value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec == std::errc()) {
        return std::fabs(value) >= 1;
    }
    // Beyond a double as well: the exponent's sign tells.
    const std::size_t e = plain.find('e');
    return e == std::string_view::npos || plain[e + 1] != '-';
}

std::optional<double> distanceScale(std::string_view unit)
{
    std::string lower(unit);
    std::ranges::transform(lower, lower.begin(), asciiLower);
    const std::pair<std::string_view, double> units[] = {
        {"m", 1},       {"cm", 0.01},  {"mm", 0.001},  {"km", 1000},
        {"ft", 0.3048}, {"'", 0.3048}, {"in", 0.0254}, {"\"", 0.0254},
    };
    for (const auto& [name, scale] : units) {
        if (lower == name) {
            return scale;
        }
    }
    return std::nullopt;
}

} // namespace

ReadNumber readNumber(std::string_view item, NumberUnits units)
{
    ReadNumber read;
    read.written = std::string(item);
    std::string_view s = item;
    if (s.ends_with(',')) {
        s.remove_suffix(1);
    }
    std::size_t numberEnd = 0;
    while (numberEnd < s.size() && isNumberCharacter(s, numberEnd)) {
        ++numberEnd;
    }
    const std::optional<std::string> plain = plainNumber(s.substr(0, numberEnd), read.grouped);
    if (!plain) {
        read.grouped = false;
        read.warning = NumberWarning::NotANumber;
        return read;
    }

    double scale = 1;
    if (const std::string_view unit = s.substr(numberEnd); !unit.empty()) {
        const std::optional<double> known =
            units == NumberUnits::Distance ? distanceScale(unit) : std::nullopt;
        if (known) {
            scale = *known;
            read.converted = scale != 1;
        } else {
            read.warning = NumberWarning::UnknownUnit;
        }
    }

    const char* const begin = plain->data();
    const char* const end = begin + plain->size();
    float value = 0;
    if (scale == 1) {
        const auto result = std::from_chars(begin, end, value);
        if (result.ec == std::errc::result_out_of_range) {
            if (isAtLeastOne(*plain)) {
                read.warning = NumberWarning::TooLarge;
                return read;
            }
            double tiny = 0;
            std::from_chars(begin, end, tiny);
            value = static_cast<float>(tiny);
        }
    } else {
        double number = 0;
        const auto result = std::from_chars(begin, end, number);
        const double scaled = number * scale;
        if ((result.ec == std::errc::result_out_of_range && isAtLeastOne(*plain)) ||
            std::fabs(scaled) > std::numeric_limits<float>::max()) {
            read.warning = NumberWarning::TooLarge;
            return read;
        }
        value = static_cast<float>(scaled);
    }
    read.value = value;
    return read;
}

ItemStream::ItemStream(std::string_view text) : m_items(readItems(text)) {}

const TextItem* ItemStream::take()
{
    return m_next < m_items.size() ? &m_items[m_next++] : nullptr;
}

const TextItem* ItemStream::takeWord()
{
    for (;;) {
        const TextItem* item = take();
        if (!item || !isCommentMarker(*item)) {
            return item;
        }
        // A ")" closes the block around the comment; it is not the comment's.
        if (m_next < m_items.size() && !m_items[m_next].closesBlock()) {
            if (take()->opensBlock()) {
                skipRestOfBlock();
            }
        }
    }
}

bool ItemStream::takeOpen()
{
    if (m_next < m_items.size() && m_items[m_next].opensBlock()) {
        ++m_next;
        return true;
    }
    return false;
}

void ItemStream::skipRestOfBlock()
{
    int depth = 1;
    while (depth > 0) {
        const TextItem* item = take();
        if (!item) {
            return;
        }
        depth += item->opensBlock() ? 1 : item->closesBlock() ? -1 : 0;
    }
}

bool ItemStream::isCommentMarker(const TextItem& item)
{
    return item.text.starts_with('#') || item.text.starts_with('_') ||
           sameWord(item.text, "comment") || sameWord(item.text, "skip");
}

namespace {

const char* const axisNames[] = {"X", "Y", "Z"};

std::string quoted(std::string_view text)
{
    return "«" + std::string(text) + "»";
}

std::string warningText(std::string_view entry, std::size_t axis, const ReadNumber& number)
{
    const std::string where = std::string(entry) + " " + axisNames[axis] + ": ";
    switch (*number.warning) {
    case NumberWarning::Missing:
        return where + "falta el número; se lee 0.";
    case NumberWarning::NotANumber:
        return where + quoted(number.written) + " no es un número; se lee 0.";
    case NumberWarning::TooLarge:
        return where + quoted(number.written) + " es demasiado grande; se lee 0.";
    case NumberWarning::UnknownUnit:
        break;
    }
    return where + quoted(number.written) + " lleva una unidad desconocida; se lee sin ella.";
}

// The three numbers of an entry whose "(" was taken, its ")" included.
std::array<ReadNumber, 3> readThree(ItemStream& in, std::string_view entry, NumberUnits units,
                                    std::vector<std::string>& warnings)
{
    std::array<ReadNumber, 3> numbers;
    bool closed = false;
    for (std::size_t axis = 0; axis < numbers.size(); ++axis) {
        const TextItem* item = closed ? nullptr : in.takeWord();
        if (!item || item->closesBlock()) {
            closed = true;
            numbers[axis].warning = NumberWarning::Missing;
        } else if (item->opensBlock()) {
            in.skipRestOfBlock();
            numbers[axis].written = "( … )";
            numbers[axis].warning = NumberWarning::NotANumber;
        } else {
            numbers[axis] = readNumber(item->text, units);
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

// The file name of an entry whose "(" was taken, its ")" included: a string read.
std::optional<std::string> readName(ItemStream& in, std::string_view entry,
                                    std::vector<std::string>& warnings)
{
    const TextItem* item = in.take();
    if (!item || item->closesBlock()) {
        warnings.push_back(std::string(entry) + ": falta el nombre del archivo.");
        return std::nullopt;
    }
    std::optional<std::string> name;
    if (item->opensBlock()) {
        in.skipRestOfBlock();
        warnings.push_back(std::string(entry) + ": no es un nombre de archivo.");
    } else {
        name = item->text;
    }
    in.skipRestOfBlock();
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
        const std::string keyword = item->text;
        if (item->opensBlock() || !in.takeOpen()) {
            warnings.push_back(quoted(keyword) + " no es una entrada de " + std::string(block) +
                               "; se pasa por alto.");
            if (item->opensBlock()) {
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

} // namespace

std::optional<InsideReading> readFirstInside(std::string_view text)
{
    ItemStream in(text);
    while (const TextItem* item = in.takeWord()) {
        if (sameWord(item->text, "Inside") && in.takeOpen()) {
            InsideReading inside = readInsideBody(in);
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
    }
    return std::nullopt;
}

std::optional<WagonReading> readWagon(std::string_view text)
{
    ItemStream in(text);
    const TextItem* item = nullptr;
    do {
        item = in.takeWord();
    } while (item &&
             !((sameWord(item->text, "Wagon") || sameWord(item->text, "Engine")) && in.takeOpen()));
    if (!item) {
        return std::nullopt;
    }
    WagonReading wagon;
    while ((item = in.takeWord())) {
        if (item->closesBlock()) {
            wagon.closed = true;
            break;
        }
        BlockEntry entry;
        entry.hasBlock = item->opensBlock();
        if (!entry.hasBlock) {
            entry.keyword = item->text;
            entry.hasBlock = in.takeOpen();
        }
        if (entry.hasBlock) {
            const std::size_t first = in.position();
            if (sameWord(entry.keyword, "Inside")) {
                wagon.inside = readInsideBody(in);
            } else if (wagon.inside && isAlternatesKeyword(TextItem{entry.keyword})) {
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
    }
    while ((item = in.take())) {
        wagon.after.push_back(item->text);
    }
    return wagon;
}

} // namespace orbanil
