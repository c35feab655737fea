#pragma once

#include <QString>

#include <optional>

class QTextStream;

// "tessaly --check-module DIR": checks a module folder as a start would,
// without a window, and prints every mistake as "file:line: message".
namespace ModuleCheck {

inline constexpr auto kOption = "--check-module";

// The folder to check when the program was started with the option; an
// empty text when the option came without one.
std::optional<QString> requested(int argc, char **argv);

// 0 when the folder holds a valid module, 1 otherwise (and 2 without a
// folder); the findings go to `out`.
int run(const QString &folder, QTextStream &out);

} // namespace ModuleCheck
