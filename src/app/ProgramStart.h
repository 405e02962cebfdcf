#pragma once

/// The program from start to end: single instance, splash, printer check, main window,
/// event loop. Returns the exit code.
int runProgram();
