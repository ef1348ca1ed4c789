#include "core/reader/SimulatorReader.h"

#include "core/text/Utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>
#include <utility>

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

std::size_t skipSeparators(std::string_view text, std::size_t at)
{
    while (at < text.size() && isSeparator(text[at])) {
        ++at;
    }
    return at;
}

// The character a backslash takes, added to `item`; `at` moves past it.
void takeEscaped(std::string_view text, std::size_t& at, TextItem& item)
{
    if (at == text.size()) {
        return;
    }
    const char c = text[at++];
    item.text += c == 'n' ? '\n' : c == 't' ? '\t' : c;
    item.singleBackslash = item.singleBackslash || (c != '\\' && c != '"');
}

// One item read from a character that is not a separator.
struct ScannedItem
{
    TextItem item;
    std::size_t end = 0;  // past its last character as written
    std::size_t next = 0; // where reading goes on
};

// From an opening quote to past its closing quote, or to the end of the text; false then.
bool scanQuoted(std::string_view text, std::size_t& at, TextItem& item)
{
    ++at;
    while (at < text.size()) {
        const char c = text[at++];
        if (c == '"') {
            return true;
        }
        if (c == '\\') {
            takeEscaped(text, at, item);
        } else {
            item.text += c;
        }
    }
    return false;
}

ScannedItem scanItem(std::string_view text, std::size_t at)
{
    ScannedItem scanned;
    TextItem& item = scanned.item;
    const char first = text[at];
    if (first == '(' || first == ')') {
        item.text = std::string(1, first);
        scanned.end = scanned.next = at + 1;
        return scanned;
    }
    if (first == '"') {
        item.quoted = true;
        // "a" + "b" is one item; a "+" that no quote follows is dropped.
        while (scanQuoted(text, at, item)) {
            scanned.end = scanned.next = at;
            std::size_t plus = skipSeparators(text, at);
            if (plus == text.size() || text[plus] != '+') {
                return scanned;
            }
            at = skipSeparators(text, plus + 1);
            scanned.next = at;
            if (at == text.size() || text[at] != '"') {
                return scanned;
            }
        }
        scanned.end = scanned.next = at;
        return scanned;
    }
    item.text = std::string(1, first); // taken as it is, a backslash too
    ++at;
    while (at < text.size()) {
        const char c = text[at];
        if (c == '(' || c == ')') {
            break;
        }
        if (c == '"') {
            ++at; // ends the item, and is not kept
            break;
        }
        if (isSeparator(c)) {
            scanned.end = at;
            scanned.next = at + 1;
            return scanned;
        }
        ++at;
        if (c == '\\') {
            takeEscaped(text, at, item);
        } else {
            item.text += c;
        }
    }
    scanned.end = scanned.next = at;
    return scanned;
}

// Every item from `at` to the end of the text, with where each begins and ends.
template <class Add> void scanItems(std::string_view text, std::size_t at, Add add)
{
    at = skipSeparators(text, at);
    while (at < text.size()) {
        ScannedItem scanned = scanItem(text, at);
        if (!add(std::move(scanned.item), at, scanned.end)) {
            return;
        }
        at = skipSeparators(text, scanned.next);
    }
}

bool isHashMarker(const TextItem& item)
{
    return !item.quoted && (item.text.starts_with('#') || item.text.starts_with('_'));
}

bool isCommentWord(const TextItem& item)
{
    return sameWord(item.text, "comment") || sameWord(item.text, "skip");
}

const char* const commentEndText = "#\xc2\xb6"; // "#¶"

bool isCommentEnd(const TextItem& item)
{
    return !item.quoted && item.text == commentEndText;
}

} // namespace

std::vector<TextItem> readItems(std::string_view text)
{
    std::vector<TextItem> items;
    scanItems(text, 0, [&items](TextItem&& item, std::size_t, std::size_t) {
        items.push_back(std::move(item));
        return true;
    });
    return items;
}

bool readsAsParenthesis(std::string_view text)
{
    const std::string_view trimmed = trimDotNetWhiteSpace(text);
    return trimmed == "(" || trimmed == ")";
}

