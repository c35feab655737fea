#pragma once

#include <QAccessible>

class QWidget;

// Pictures and labels that act as buttons, made known to the platform's
// accessibility tools (screen readers): `widget` is reported with `role`,
// named by its accessibleName, else by its caption (a picture button's
// label) or its text, else by its tooltip, which is also its description.
// The press action clicks it.
namespace Accessibility
{

void actsAs(QWidget *widget, QAccessible::Role role = QAccessible::Button);

} // namespace Accessibility
