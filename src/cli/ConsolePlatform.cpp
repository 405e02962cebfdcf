#include "cli/ConsolePlatform.h"

ConsolePlatform::ConsolePlatform()
    : m_folders(FolderRoots::fromSystem()),
      m_sounds(m_output, m_folders.DonneFolderAppli() + QStringLiteral("Wav")),
      m_platform{m_dialogs, m_sounds, m_clock, m_shell, m_folders} {}
