#pragma once

class Workspace;

namespace Startup {

// Writes every user-interface picture into the Graphics folder, whether or
// not the file exists; a picture that cannot be written is skipped.
void ExtractGraphics(const Workspace &workspace);

} // namespace Startup
