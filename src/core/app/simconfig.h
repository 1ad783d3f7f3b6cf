// The configuration of the simulate mode: a file of its own beside the user's, so that
// trying the loader against the simulated set never touches the settings for the real one.
// On first use its profile 1 names the sample release; the simulator's port is set at every
// start, since the pseudo-terminal gets a new name each time.
#pragma once

#include <QString>

class ConfigFile;

namespace simconfig {

// The file inside the configuration folder.
QString fileName();

// The sample release to use: the installed copy (share/talvaro-loader/sample-release beside
// the program's bin folder) when there is one, else sourceRelease (the source tree's). An
// empty string when neither exists.
QString findRelease(const QString& applicationDir, const QString& sourceRelease);

// Points profile 1 (index 0) and the test firmware at releaseDir, with absolute paths, and
// selects profile 1. Profiles 2 and 3 keep their folders and files.
void pointAtRelease(ConfigFile& cfg, const QString& releaseDir);

// Readies the file at path for a start on port: gives profile 1 the release when the file
// is new or its profile 1 names no folder that exists (the release moved, say), and sets
// "rs232" to port. False when the file could not be written.
bool prepare(const QString& path, const QString& releaseDir, const QString& port);

} // namespace simconfig
