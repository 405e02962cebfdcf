#pragma once

#include <QString>

class IniDocument;

/// The lines of `quilmet-cli formats`: per format, number, code, display name and current
/// positions as "field=value", tab-separated.
QString formatsListing(const IniDocument& settings);

/// Runs `quilmet-cli formats` on the user's settings file; returns the exit code.
int runFormatsCommand();
