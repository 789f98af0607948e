#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

// A few entries of one thread, the one used longest ago making way for a new one: what the engine
// keeps of what it made last (schedules, a rate's powers, a locale's formatters), found again by
// every figure it depends on.
template <class Entry, std::size_t Size>
class RecentlyUsed
{
public:
    // The entry matches accepts, marked as used now; null for none.
    template <class Matches>
    Entry *find(Matches matches)
    {
        for (std::size_t i = 0; i < Size; ++i) {
            if (m_used[i] != 0 && matches(m_entries[i])) {
                m_used[i] = ++m_clock;
                return &m_entries[i];
            }
        }
        return nullptr;
    }
    // The entry used longest ago, or one never used, to be filled anew.
    Entry &replaced()
    {
        const std::size_t oldest = std::size_t(std::min_element(m_used.begin(), m_used.end()) - m_used.begin());
        m_used[oldest] = ++m_clock;
        return m_entries[oldest];
    }

private:
    std::array<Entry, Size> m_entries;
    std::array<unsigned long long, Size> m_used{};
    unsigned long long m_clock = 0;
};
