#pragma once

#include "core/reader/ReadNumber.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbanil {

// How the simulator reads the Inside block and the viewpoints of its rolling-stock files (.wag,
// .eng), item by item through its reader (ItemStream) and its number rule (ReadNumber). Orbanil
// uses it to check every block it writes and to read a block back into the fields.

// The three number entries of one viewpoint as the simulator reads them; an entry the block
// lacks stays empty. When an entry stands twice, the later one counts.
struct ViewpointReading
{
    std::optional<std::array<ReadNumber, 3>> headPosition;
    std::optional<std::array<ReadNumber, 3>> rotationLimit;
    std::optional<std::array<ReadNumber, 3>> startDirection;
    std::vector<std::string> warnings; // what the simulator would warn about, in Spanish
};

// How the messages name the three numbers of an entry.
inline constexpr std::array<const char*, 3> axisNames{"X", "Y", "Z"};

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
