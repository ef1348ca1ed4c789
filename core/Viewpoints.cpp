#include "core/Viewpoints.h"

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

Viewpoints::Viewpoints() : m_entries(1) {}

const ViewParams& Viewpoints::numbers(std::size_t viewpoint) const
{
    return m_entries.at(viewpoint).numbers;
}

void Viewpoints::setNumbers(std::size_t viewpoint, const ViewParams& numbers)
{
    m_entries.at(viewpoint).numbers = numbersOnly(numbers);
}

std::size_t Viewpoints::addAfter(std::size_t viewpoint)
{
    const ViewParams copy = numbers(viewpoint);
    const auto at = m_entries.begin() + static_cast<std::ptrdiff_t>(viewpoint + 1);
    m_entries.insert(at, Entry{copy, copy});
    return viewpoint + 1;
}

void Viewpoints::remove(std::size_t viewpoint)
{
    if (viewpoint > 0 && viewpoint < m_entries.size()) {
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(viewpoint));
    }
}

bool Viewpoints::changedSinceAdded(std::size_t viewpoint) const
{
    const Entry& entry = m_entries.at(viewpoint);
    return !sameNumbers(entry.numbers, entry.asAdded);
}

bool Viewpoints::anyAddedChanged() const
{
    for (std::size_t i = 1; i < m_entries.size(); ++i) {
        if (changedSinceAdded(i)) {
            return true;
        }
    }
    return false;
}

std::vector<ViewParams> Viewpoints::added() const
{
    std::vector<ViewParams> numbers;
    for (std::size_t i = 1; i < m_entries.size(); ++i) {
        numbers.push_back(m_entries[i].numbers);
    }
    return numbers;
}

void Viewpoints::replaceAdded(const std::vector<ViewParams>& added)
{
    m_entries.resize(1);
    for (const ViewParams& read : added) {
        const ViewParams numbers = numbersOnly(read);
        m_entries.push_back(Entry{numbers, numbers});
    }
}

} // namespace orbanil
