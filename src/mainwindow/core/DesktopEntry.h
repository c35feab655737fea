#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The parts of a desktop entry file (the desktop's description of a program)
// needed to start the program that opens a file type.
namespace DesktopEntry
{

// The Exec value of the [Desktop Entry] group, "" when there is none.
QString ExecValue(const QByteArray &fileContents);

// The command line of an Exec value with `argument` in place of its file or
// address field code (%u, %U, %f, %F); appended when it has none. Other
// field codes are dropped, "%%" is a percent sign, quoted words stay whole.
// Empty when the value holds no program.
QStringList Command(const QString &exec, const QString &argument);

} // namespace DesktopEntry
