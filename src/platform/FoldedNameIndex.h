#pragma once

#include <QStringView>
#include <vector>

/// Finds the first of a list of names without regard to case, with no allocation per name:
/// an open-addressing table of positions; the caller gives the name at each position.
class FoldedNameIndex {
public:
    static size_t hash(QStringView name);
    static bool equal(QStringView a, QStringView b);

    /// Forgets every name and makes room for `count` of them.
    void reset(size_t count);

    /// Adds a name unless an equal one is there already (the first one wins).
    template <typename NameAt> void insert(QStringView name, size_t position, NameAt nameAt) {
        if (2 * (m_count + 1) > m_slots.size())
            grow(nameAt);
        const size_t h = hash(name);
        for (size_t i = h & mask();; i = (i + 1) & mask()) {
            Slot& slot = m_slots[i];
            if (slot.position == kEmpty) {
                slot = {h, position};
                ++m_count;
                return;
            }
            if (slot.hash == h && equal(nameAt(slot.position), name))
                return;
        }
    }

    /// The position of the name, or -1.
    template <typename NameAt> qsizetype find(QStringView name, NameAt nameAt) const {
        if (m_slots.empty())
            return -1;
        const size_t h = hash(name);
        for (size_t i = h & mask();; i = (i + 1) & mask()) {
            const Slot& slot = m_slots[i];
            if (slot.position == kEmpty)
                return -1;
            if (slot.hash == h && equal(nameAt(slot.position), name))
                return static_cast<qsizetype>(slot.position);
        }
    }

private:
    static constexpr size_t kEmpty = static_cast<size_t>(-1);
    struct Slot {
        size_t hash = 0;
        size_t position = kEmpty;
    };

    size_t mask() const { return m_slots.size() - 1; }

    template <typename NameAt> void grow(NameAt nameAt) {
        std::vector<Slot> old;
        old.swap(m_slots);
        m_slots.assign(old.empty() ? 16 : old.size() * 2, Slot{});
        m_count = 0;
        for (const Slot& slot : old) {
            if (slot.position != kEmpty)
                insert(nameAt(slot.position), slot.position, nameAt);
        }
    }

    std::vector<Slot> m_slots;
    size_t m_count = 0;
};
