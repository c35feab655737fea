#pragma once

class QWidget;

namespace Activation
{

// Gives `widget`'s window the activation back once a dialog over it has
// closed. Without a window manager nothing else does, and the keys would go
// nowhere. Nothing for a window that is not shown.
void handBack(QWidget *widget);

} // namespace Activation
