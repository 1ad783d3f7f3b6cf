// The configuration of the simulate mode: a file of its own beside the user's, so that
// trying the loader against the simulated set never touches the settings for the real one.
// The sample release it starts from is never written: the simulate mode works on its own copy
// in the configuration folder, made on first use, and its profile 1 names that copy. The
// simulator's port is set at every start, since the pseudo-terminal gets a new name each time.
#pragma once

#include <QString>
#include <QStringList>

class ConfigFile;

namespace simconfig {

// The file inside the configuration folder.
QString fileName();

// The places a sample release comes from: the installed copy (share/talvaro-loader/
// sample-release beside the program's bin folder), then sourceRelease (the source tree's).
QStringList releaseOrigins(const QString& applicationDir, const QString& sourceRelease);
// The first of releaseOrigins() that exists; an empty string when neither does.
QString findRelease(const QString& applicationDir, const QString& sourceRelease);

// Where the simulate mode keeps its copy of the sample release inside the configuration
// folder configDir.
QString releaseCopy(const QString& configDir);
// Copies the release from into the folder to, with its sub-folders, file by file. A file the
// copy already has is kept: what the person saved there (an S-meter table, say) stays. An
// empty string, or the text of the first failure.
QString copyRelease(const QString& from, const QString& to);

// Points profile 1 (index 0) and the test firmware at releaseDir, with absolute paths, and
// selects profile 1. Profiles 2 and 3 keep their folders and files.
void pointAtRelease(ConfigFile& cfg, const QString& releaseDir);

// Readies the file at path for a start on port: gives profile 1 the release when the file
// is new or its profile 1 names no folder that exists (the release moved, say), and sets
// "rs232" to port. A folder or file of any profile that lies inside one of origins (the
// releases the copy was made from, named by an older file) is moved to the same place in
// releaseDir. False when the file could not be written.
bool prepare(const QString& path, const QString& releaseDir, const QString& port,
             const QStringList& origins = {});

} // namespace simconfig
