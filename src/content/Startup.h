#pragma once

#include <QString>

class Workspace;

namespace Startup {

// Writes every user-interface picture into the Graphics folder, whether or
// not the file exists; a picture that cannot be written is skipped.
void ExtractGraphics(const Workspace &workspace);

// Removes scratch files a run that did not end normally may have left in the
// program folder: a question page, an unpacked table, a half-written file.
void RemoveLeftovers(const Workspace &workspace);
// Whether a file of the program folder is such a scratch file, by its name.
bool IsLeftover(const QString &name);

// The file work that comes before the main window's frame: the scratch
// files removed, then the pictures written.
void PrepareWorkspace(const Workspace &workspace);

} // namespace Startup
