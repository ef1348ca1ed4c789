#include "core/sketch/HeadDescription.h"

#include "core/block/Viewpoints.h"
#include "core/text/Wording.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace orbanil::sketch {

namespace {

struct AxisWords
{
    const char* name;
    const char* beyondHigh;
    const char* beyondLow;
};

constexpr AxisWords axisWords[] = {
    {"X", "a la derecha de la caja", "a la izquierda de la caja"},
    {"Y", "por encima de la caja", "por debajo del carril"},
    {"Z", "por delante de la caja", "por detrás de la caja"},
};

// With several viewpoints the sides are said as the sides of the wagon.
constexpr AxisWords namedSideWords{"X", "por fuera del lateral derecho",
                                   "por fuera del lateral izquierdo"};

// Who a sentence is about: the one head, or a viewpoint named among several.
struct Subject
{
    std::string who; // "La cabeza", "La vista 3"
    std::string of;  // "de la cabeza", "de la vista 3"
    bool named = false;
};

Subject subjectOf(std::size_t viewpoint, bool named)
{
    if (!named) {
        return Subject{"La cabeza", "de la cabeza", false};
    }
    const std::string words = viewpointWords(viewpoint);
    return Subject{"La " + words, "de la " + words, true};
}

// Says how far outside the box a head is on each axis and which coordinates are not numbers
// or too large ones; empty when nothing of that is to be said.
std::string describeHead(const std::array<std::optional<Axis>, 3>& axes,
                         const std::array<std::optional<double>, 3>& head,
                         const std::array<bool, 3>& tooLarge, const Subject& subject)
{
    std::vector<std::string> beyond;
    std::vector<std::string> notNumbers;
    std::vector<std::string> tooLargeOnes;
    for (std::size_t i = 0; i < axes.size(); ++i) {
        if (tooLarge[i]) {
            tooLargeOnes.emplace_back(axisWords[i].name);
        } else if (!head[i]) {
            notNumbers.emplace_back(axisWords[i].name);
        }
        if (axes[i] && head[i] && axes[i]->isOutside(*head[i])) {
            const AxisWords& words = subject.named && i == 0 ? namedSideWords : axisWords[i];
            const Span box = axes[i]->box;
            const bool high = *head[i] > box.high;
            beyond.push_back(distanceText(high ? *head[i] - box.high : box.low - *head[i]) + " " +
                             (high ? words.beyondHigh : words.beyondLow));
        }
    }

    std::string text;
    const auto sentence = [&text](const std::string& s) { text += (text.empty() ? "" : " ") + s; };
    if (!beyond.empty()) {
        sentence(subject.who + " está " + joinedWithY(beyond) + ".");
    }
    const auto coordinates = [&sentence, &subject](const std::vector<std::string>& names,
                                                   const char* isWhat, const char* areWhat) {
        if (names.size() == 1) {
            sentence("La coordenada " + names.front() + " " + subject.of + " " + isWhat + ".");
        } else if (!names.empty()) {
            sentence("Las coordenadas " + joinedWithY(names) + " " + subject.of + " " + areWhat +
                     ".");
        }
    };
    coordinates(tooLargeOnes, "es demasiado grande", "son demasiado grandes");
    coordinates(notNumbers, "aún no es un número", "aún no son números");
    return text;
}

} // namespace

std::string describeHeads(const CameraViewNumbers& numbers,
                          const std::array<std::optional<Axis>, 3>& axes)
{
    const bool named = !numbers.others.empty();
    const bool boxUsable = axes[0] && axes[1] && axes[2];
    std::vector<std::pair<std::size_t, std::string>> lines;
    const auto add = [&](std::size_t viewpoint, const std::array<std::optional<double>, 3>& head,
                         const std::array<bool, 3>& tooLarge) {
        const Subject subject = subjectOf(viewpoint, named);
        std::string text = describeHead(axes, head, tooLarge, subject);
        if (text.empty() && boxUsable) {
            text = subject.who + " está dentro de la caja.";
        }
        if (!text.empty()) {
            lines.emplace_back(viewpoint, std::move(text));
        }
    };
    add(numbers.shown, {numbers.x, numbers.y, numbers.z}, numbers.headTooLarge);
    for (const OtherHead& other : numbers.others) {
        add(other.viewpoint, {other.x, other.y, other.z}, other.headTooLarge);
    }
    std::ranges::sort(lines);
    std::string text;
    for (const auto& [viewpoint, line] : lines) {
        text += (text.empty() ? "" : named ? "\n" : " ") + line;
    }
    if (!boxUsable) {
        const std::string box = "Las dimensiones de la caja no son válidas.";
        text += (text.empty() ? "" : named ? "\n" : " ") + box;
    }
    return text;
}

} // namespace orbanil::sketch
