#pragma once

#include "core/ViewParams.h"

#include <cstddef>
#include <string>
#include <vector>

namespace orbanil {

// What the list of viewpoints calls one: "Principal" for the first, the Inside block's, then
// "Vista 2", "Vista 3" …
std::string viewpointName(std::size_t viewpoint);
// What a sentence calls one: "vista principal", "vista 2" …
std::string viewpointWords(std::size_t viewpoint);

// The numbers of a wagon's viewpoints: the principal's first, always there, then the added
// ones in the order the block lists them. Only the nine numbers of each are kept.
class Viewpoints
{
public:
    Viewpoints();

    std::size_t size() const { return m_entries.size(); }
    const ViewParams& numbers(std::size_t viewpoint) const;
    void setNumbers(std::size_t viewpoint, const ViewParams& numbers);

    // Adds a viewpoint after `viewpoint`, a copy of its numbers; gives the new one's place.
    std::size_t addAfter(std::size_t viewpoint);
    // Removes an added viewpoint; the principal stays.
    void remove(std::size_t viewpoint);
    // Whether its numbers differ from those it was added (or read) with.
    bool changedSinceAdded(std::size_t viewpoint) const;
    // Whether any added viewpoint was changed so.
    bool anyAddedChanged() const;

    // The added viewpoints' numbers, in order.
    std::vector<ViewParams> added() const;
    // The added viewpoints become these, as read.
    void replaceAdded(const std::vector<ViewParams>& added);

private:
    struct Entry
    {
        ViewParams numbers;
        ViewParams asAdded;
    };
    std::vector<Entry> m_entries;
};

} // namespace orbanil