ItemStream::ItemStream(std::string_view text) : m_text(text), m_commentEnd{commentEndText}
{
    scanItems(m_text, 0, [this](TextItem&& item, std::size_t start, std::size_t end) {
        m_order.push_back(m_items.size());
        m_items.push_back(std::move(item));
        m_starts.push_back(start);
        m_ends.push_back(end);
        return true;
    });
}

std::string_view ItemStream::source(std::size_t first, std::size_t last) const
{
    if (first >= last || last > m_order.size()) {
        return {};
    }
    return std::string_view(m_text).substr(m_starts[first], m_ends[last - 1] - m_starts[first]);
}

const TextItem* ItemStream::next()
{
    return m_next < m_order.size() ? &m_items[m_order[m_next++]] : nullptr;
}

void ItemStream::noteBlocks(const TextItem& item)
{
    const std::string_view trimmed = trimDotNetWhiteSpace(item.text);
    if (trimmed == "(") {
        m_path.push_back(std::exchange(m_previous, {}));
    } else if (trimmed == ")") {
        if (!m_path.empty()) {
            m_path.pop_back();
        }
        m_previous = ")";
    } else {
        m_previous = std::string(trimmed);
    }
}

const TextItem* ItemStream::take()
{
    const TextItem* item = next();
    if (item) {
        noteBlocks(*item);
    }
    return item;
}

bool ItemStream::nextClosesBlock() const
{
    return m_next < m_order.size() && at(m_next).closesBlock();
}

// The marker just taken runs in the text to the next blank or parenthesis, whatever a string
// read makes of those characters: reading goes on from there. False when it runs to the end.
bool ItemStream::endMarker()
{
    std::size_t resume = m_starts[m_next - 1] + 1;
    for (;;) {
        if (resume == m_text.size()) {
            m_next = m_order.size();
            return false;
        }
        const char c = m_text[resume];
        if (c == '(' || c == ')') {
            break;
        }
        ++resume;
        if (isSeparator(c)) {
            break;
        }
    }
    resume = skipSeparators(m_text, resume);
    const auto starts = m_starts.begin();
    std::size_t first = static_cast<std::size_t>(
        std::lower_bound(starts + static_cast<std::ptrdiff_t>(m_next), m_starts.end(), resume) -
        starts);
    if (first == m_order.size() ? resume == m_text.size() : m_starts[first] == resume) {
        m_next = first;
        return true;
    }
    // The marker ends inside an item, as a string read splits the text: read the items again
    // from there up to where they agree with those read before.
    const std::size_t cut = first - 1;
    std::vector<std::size_t> order;
    std::vector<std::size_t> itemStarts;
    std::vector<std::size_t> itemEnds;
    std::size_t agreeing = first;
    bool agreed = false;
    scanItems(m_text, resume, [&](TextItem&& item, std::size_t start, std::size_t end) {
        while (agreeing < m_order.size() && m_starts[agreeing] < start) {
            ++agreeing;
        }
        agreed = agreeing < m_order.size() && m_starts[agreeing] == start;
        if (agreed) {
            return false;
        }
        order.push_back(m_items.size());
        m_items.push_back(std::move(item));
        itemStarts.push_back(start);
        itemEnds.push_back(end);
        return true;
    });
    if (!agreed) {
        agreeing = m_order.size(); // the items read before, from the cut on, all go
    }
    const auto replace = [cut, agreeing](std::vector<std::size_t>& old,
                                         const std::vector<std::size_t>& fresh) {
        const auto from = old.begin() + static_cast<std::ptrdiff_t>(cut);
        old.insert(old.erase(from, old.begin() + static_cast<std::ptrdiff_t>(agreeing)),
                   fresh.begin(), fresh.end());
    };
    replace(m_order, order);
    replace(m_starts, itemStarts);
    replace(m_ends, itemEnds);
    m_next = cut;
    return true;
}

