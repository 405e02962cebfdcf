#include "app/SettingsPanel.h"

#include "app/ChequeSession.h"

#include <QTabWidget>

void populateSettingsPanel(QTabWidget& pageCtrlBase, ChequeSession& session) {
    (void)pageCtrlBase;
    (void)session;
}
