#pragma once

#include <QString>

class Workspace;

namespace Startup {

// What the Graphics folder of the program folder is.
enum class GraphicsFolder {
    Usable,      // a folder (made when missing), or a link to one inside the program folder
    NotAFolder,  // a file, or a link to nothing
    LinkOutside, // a symbolic link that leads out of the program folder
    CannotMake,  // missing and could not be made
};
GraphicsFolder CheckGraphicsFolder(const Workspace &workspace);
// What the pupil is told when the folder cannot be used.
QString GraphicsNoticeTitle();
QString GraphicsNotice();

// Writes every user-interface picture into the Graphics folder, whether or
// not the file exists; a picture that cannot be written is skipped. Nothing
// is written when the folder cannot be used: never through a link out of
// the program folder.
GraphicsFolder ExtractGraphics(const Workspace &workspace);

// Removes scratch files a run that did not end normally may have left in the
// program folder: a question page, an unpacked table, a half-written file.
void RemoveLeftovers(const Workspace &workspace);
// Whether a file of the program folder is such a scratch file, by its name.
bool IsLeftover(const QString &name);

// The file work that comes before the main window's frame: the scratch
// files removed, then the pictures written.
GraphicsFolder PrepareWorkspace(const Workspace &workspace);

} // namespace Startup
