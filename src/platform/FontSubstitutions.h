#pragma once

/// Maps the Windows font names stored in the settings ("MS Sans Serif", "Arial", "Arial Black",
/// "Courier New") onto the Liberation and DejaVu faces the setup installs, so every name
/// resolves to the same face, and measures the same, on every machine.
void installFontSubstitutions();
