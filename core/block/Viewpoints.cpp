#include "core/block/Viewpoints.h"

#include <algorithm>

namespace orbanil {

namespace {

ViewParams numbersOnly(const ViewParams& params)
{
    return withNumbersOf(ViewParams{}, params);
}

} // namespace

std::string viewpointName(std::size_t viewpoint)
{
    return viewpoint == 0 ? "Principal" : "Vista " + std::to_string(viewpoint + 1);
}

std::string viewpointWords(std::size_t viewpoint)
{
    return viewpoint == 0 ? "vista principal" : "vista " + std::to_string(viewpoint + 1);
}

std::optional<std::string> missingValuesText(const ViewParams& principal,
                                             const std::vector<ViewParams>& added)
{
    const std::optional<MissingValues> missing = missingValues(principal, added);
    if (!missing) {
        return std::nullopt;
    }
    std::string value = missing->first->spokenName;
    // As Generate's warnings do, the viewpoint is named once there are several.
    if (!added.empty()) {
        value += " de la " + viewpointWords(missing->viewpoint);
    }
    if (missing->count == 1) {
        return "Falta " + value + ".";
    }
    return "Faltan " + std::to_string(missing->count) + " valores: el primero, " + value + ".";
}

Viewpoints::Viewpoints() : m_entries(1) {}

ViewParams Viewpoints::principal() const
{
    return withNumbersOf(m_names, m_entries.front().numbers);
}

std::vector<ViewParams> Viewpoints::added() const
{
    std::vector<ViewParams> numbers;
    for (std::size_t i = 1; i < m_entries.size(); ++i) {
        numbers.push_back(m_entries[i].numbers);
    }
    return numbers;
}

std::vector<ViewParams> Viewpoints::all() const
{
    std::vector<ViewParams> all;
    for (const Entry& entry : m_entries) {
        all.push_back(withNumbersOf(m_names, entry.numbers));
    }
    return all;
}

ViewParams Viewpoints::shownParams() const
{
    return withNumbersOf(m_names, m_entries[m_shown].numbers);
}

void Viewpoints::setShownParams(const ViewParams& fields)
{
    m_entries[m_shown].numbers = numbersOnly(fields);
    if (namesEditable()) {
        setNames(fields);
    }
}

void Viewpoints::setNames(const ViewParams& names)
{
    m_names = withNumbersOf(names, ViewParams{});
}

void Viewpoints::show(std::size_t viewpoint)
{
    m_shown = std::min(viewpoint, m_entries.size() - 1);
}

void Viewpoints::add()
{
    const ViewParams copy = m_entries[m_shown].numbers;
    m_entries.push_back(Entry{copy, copy, Origin::Added});
    m_shown = m_entries.size() - 1;
}

bool Viewpoints::changed(const Entry& entry)
{
    return !sameNumbers(entry.numbers, entry.original);
}

std::optional<std::string> Viewpoints::removeQuestion() const
{
    const Entry& entry = m_entries[m_shown];
    if (m_shown == 0 || !changed(entry)) {
        return std::nullopt;
    }
    const char* since = entry.origin == Origin::Read ? "al leerla del código" : "al añadirla";
    return viewpointName(m_shown) + " tiene números distintos de los que tenía " + since +
           ". ¿Quiere quitarla?";
}

void Viewpoints::removeShown()
{
    if (m_shown == 0) {
        return;
    }
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(m_shown));
    --m_shown;
}

bool Viewpoints::anyAddedChanged() const
{
    return std::any_of(m_entries.begin() + 1, m_entries.end(),
                       [](const Entry& entry) { return changed(entry); });
}

void Viewpoints::replaceAdded(const std::vector<ViewParams>& read)
{
    m_entries.resize(1);
    m_shown = 0;
    for (const ViewParams& numbers : read) {
        const ViewParams kept = numbersOnly(numbers);
        m_entries.push_back(Entry{kept, kept, Origin::Read});
    }
}

} // namespace orbanil
