#pragma once

#include "platform/AppFolders.h"
#include "platform/Clock.h"
#include "platform/LazySoundOutput.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "platform/Sounds.h"
#include "platform/WidgetDialogs.h"

/// The real services of the desktop program, owned for the whole run.
class DesktopPlatform {
public:
    DesktopPlatform();

    Platform& platform() { return m_platform; }
    WidgetDialogs& dialogs() { return m_dialogs; }

private:
    AppFolders m_folders;
    WidgetDialogs m_dialogs;
    LazySoundOutput m_soundOutput;
    Sounds m_sounds;
    SystemClock m_clock;
    DesktopShell m_shell;
    Platform m_platform;
};
