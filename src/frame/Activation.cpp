#include "Activation.h"

#include <QWidget>

namespace Activation
{

void handBack(QWidget *widget)
{
    if (widget && widget->window()->isVisible())
        widget->window()->activateWindow();
}

} // namespace Activation
