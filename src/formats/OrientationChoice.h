#pragma once

#include "formats/PrintMode.h"

#include <QString>

class Dialogs;
class Sounds;

/// The rules of the orientation chooser TChoixOrientPrint: the checked mode, its
/// explanation, and the notice shown on each change.
class OrientationChoice {
public:
    /// Opens on the current mode, remembered for the first change notice.
    OrientationChoice(PrintMode current, Dialogs& dialogs, Sounds& sounds);

    PrintMode checked() const { return m_checked; }
    /// A radio button was checked: the alert sound and the change notice, then the new mode
    /// is remembered. Checking the mode already checked does nothing.
    void check(PrintMode mode);

    /// The explanation shown in the memo mmChoixPosPrint.
    static QString explanation(PrintMode mode);
    /// The text of the change notice from `previous` to `next`.
    static QString notice(PrintMode previous, PrintMode next);

    static constexpr const char* kCaption = "Choix du positionnement d'impression ";
    static constexpr const char* kNoticeTitle = "Notification de changement...";

private:
    Dialogs& m_dialogs;
    Sounds& m_sounds;
    PrintMode m_checked;
};