const TextItem* ItemStream::takeWord()
{
    // The markers whose comment is still to come, innermost last: true for "#" and "_".
    std::vector<bool> open;
    for (;;) {
        const TextItem* item = next();
        if (!item) {
            return nullptr;
        }
        if (isHashMarker(*item)) {
            if (!endMarker()) {
                return nullptr;
            }
            open.push_back(true);
            continue;
        }
        if (isCommentWord(*item)) {
            open.push_back(false);
            continue;
        }
        noteBlocks(*item);
        // The item is the innermost marker's comment; what the marker stands for is the item
        // after it, which may be the comment of the marker around it in turn.
        bool readOn = false;
        while (!open.empty() && !readOn) {
            const bool hash = open.back();
            open.pop_back();
            if (hash && item->text == ")") {
                continue;
            }
            if (item->text == "(") {
                skipRestOfBlock();
            }
            if (nextClosesBlock()) {
                item = &m_commentEnd;
            } else {
                readOn = true;
            }
        }
        if (!readOn) {
            return item;
        }
    }
}

bool ItemStream::takeOpen()
{
    if (m_next < m_order.size() && at(m_next).opensBlock()) {
        noteBlocks(at(m_next++));
        return true;
    }
    return false;
}

void ItemStream::skipRestOfBlock()
{
    int depth = 1;
    while (depth > 0) {
        const TextItem* item = next();
        if (!item) {
            return;
        }
        if (item->opensBlock() || item->closesBlock()) {
            noteBlocks(*item);
            depth += item->opensBlock() ? 1 : -1;
        }
    }
}

namespace {

bool isNumberWhiteSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// What .NET's parser of numbers takes from a text in the invariant culture, blanks allowed at
// either end, a sign in front, commas between digits before the point, an exponent: the plain
// form from_chars reads. A number whose digits are all zero has no sign.
struct DotNetNumber
{
    std::string plain;
    bool grouped = false;
};

std::optional<DotNetNumber> dotNetNumber(std::string_view s)
{
    DotNetNumber number;
    std::string& plain = number.plain;
    std::size_t i = 0;
    while (i < s.size() && isNumberWhiteSpace(s[i])) {
        ++i;
    }
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i++] == '-';
    }
    bool digits = false;
    bool nonZero = false;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            digits = true;
            nonZero = nonZero || s[i] != '0';
            plain += s[i];
        } else if (s[i] == '.' && !point) {
            point = true;
            plain += '.';
        } else if (s[i] == ',' && digits && !point) {
            number.grouped = true;
        } else {
            break;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t e = i + 1;
        std::string exponent = "e";
        if (e < s.size() && (s[e] == '+' || s[e] == '-')) {
            exponent += s[e++];
        }
        if (e < s.size() && isDigit(s[e])) {
            while (e < s.size() && isDigit(s[e])) {
                exponent += s[e++];
            }
            plain += exponent;
            i = e;
        }
    }
    while (i < s.size() && isNumberWhiteSpace(s[i])) {
        ++i;
    }
    if (i != s.size()) {
        return std::nullopt;
    }
    if (negative && nonZero) {
        plain.insert(plain.begin(), '-');
    }
    return number;
}

// Single precision through a double, as the simulator's runtime parses: nothing when either
// overflows. 16777217.000000001 is the double 16777217, then the single 16777216.
std::optional<float> throughDouble(const std::string& plain)
{
    double value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Past a double's range: too large, or too small, which reads as 0; the exponent tells.
        const std::size_t e = plain.find('e');
        const bool tiny = e != std::string::npos && plain[e + 1] == '-';
        if (!tiny) {
            return std::nullopt;
        }
        value = 0;
    }
    const auto single = static_cast<float>(value);
    if (std::isinf(single)) {
        return std::nullopt;
    }
    return single;
}

// A distance as the simulator splits it: a number of digits, points, commas, a leading sign
// and an exponent's "e" with its sign or first digit, then the unit, blanks before it skipped
// and a "#" comment cut off.
struct SplitDistance
{
    std::string_view number;
    std::optional<std::string> unit; // lower case, trimmed; nothing when the item is all number
    bool stopsLoading = false;       // a lower-case "e" ends the digits: the reader fails there
};

