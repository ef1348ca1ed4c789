#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace orbanil {

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

// The item takeWord gives for a comment that a ")" follows.
bool isCommentEnd(const TextItem& item);

// Whether the simulator's reader takes a string for a parenthesis when it keeps track of its
// blocks: its text, white space trimmed as .NET trims it, is "(" or ")".
bool readsAsParenthesis(std::string_view text);

} // namespace orbanil
