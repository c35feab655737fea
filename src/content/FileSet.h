#pragma once

#include "SafeFile.h"

#include <QByteArray>
#include <QList>
#include <QString>

class Workspace;

// Several files of the program folder changed as one: every new file is
// written beside its old one under its name + ".next", then a small commit
// record names them, then each is renamed over its old file and the record
// is removed. After a crash at any moment, recover() at the next start finds
// either the record (the new set is complete: the renames are finished) or
// none (the ".next" files are thrown away): the old set or the new set,
// never a mix.
namespace FileSet {

struct Change {
    QString name; // a file of the folder, without any folder part
    QByteArray bytes;
};

inline constexpr char kCommitName[] = "results.commit";
inline constexpr char kNextSuffix[] = ".next";

// False, with the old files untouched, when any new file could not be
// written or a target is a folder. A change an earlier failed rename left
// unfinished is finished first.
bool replace(const Workspace &workspace, const QList<Change> &changes,
             SafeFile::Failure *failure = nullptr);

// Finishes a committed change whose renames failed earlier in this run; true
// when none is left. Call it before reading files a change is built from: a
// change built from the old files would undo the finished one.
bool finishPending(const Workspace &workspace, SafeFile::Failure *failure = nullptr);

enum class Recovery {
    Nothing,       // no change was under way
    RolledBack,    // a change had not reached its commit record: undone
    RolledForward, // a committed change was finished
};

// Finishes or undoes a change a crash interrupted; run at start-up, while no
// other copy of the program uses the folder, before the files are read (and
// by replace, for a change of this run).
Recovery recover(const Workspace &workspace);

} // namespace FileSet
