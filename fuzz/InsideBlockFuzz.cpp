// The Inside block on any eleven texts: the fixed text plus each text once, in field order,
// seven lines joined by CR LF.
#include "core/block/InsideBlock.h"
#include "fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>

namespace {

// The worked example's 192 characters less its 40 characters of values.
constexpr std::size_t fixedTextLength = 152;

std::size_t crLfCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
         at = text.find("\r\n", at + 2)) {
        ++count;
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Ten texts each end at a backslash followed by anything but a backslash ("\\" is one
    // backslash); the sound file takes the rest.
    FuzzedDataProvider provider(data, size);
    using orbanil::viewFields;
    orbanil::ViewParams p;
    for (std::size_t i = 0; i + 1 < viewFields.size(); ++i) {
        p.*viewFields[i].member = provider.ConsumeRandomLengthString();
    }
    p.*viewFields.back().member = provider.ConsumeRemainingBytesAsString();

    const std::string block = orbanil::generateInside(p);
    std::size_t valueLength = 0;
    std::size_t valueLineEnds = 0;
    for (const orbanil::ViewField& field : viewFields) {
        valueLength += (p.*field.member).size();
        valueLineEnds += crLfCount(p.*field.member);
    }
    FUZZ_CHECK(block.size() == fixedTextLength + valueLength);
    FUZZ_CHECK(block.starts_with("Inside (\r\n"));
    FUZZ_CHECK(block.ends_with("\r\n)"));
    // Blanks and quotes stand on both sides of every value, so values add no line end and
    // join none with the block's own six.
    FUZZ_CHECK(crLfCount(block) == 6 + valueLineEnds);
    // Every value is there unchanged, after the one before it.
    std::size_t from = 0;
    for (const orbanil::ViewField& field : viewFields) {
        const std::string& value = p.*field.member;
        from = block.find(value, from);
        FUZZ_CHECK(from != std::string::npos);
        from += value.size();
    }
    return 0;
}
