#include "core/reader/ItemStream.h"

#include "core/text/AsciiCase.h"
#include "core/text/Utf8.h"

#include <algorithm>
#include <utility>

namespace orbanil {

namespace {

bool isSeparator(char c)
{
    return static_cast<unsigned char>(c) <= 32;
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

} // namespace

bool isCommentEnd(const TextItem& item)
{
    return !item.quoted && item.text == commentEndText;
}

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
        return;
    }
    if (trimmed == ")" && !m_path.empty()) {
        m_path.pop_back();
    }
    m_previous = std::string(trimmed);
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

} // namespace orbanil
