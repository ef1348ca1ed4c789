#include "core/shape/ShapeDescriptor.h"

#include "core/reader/ItemStream.h"
#include "core/text/AsciiCase.h"

#include <charconv>

namespace orbanil {

namespace {

// A keyword's block, or a block without one, passed over whole.
void skipBlockAfter(ItemStream& in, const TextItem& item)
{
    if (item.opensBlock() || in.takeOpen()) {
        in.skipRestOfBlock();
    }
}

// The number of a block whose "(" was taken, its ")" taken too.
int numberBlock(ItemStream& in)
{
    const TextItem* item = in.takeWord();
    if (!item || item->closesBlock()) {
        return 0;
    }
    in.skipRestOfBlock();
    int value = 0;
    const std::string& text = item->text;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

// The entries of the shape block, after its "(" and the shape's file name.
int readShapeEntries(ItemStream& in)
{
    int flags = 0;
    while (const TextItem* entry = in.takeWord()) {
        if (entry->closesBlock()) {
            break;
        }
        if (sameWord(entry->text, "ESD_Alternative_Texture") && in.takeOpen()) {
            flags = numberBlock(in);
        } else {
            skipBlockAfter(in, *entry);
        }
    }
    return flags;
}

} // namespace

int alternativeTextureFlags(std::string_view utf8Text)
{
    ItemStream in(utf8Text);
    while (const TextItem* item = in.takeWord()) {
        if (item->closesBlock()) {
            continue;
        }
        if (sameWord(item->text, "shape") && in.takeOpen()) {
            in.take(); // the shape's file name, which nothing checks
            return readShapeEntries(in);
        }
        skipBlockAfter(in, *item);
    }
    return 0;
}

} // namespace orbanil
