#pragma once

#include "cli/ConsoleDialogs.h"
#include "cli/SilentSoundOutput.h"
#include "platform/AppFolders.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "platform/Sounds.h"

/// The services of the command line: the user's folders, messages on standard error,
/// no sound.
class ConsolePlatform {
public:
    ConsolePlatform();

    Platform& platform() { return m_platform; }
    const AppFolders& folders() const { return m_folders; }

private:
    AppFolders m_folders;
    ConsoleDialogs m_dialogs;
    SilentSoundOutput m_output;
    Sounds m_sounds;
    SystemClock m_clock;
    DesktopShell m_shell;
    Platform m_platform;
};
