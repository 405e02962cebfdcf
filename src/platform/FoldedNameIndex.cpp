#include "platform/FoldedNameIndex.h"

#include <bit>

namespace {

inline char16_t folded(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80)
        return char16_t(u - u'A') < 26 ? char16_t(u + 32) : u;
    return c.toCaseFolded().unicode();
}

} // namespace

size_t FoldedNameIndex::hash(QStringView name) {
    size_t h = 14695981039346656037ULL;
    for (QChar c : name)
        h = (h ^ folded(c)) * 1099511628211ULL;
    return h;
}

bool FoldedNameIndex::equal(QStringView a, QStringView b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (folded(a[i]) != folded(b[i]))
            return false;
    }
    return true;
}

void FoldedNameIndex::reset(size_t count) {
    m_slots.assign(std::bit_ceil(2 * count + 2), Slot{});
    m_count = 0;
}
