#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbanil {

// How the simulator reads its rolling-stock files (.wag, .eng): the one place in the program
// that knows its rules. Orbanil uses it to check every block it writes and to read a block
// back into the fields.

// One item of the text: a "(" or ")", or a word or quoted string with its escapes resolved.
struct TextItem
{
    std::string text;
    bool quoted = false;

    bool opensBlock() const { return !quoted && text == "("; }
    bool closesBlock() const { return !quoted && text == ")"; }
};

// The items of a text in order. Items are separated by characters up to 32 and by "(" and ")";
// a quoted item runs to the next unescaped quote (or the end of the text), and "+" between two
// quoted items joins them; an unquoted item runs to a separator or a quote, which it keeps as
// its last character. Inside both, a backslash takes the next character ("\n" a line feed,
// "\t" a tab), except for the first character of an unquoted item.
std::vector<TextItem> readItems(std::string_view text);

// The items of a text read one after another, as the simulator's reader takes them: the one
// reader of every text the simulator reads (wagons, shapes).
class ItemStream
{
public:
    explicit ItemStream(std::string_view text);

    std::size_t position() const { return m_next; }
    std::size_t size() const { return m_items.size(); }
    const TextItem& at(std::size_t i) const { return m_items[i]; }

    // The next item as a string read takes it: as it is.
    const TextItem* take();

    // The next item outside string reads: a comment marker and the item or block after it are
    // passed over.
    const TextItem* takeWord();

    // Takes the "(" that should follow a keyword; takes nothing when another item follows.
    bool takeOpen();

    // Passes over the rest of a block whose "(" was taken, its ")" included.
    void skipRestOfBlock();

private:
    static bool isCommentMarker(const TextItem& item);

    std::vector<TextItem> m_items;
    std::size_t m_next = 0;
};

// Why the simulator did not read a number as it stands.
enum class NumberWarning
{
    Missing,     // the block closed first
    NotANumber,  // read as 0
    TooLarge,    // beyond single precision; read as 0
    UnknownUnit, // read as the number alone
};

// One number of an entry as the simulator reads it: single precision, the invariant culture,
// commas read as thousands separators, and for distances a unit after the number.
struct ReadNumber
{
    std::string written; // the item as it stands, escapes resolved; empty when missing
    float value = 0;     // what the simulator uses, in metres for a distance
    std::optional<NumberWarning> warning;
    bool grouped = false;   // a comma inside was read as a thousands separator
    bool converted = false; // a unit other than metres was applied

    // Read as the plain number it spells: no warning, no comma, no unit.
    bool isPlain() const { return !warning && !grouped && !converted; }
};

enum class NumberUnits
{
    None,
    Distance, // m (the default), cm, mm, km, ft, ', in, "
};

ReadNumber readNumber(std::string_view item, NumberUnits units);

// The three number entries of one viewpoint as the simulator reads them; an entry the block
// lacks stays empty. When an entry stands twice, the later one counts.
struct ViewpointReading
{
    std::optional<std::array<ReadNumber, 3>> headPosition;
    std::optional<std::array<ReadNumber, 3>> rotationLimit;
    std::optional<std::array<ReadNumber, 3>> startDirection;
    std::vector<std::string> warnings; // what the simulator would warn about, in Spanish
};

// The five entries of an Inside block, and the alternate passenger viewpoints that follow it
// in the same block (an ORTSAlternatePassengerViewPoints block before the Inside one is
// skipped whole, as the simulator skips it); each alternate uses the Inside block's files.
struct InsideReading : ViewpointReading
{
    std::optional<std::string> shapeFile;
    std::optional<std::string> soundFile;
    std::vector<ViewpointReading> alternates;
};

// The first Inside block of a text: a whole .wag or .eng, or any part of one, in which the
// block may stand at any depth. Blocks the simulator skips as comments are passed over.
// Nothing when there is none.
std::optional<InsideReading> readFirstInside(std::string_view text);

// One entry of a block: its keyword and, when a block follows it, the items inside that block
// (nested parentheses included).
struct BlockEntry
{
    std::string keyword;
    bool hasBlock = false;
    std::vector<std::string> items;
    bool operator==(const BlockEntry&) const = default;
};

// The first Wagon (or Engine) block of a file as the simulator reads it.
struct WagonReading
{
    std::vector<BlockEntry> entries; // in order, comments left out
    // The Inside entry and the alternate viewpoints after it, read as the simulator reads them.
    std::optional<InsideReading> inside;
    bool closed = false;            // its ")" was found
    std::vector<std::string> after; // the items after that ")"
};

std::optional<WagonReading> readWagon(std::string_view text);

} // namespace orbanil