SplitDistance splitDistance(std::string_view s)
{
    SplitDistance split;
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t i = 0;
    for (; i < s.size(); end = ++i) {
        char c = s[i];
        if (i == 0 && c == '+') {
            ++begin;
            continue;
        }
        if ((i == 0 && c == '-') || c == '.' || c == ',') {
            continue;
        }
        if (c == 'e' || (c == 'E' && i + 1 < s.size())) {
            if (i + 1 == s.size()) {
                split.stopsLoading = true;
                split.number = s.substr(begin, i - begin);
                return split;
            }
            c = s[i + 1];
            if (c == '+' || c == '-') {
                ++i;
                continue;
            }
        }
        if (!isDigit(c)) {
            break;
        }
    }
    if (i == s.size()) {
        split.number = s;
        return split;
    }
    while (i < s.size() && s[i] == ' ') {
        ++i;
    }
    std::string_view unit = s.substr(i);
    unit = unit.substr(0, unit.find('#'));
    std::string lower(trimDotNetWhiteSpace(unit));
    std::ranges::transform(lower, lower.begin(), asciiLower);
    split.unit = std::move(lower);
    split.number = s.substr(begin, end - begin);
    return split;
}

std::optional<double> distanceScale(std::string_view unit)
{
    const std::pair<std::string_view, double> units[] = {
        {"", 1},      {"m", 1},       {"cm", 0.01},   {"mm", 0.001},
        {"km", 1000}, {"ft", 0.3048}, {"in", 0.0254}, {"in/2", 0.0127},
    };
    for (const auto& [name, scale] : units) {
        if (unit == name) {
            return scale;
        }
    }
    return std::nullopt;
}

// The single-precision number of a text without its unit; the warning when it does not read.
std::optional<float> readSingle(std::string_view text, ReadNumber& read)
{
    while (text.ends_with(',')) {
        text.remove_suffix(1);
    }
    const std::optional<DotNetNumber> number = dotNetNumber(text);
    if (!number) {
        read.warning = NumberWarning::NotANumber;
        return std::nullopt;
    }
    read.grouped = number->grouped;
    const std::optional<float> single = throughDouble(number->plain);
    if (!single) {
        read.warning = NumberWarning::TooLarge;
    }
    return single;
}

// A letter, or the first byte of a character beyond ASCII such as "°".
bool beginsUnit(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           static_cast<unsigned char>(c) >= 0x80;
}

} // namespace

ReadNumber readNumber(std::string_view item, NumberUnits units)
{
    ReadNumber read;
    read.written = std::string(item);
    if (units == NumberUnits::None) {
        if (const std::optional<float> single = readSingle(item, read)) {
            read.value = *single;
        } else if (const SplitDistance split = splitDistance(item);
                   read.warning == NumberWarning::NotANumber && split.unit &&
                   !split.unit->empty() && beginsUnit(split.unit->front()) &&
                   dotNetNumber(split.number)) {
            read.warning = NumberWarning::UnitNotAllowed;
        }
        return read;
    }

    const SplitDistance split = splitDistance(item);
    if (split.stopsLoading) {
        ReadNumber before;
        const std::optional<float> single = readSingle(split.number, before);
        read.value = single ? *single : 0;
        read.warning = NumberWarning::StopsLoading;
        return read;
    }
    double scale = 1;
    if (split.unit) {
        read.converted = true;
        if (const std::optional<double> known = distanceScale(*split.unit)) {
            scale = *known;
        } else {
            read.warning = NumberWarning::UnknownUnit;
        }
    }
    if (split.number.empty()) {
        // Nothing but a unit reads as 0; an unknown one warns, as a number would that is none.
        if (read.warning) {
            read.warning = NumberWarning::NotANumber;
        }
        return read;
    }
    const std::optional<NumberWarning> unitWarning = read.warning;
    read.warning.reset();
    const std::optional<float> single = readSingle(split.number, read);
    if (!single) {
        read.grouped = false;
        return read;
    }
    read.warning = unitWarning;
    // The single-precision number is scaled, and the product made single again.
    read.value = scale == 1 ? *single : static_cast<float>(scale * static_cast<double>(*single));
    if (std::isinf(read.value)) {
        read.warning = NumberWarning::TooLarge;
    }
    return read;
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
