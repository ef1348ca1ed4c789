// The text form of a shape's blocks, item by item through the simulator's text reader: a block
// is a keyword, an optional label and "(", comments are passed over as everywhere else.
#include "core/reader/ItemStream.h"
#include "core/reader/ReadNumber.h"
#include "core/shape/FormatError.h"
#include "core/shape/ShapeBlocks.h"
#include "core/text/Wording.h"

#include <charconv>

namespace orbanil {

namespace {

class TextBlocks final : public BlockSource
{
public:
    explicit TextBlocks(std::string_view utf8) : m_in(utf8) {}

    std::optional<BlockStart> enter() override
    {
        const TextItem* item = peek();
        // Extra ")" after the last block are passed over, as the simulator does.
        while (m_open.empty() && item && item->closesBlock()) {
            next();
            item = peek();
        }
        if (!item) {
            if (m_open.empty()) {
                return std::nullopt;
            }
            unclosed();
        }
        if (item->closesBlock()) {
            return std::nullopt;
        }
        next();
        if (item->opensBlock()) {
            m_open.push_back("( … )"); // a block without a keyword is a comment
            return BlockStart{token::comment, {}};
        }
        BlockStart start{tokenId(item->text), {}};
        const std::string keyword = item->text;
        const TextItem* after = next();
        if (after && !after->opensBlock() && !after->closesBlock()) {
            start.label = after->text;
            after = next();
        }
        if (!after || !after->opensBlock()) {
            fail("falta «(» después de " + quoted(keyword));
        }
        m_open.push_back(keyword);
        return start;
    }

    void leave() override
    {
        for (int depth = 1; depth > 0;) {
            const TextItem* item = next();
            if (!item) {
                unclosed();
            }
            depth += item->opensBlock() ? 1 : item->closesBlock() ? -1 : 0;
        }
        m_open.pop_back();
    }

    bool atEnd() override
    {
        const TextItem* item = peek();
        if (!item) {
            unclosed();
        }
        return item->closesBlock();
    }

    std::int32_t readInt() override
    {
        std::string_view text = value("un número entero");
        if (text.ends_with(',')) {
            text.remove_suffix(1);
        }
        if (text.starts_with('+')) {
            text.remove_prefix(1);
        }
        std::int32_t number = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (error != std::errc() || end != text.data() + text.size()) {
            fail(quoted(m_last->text) + " no es un número entero");
        }
        return number;
    }

    std::uint32_t readFlags() override
    {
        const std::string_view text = value("un número hexadecimal");
        std::uint32_t number = 0;
        const auto [end, error] =
            std::from_chars(text.data(), text.data() + text.size(), number, 16);
        if (error != std::errc() || end != text.data() + text.size()) {
            fail(quoted(text) + " no es un número hexadecimal");
        }
        return number;
    }

    float readFloat() override
    {
        const ReadNumber number = readNumber(value("un número"), NumberUnits::None);
        if (number.warning == NumberWarning::NotANumber) {
            fail(quoted(number.written) + " no es un número");
        }
        if (number.warning == NumberWarning::TooLarge) {
            fail(quoted(number.written) + " es demasiado grande");
        }
        return number.value; // a unit after it is dropped, as the simulator drops it
    }

    std::string readString() override { return std::string(value("un nombre")); }

private:
    const TextItem* peek()
    {
        if (!m_peeked) {
            m_peeked = true;
            m_next = m_in.takeWord();
        }
        return m_next;
    }

    const TextItem* next()
    {
        const TextItem* item = peek();
        m_peeked = false;
        return item;
    }

    // The next item as a value: neither a parenthesis nor the end.
    std::string_view value(const char* what)
    {
        m_last = next();
        if (!m_last) {
            unclosed();
        }
        if (m_last->opensBlock() || m_last->closesBlock()) {
            fail(std::string("falta ") + what);
        }
        return m_last->text;
    }

    [[noreturn]] void unclosed() const
    {
        throw FormatError("el archivo se acaba antes de cerrar el bloque " +
                          (m_open.empty() ? std::string("shape") : m_open.back()));
    }

    ItemStream m_in;
    bool m_peeked = false;
    const TextItem* m_next = nullptr;
    const TextItem* m_last = nullptr;
};

} // namespace

std::unique_ptr<BlockSource> textBlocks(std::string_view utf8)
{
    return std::make_unique<TextBlocks>(utf8);
}

} // namespace orbanil
