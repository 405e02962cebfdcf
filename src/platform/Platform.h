#pragma once

class AppFolders;
class Clock;
class Dialogs;
class Shell;
class Sounds;

/// The services standing in for the system, built once by main (or by a test) and passed down.
struct Platform {
    Dialogs& dialogs;
    Sounds& sounds;
    const Clock& clock;
    Shell& shell;
    const AppFolders& folders;
};
