#pragma once

#include "Diagnostics.h"
#include "ProgramConfig.h"

#include <QByteArray>
#include <QStringList>

// module.txt of a teacher's module folder, in the record format:
//
//   #LBL#>Revision                       the tab's caption
//   #SLT#>1                              the module's place: 1 or 3
//   #TOP#>Living Things>Materials        topic names, in topic order
//   #PAP#>10                             paper count: five per topic
//
// Blank lines, "..." and "---" lines and lines starting with '%' carry
// nothing.
struct ModuleHeader {
    static constexpr int kMaxLabel = 10;      // fits the width of a tab
    static constexpr int kMaxTopicName = 32;  // fits the topic list
    static constexpr int kMaxTopics = ProgramConfig::kMaxTopics;

    QString label;
    int slot = 0;
    QStringList topics;
    int paperCount = 0;
    int slotLine = 1; // where SLT stands, for messages about the slot

    // Every mistake goes to `diagnostics`; false when there was any. Fields
    // that could be read are filled all the same.
    bool parse(const QString &path, const QByteArray &bytes, Diagnostics &diagnostics);
    // Line of a key (for messages about it), or 1 when it is missing.
    int lineOf(const QString &key) const;

private:
    QList<QPair<QString, int>> m_lines;
};
