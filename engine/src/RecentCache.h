#pragma once

#include <array>
#include <cstddef>

namespace tembrix {

/// The answers for the last few keys. A setup list names few folders, in runs
/// or in turns, so a handful of answers spares working each out again for
/// every one of a million files.
template <typename Key, typename Value, std::size_t N = 8> class RecentCache {
public:
    /// The answer for `key`, made by `make()` when it is not among the last N.
    template <typename Make> const Value& get(const Key& key, Make&& make) {
        for (std::size_t i = 0; i < m_used; ++i)
            if (m_slots[i].key == key)
                return m_slots[i].value;
        Slot& slot = m_slots[m_next];
        m_next = (m_next + 1) % N;
        if (m_used < N)
            ++m_used;
        slot.key = key;
        slot.value = make();
        return slot.value;
    }

private:
    struct Slot {
        Key key{};
        Value value{};
    };
    std::array<Slot, N> m_slots{};
    std::size_t m_used = 0;
    std::size_t m_next = 0;
};

} // namespace tembrix
