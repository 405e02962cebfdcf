#pragma once

#include "core/AmountWording.h"
#include "core/ChequeEntry.h"
#include "core/RecordingHost.h"
#include "core/WordLines.h"
#include "support/TestPlatform.h"

#include <QStringList>

/// The amount entry and its wording as the shown main window holds them, with default
/// words, Majuscules off and two decimals.
struct ChequeFaceFixture {
    explicit ChequeFaceFixture(WordingOptions options = lowerCaseDefaults()) {
        entry.setDecimalMode(options.decimalMode());
        entry.setResetZones(options.resetZones);
        wording.applyOptions(options);
        entry.setMainWindowShown(true);
    }

    static WordingOptions lowerCaseDefaults() {
        WordingOptions options;
        options.majuscules = false;
        return options;
    }

    /// Texts of the message boxes shown so far.
    QStringList messages() const {
        QStringList texts;
        for (const RecordingDialogs::Call& call : t.dialogs.calls())
            texts << call.text;
        return texts;
    }

    /// Forgets the dialogs, sounds and host calls recorded so far.
    void forget() {
        t.dialogs.clear();
        t.soundOutput.played.clear();
        host.calls.clear();
    }

    TestPlatform t;
    RecordingHost host;
    WordLines lines;
    ChequeEntry entry{t.platform(), host, lines};
    AmountWording wording{t.platform(), host, entry, lines};
};
