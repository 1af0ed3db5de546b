#pragma once

#include <QString>

class CliContext;

// What `read` prints without -o: the band, the 16 channels in the grid's columns and the
// function settings, captioned as the window captions them in the language in use.
QString contentsTable(const CliContext& context);
