#pragma once

#include "core/block/ViewParams.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace orbanil {

// What the list of viewpoints calls one: "Principal" for the first, the Inside block's, then
// "Vista 2", "Vista 3" …
std::string viewpointName(std::size_t viewpoint);
// What a sentence calls one: "vista principal", "vista 2" …
std::string viewpointWords(std::size_t viewpoint);

// Why Generate is not offered, naming the first empty value and its viewpoint when viewpoints
// are added: "Falta Dirección de inicio X de la vista 2."; with several empty, how many too.
// Nothing when every value is filled.
std::optional<std::string> missingValuesText(const ViewParams& principal,
                                             const std::vector<ViewParams>& added);

// The viewpoints of a wagon as the main window edits them: the principal first, always there,
// whose names every viewpoint shares, then the added ones in the order the block lists them.
// One of them is shown: the fields hold its numbers and the principal's names.
class Viewpoints
{
public:
    Viewpoints();

    std::size_t size() const { return m_entries.size(); }
    std::size_t shown() const { return m_shown; }
    // The principal's eleven texts.
    ViewParams principal() const;
    // The added viewpoints' nine numbers each, in order.
    std::vector<ViewParams> added() const;
    // Every viewpoint with the principal's names, the principal first.
    std::vector<ViewParams> all() const;
    // What the fields show: the shown viewpoint's numbers with the principal's names.
    ViewParams shownParams() const;
    // The names belong to the principal: they are edited only while it shows.
    bool namesEditable() const { return m_shown == 0; }

    // The fields as they stand: the shown viewpoint's numbers, and the names while the
    // principal shows (else they are the principal's already).
    void setShownParams(const ViewParams& fields);
    // The principal's names from `names`, whichever viewpoint shows: a picker left open
    // answers after another viewpoint is shown, and every viewpoint shares what it chose.
    void setNames(const ViewParams& names);
    void show(std::size_t viewpoint);
    // Adds a copy of the shown viewpoint after the last, so that no name changes, and shows it.
    void add();
    // What removing the shown viewpoint asks first: whether to remove one whose numbers changed
    // since it was added, or since Leer Valores read it. Nothing when it goes without a question.
    std::optional<std::string> removeQuestion() const;
    // Removes the shown added viewpoint and shows the one before it; the principal stays.
    void removeShown();
    // Whether any added viewpoint was changed since it was added or read.
    bool anyAddedChanged() const;
    // The added viewpoints become these, as Leer Valores read them; the principal shows.
    void replaceAdded(const std::vector<ViewParams>& read);

private:
    enum class Origin
    {
        Added,
        Read,
    };
    struct Entry
    {
        ViewParams numbers;
        ViewParams original; // as added or read
        Origin origin = Origin::Added;
    };
    static bool changed(const Entry& entry);

    ViewParams m_names; // the principal's shape and sound names
    std::vector<Entry> m_entries;
    std::size_t m_shown = 0;
};

} // namespace orbanil
