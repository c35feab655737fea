#pragma once

#include "ModuleFolder.h"
#include "ProgramConfig.h"
#include "Workspace.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#include <memory>
#include <optional>

// Modules a teacher adds without rebuilding the program: folders in
// "Modules" of the workspace, each holding module.txt, its papers and its
// pictures (ModuleFolder). At start each folder is checked and compiled, or
// taken from its cache when none of its files changed; a valid one fills
// the empty slot (1 or 3) it asks for. A folder with mistakes is left out,
// and its mistakes are listed in "<folder>-errors.txt" beside it.
namespace TeacherModules {

inline constexpr auto kFolder = "Modules";
inline constexpr auto kCacheFolder = "ModuleCache";
// Results of a module that gave its slot to another folder, kept by folder.
inline constexpr auto kShelf = "ModuleResults";
// Folders looked at, in name order; a start must stay quick.
inline constexpr int kMaxFolders = 8;

struct LeftOut {
    QString folder;    // the folder's name in Modules
    QString reason;    // why, for the pupil: "they have mistakes"
    QString errorFile; // the list of mistakes, or empty when it could not be written
};

struct Outcome {
    QMap<int, QByteArray> resources; // of every module taken
    QList<std::shared_ptr<const void>> backing; // what cached resources lie in
    QList<LeftOut> leftOut;
};

// Looks into the workspace's Modules folder and puts the modules it takes
// into `config`; without that folder it does nothing at all. Runs off the
// main thread: it touches no window.
Outcome load(const Workspace &workspace, ProgramConfig &config, const QString &programFile);

struct Refusal {
    QString problem; // "file:line: message"
    QString reason;  // for the pupil, as in LeftOut
};

// Why a module compiled without mistakes cannot be taken beside the modules
// `config` holds: its slot is filled, or its pages would shadow the
// program's own. Nothing when it can. The problem's path starts with
// `shownFolder`; `advice` follows "give this module slot N" in a slot
// conflict. A start and "--check-module" both ask this.
std::optional<Refusal> refusal(const ModuleFolder::Result &module, const ProgramConfig &config,
                               const QString &shownFolder, const QString &advice = {});

// Makes the taken modules' resources readable like the program's own.
void install(const Outcome &outcome);

// What the pupil is told about the folders left out (empty when none).
QString notice(const QList<LeftOut> &leftOut);
inline constexpr auto kNoticeTitle = "Papers Left Out";

// The text of a folder's error file: a few words on what to do, then one
// "file:line: message" line per mistake, paths from the Modules folder on.
QString errorListing(const QString &folderName, const QString &modulesFolder, const QStringList &lines);

} // namespace TeacherModules
