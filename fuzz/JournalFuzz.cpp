// Any bytes as an existing journal: adding an entry must neither crash nor lose the entry,
// and every line of the result must end with CR LF.
#include "journal/JournalEntryLayout.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray journal(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString entry = QStringLiteral("ÉDITÉ LE 11 décembre 2026\r\nChèque n° 0000999\r\n");
    for (bool inverted : {false, true}) {
        const QByteArray result = journalWithEntry(journal, entry, inverted);
        if (!result.contains("Ch\xE8que n\xB0 0000999\r\n"))
            std::abort();
        if (result.count('\n') != result.count("\r\n"))
            std::abort();
    }
    return 0;
}
