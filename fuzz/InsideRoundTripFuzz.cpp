// The simulator's reading of what Orbanil writes and of what users paste. Any eleven texts the
// fields admit, with up to eight added viewpoints' nine, either make Generate refuse or read
// back exactly as typed inside a Wagon, the items around the blocks untouched; and any text
// read by "Leer Valores" gives field texts that their fields admit.
#include "core/block/KeyFilter.h"
#include "core/reader/InsideReadBack.h"
#include "fuzz/FuzzCheck.h"
#include "tests/support/InsideRoundTrip.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <vector>

namespace {

// A text the field's keystroke rule lets through, made from any bytes.
std::string admittedText(FuzzedDataProvider& provider, orbanil::FilterKind keys)
{
    std::string text = provider.ConsumeRandomLengthString(64);
    if (keys == orbanil::FilterKind::FreeText) {
        return text;
    }
    const std::string_view alphabet = keys == orbanil::FilterKind::SignedDecimal   ? "0123456789.-"
                                      : keys == orbanil::FilterKind::SignedDegrees ? "-0123456789"
                                                                                   : "0123456789";
    for (char& c : text) {
        c = alphabet[static_cast<unsigned char>(c) % alphabet.size()];
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbanil;
    const std::string_view bytes = fuzz::bytesOf(data, size);
    if (const std::optional<InsideReading> reading = readFirstInside(bytes)) {
        const InsideReadBack read = readBackInside(*reading, ViewParams{});
        for (const ViewField& field : viewFields) {
            FUZZ_CHECK(isAdmittedUtf8(field.keys, read.fields.*field.member));
            for (const ViewParams& added : read.added) {
                FUZZ_CHECK(isAdmittedUtf8(field.keys, added.*field.member));
            }
        }
    }
    readWagon(bytes);

    FuzzedDataProvider provider(data, size);
    ViewParams typed;
    for (const ViewField& field : viewFields) {
        typed.*field.member = admittedText(provider, field.keys);
        if (!isAdmittedUtf8(field.keys, typed.*field.member)) {
            return 0; // a name no field would hold
        }
    }
    std::vector<ViewParams> added(provider.ConsumeIntegralInRange<std::size_t>(0, 8));
    for (ViewParams& viewpoint : added) {
        for (const ViewField& field : viewFields) {
            if (isNumberField(field)) {
                viewpoint.*field.member = admittedText(provider, field.keys);
            }
        }
    }
    const std::optional<std::string> fault = testing::roundTripFault(typed, added);
    if (fault) {
        std::fprintf(stderr, "%s\n", fault->c_str());
    }
    FUZZ_CHECK(!fault);
    return 0;
}
