#pragma once

#include <array>
#include <cstddef>
#include <deque>
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
    // A backslash took a character other than a backslash or a double quote: a path written
    // with single backslashes, which the simulator reads as escapes.
    bool singleBackslash = false;

    bool opensBlock() const { return !quoted && text == "("; }
    bool closesBlock() const { return !quoted && text == ")"; }
};

// The items of a text in order, as a string read takes them. Items are separated by characters
// up to 32 and by "(" and ")"; a quoted item runs to the next unescaped quote (or the end of
// the text), and "+" between two quoted items joins them (a "+" followed by anything else ends
// the item and is dropped); an unquoted item runs to a separator or a double quote, which ends
// it and is dropped. Inside both, a backslash takes the next character ("\n" a line feed, "\t"
// a tab), except for the first character of an unquoted item.
std::vector<TextItem> readItems(std::string_view text);

// The items of a text read one after another, as the simulator's reader takes them: the one
// reader of every text the simulator reads (wagons, shapes).
class ItemStream
{
public:
    explicit ItemStream(std::string_view text);

    // Items are counted as a string read splits the text; the pieces of a comment marker are
    // passed over, not taken. An item the stream gives stays valid as long as the stream.
    std::size_t position() const { return m_next; }
    std::size_t size() const { return m_order.size(); }
    const TextItem& at(std::size_t i) const { return m_items[m_order[i]]; }
    // The text of the items first to last - 1 as they stand, quotes and escapes as written.
    std::string_view source(std::size_t first, std::size_t last) const;

    // The next item as a string read takes it: as it is.
    const TextItem* take();

    // The next item outside string reads. A "#" or "_" marker (unquoted) runs to the next blank
    // or parenthesis, quotes and backslashes included; "skip" and "comment" (quoted or not) are
    // markers too. The item or block after a marker is passed over; a ")" right after a "#"
    // marker is not its comment but the next item, while "skip" and "comment" take it. When a
    // ")" follows the comment, "#\u00b6" stands for the item, as in the simulator's reader.
    const TextItem* takeWord();

    // Takes the "(" that should follow a keyword; takes nothing when another item follows.
    bool takeOpen();

    // Passes over the rest of a block whose "(" was taken, its ")" included.
    void skipRestOfBlock();

    // The keywords of the blocks the reader stands in, outermost first, as the simulator keeps
    // them to know which entry an item belongs to: every item it reads whose text, white space
    // trimmed, is "(" or ")" opens or closes one, quoted or not.
    const std::vector<std::string>& blockPath() const { return m_path; }

private:
    const TextItem* next();
    void noteBlocks(const TextItem& item);
    bool endMarker();
    bool nextClosesBlock() const;

    std::string m_text;
    std::deque<TextItem> m_items;      // every item read, never moved: what take() gave stays
    std::vector<std::size_t> m_order;  // the items of the text in order, by their place there
    std::vector<std::size_t> m_starts; // where each of those begins in the text
    std::vector<std::size_t> m_ends;   // and where it ends
    std::size_t m_next = 0;
    std::vector<std::string> m_path;
    std::string m_previous; // the last item read, which names a block its "(" opens
    TextItem m_commentEnd;
};

// Whether the simulator's reader takes a string for a parenthesis when it keeps track of its
// blocks: its text, white space trimmed as .NET trims it, is "(" or ")".
bool readsAsParenthesis(std::string_view text);

// Why the simulator did not read a number as it stands.
enum class NumberWarning
{
    Missing,        // the block closed first: read as 0
    NotANumber,     // read as 0
    UnitNotAllowed, // a number with a unit where no unit is read: read as 0
    TooLarge,       // beyond single precision: read as 0 (infinity when a unit takes it there)
    UnknownUnit,    // read as the number alone
    StopsLoading,   // a distance whose digits end in a lower-case "e": the car does not load
};

// One number of an entry as the simulator reads it: a double in the invariant culture first,
// commas read as thousands separators, then single precision; for distances, a unit after the
// number scales the single-precision value.
struct ReadNumber
{
    std::string written; // the item as it stands; empty when missing
    float value = 0;     // what the simulator uses, in metres for a distance
    std::optional<NumberWarning> warning;
    bool grouped = false;   // a comma inside was read as a thousands separator
    bool converted = false; // a unit, or a "#" comment, after the number was read

    // Read as the plain number it spells: no warning, no comma, no unit.
    bool isPlain() const { return !warning && !grouped && !converted; }
};

enum class NumberUnits
{
    None,
    Distance, // m (the default), cm, mm, km, ft, in and in/2 (half inches)
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

// A file name of an entry as the simulator reads it: the first item of the entry.
struct ReadName
{
    std::string text;    // what the simulator uses
    std::string written; // the entry's items as they stand, its parentheses left out
    bool quoted = false;
    bool singleBackslash = false;
    bool cut = false; // more items followed the name in its entry
};

// Where an Inside block stands, as the simulator reads a wagon. A text with no Wagon or Engine
// block at its top is a part of one, read as if pasted into a Wagon.
enum class InsidePlace
{
    Wagon,                  // in a Wagon block, where the simulator reads it
    AfterSkippedAlternates, // in a Wagon, after alternate viewpoints that made it skip the rest
    Engine,                 // in an Engine block
    OutsideBlocks,          // outside every block of a file
    OtherBlock,             // inside another block
};

// The five entries of an Inside block, and the alternate passenger viewpoints the simulator
// adds to it: those of every ORTSAlternatePassengerViewPoints block in a Wagon after the Inside
// was read, in that Wagon or a later one.
struct InsideReading : ViewpointReading
{
    std::optional<ReadName> shapeFile;
    std::optional<ReadName> soundFile;
    std::vector<ViewpointReading> alternates;
    InsidePlace place = InsidePlace::Wagon;
    std::string block; // for OtherBlock, the keyword of the block it stands in
    // ORTSAlternatePassengerViewPoints blocks in a Wagon before any Inside: the simulator skips
    // each with the rest of its Wagon.
    std::size_t skippedAlternates = 0;
};

// The Inside block the simulator reads from a text: a whole .wag or .eng, or any part of one.
// When it reads none, the first Inside block anywhere, since the user gave it, with the
// alternates after it in the same block, and its place saying why the simulator would not read
// it. Blocks the simulator skips as comments are passed over. Nothing when there is none.
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

// The first Wagon (or Engine) block at the top of a file as the simulator reads it.
struct WagonReading
{
    std::vector<BlockEntry> entries; // in order, comments left out
    // The Inside entry of a Wagon and the alternate viewpoints after it, read as the simulator
    // reads them.
    std::optional<InsideReading> inside;
    // Its ")" was found where the simulator expects it; not when an item taken for a
    // parenthesis moved the simulator's idea of where its entries stand.
    bool closed = false;
    std::vector<std::string> after; // the items after that ")", or after the entries it lost
};

std::optional<WagonReading> readWagon(std::string_view text);

} // namespace orbanil
