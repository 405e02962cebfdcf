#pragma once

class ChequeSession;
class QTabWidget;

/// Fills the settings pages of `PageCtrlBase` (found by their object names, "OngletA" …
/// "OngletBenPrior") with their controls, bound to the session's models.
void populateSettingsPanel(QTabWidget& pageCtrlBase, ChequeSession& session);
