#include "cli/AmountTyping.h"

#include "core/ChequeEntry.h"
#include "core/DecimalMode.h"

#include <cstdio>

void printError(const QString& text) {
    std::fputs((text + u'\n').toUtf8().constData(), stderr);
}

bool typeAmount(ChequeEntry& entry, const QString& amount) {
    const DecimalMode mode = entry.decimalMode();
    entry.setAmountText(zeroAmount(mode));
    entry.selectAllAmount();
    bool overflow = false;
    const auto connection =
        QObject::connect(&entry, &ChequeEntry::capacityExceeded, [&overflow] { overflow = true; });
    bool typed = true;
    for (qsizetype i = 0; i < amount.size() && typed; ++i) {
        const QChar key = amount[i];
        if (!entry.EditSaisieSommeKeyPress(key) && !overflow) {
            printError(QStringLiteral("Montant refusé : le caractère « %1 » n'est pas accepté en "
                                      "position %2 de « %3 ».")
                           .arg(key)
                           .arg(i + 1)
                           .arg(amount));
            typed = false;
        }
        // Refused decimals were dropped with their message: the rest is not typed.
        if (mode == DecimalMode::None && (key == u',' || key == u'.'))
            break;
    }
    QObject::disconnect(connection);
    return typed && !overflow;
}
