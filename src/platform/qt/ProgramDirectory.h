// Where the desktop program keeps its state file and snapshots.
#pragma once

#include <QString>

namespace zelvik {

// True when a file can be created (and is then removed again) in `dir`.
bool CanWriteIn(const QString& dir);

// `preferred` (the executable's directory) when files can be written there, otherwise
// `fallback`, created if missing, so that the game can always save. Native separators are not
// used: the result is a plain path with '/'.
QString ChooseProgramDirectory(const QString& preferred, const QString& fallback);

}  // namespace zelvik
