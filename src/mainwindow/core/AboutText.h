#pragma once

#include <QString>

namespace AboutText
{

// Label36 of the About panel: the system the program runs on, from the
// kernel type QSysInfo::kernelType() reports ("linux" -> "For Linux").
QString PlatformLine(const QString &kernelType);

} // namespace AboutText
