#pragma once

#include <QString>

// What a toolbar button is: its caption, its tooltip (for the button and its
// caption label), the base name of its pictures, and whether it shows at all.
struct ToolbarIdentity {
    QString caption;
    QString tooltip;
    QString base;
    bool visible = true;

    bool operator==(const ToolbarIdentity &) const = default;
};

namespace Module5 {

// Main window toolbar button 1..4. Its second identity applies while the Help
// tab (tab 4) is current; button 3 has none and is hidden there. Any other
// button number gives a hidden, empty identity.
ToolbarIdentity ContentsToolbarIdentity(int button, int tabPos);

// Paper window toolbar button 1..6: fixed identities.
ToolbarIdentity PaperToolbarIdentity(int button);

} // namespace Module5
