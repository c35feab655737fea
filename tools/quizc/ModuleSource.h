#pragma once

#include "Diagnostics.h"
#include "QuizModel.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QString>

// The paper files and diagrams of one module, and the resources they become:
// shared by the build's quiz tree and by a teacher's module folder.
class ModuleSource
{
public:
    // Bounds for input from outside the build; zero leaves a size unbounded.
    struct Limits {
        qint64 maxPaperBytes = 0;
        qint64 maxPictureBytes = 0;
        // Files must lie inside this folder once links are followed (empty:
        // not checked).
        QString confineTo;
    };

    ModuleSource(Diagnostics &diagnostics, QString picturesDir);
    ModuleSource(Diagnostics &diagnostics, QString picturesDir, Limits limits);

    // Reads paper101.txt to paper150.txt of `dir`, in key order; other
    // "paper*.txt" names are reported. Pictures are checked as they are met.
    QList<Quiz::Paper> readPapers(const QString &dir);

    // The resources of module `module` (1..3) of `paperCount` papers, from
    // `papers` in key order (none beyond the count): paper lists, answer
    // key, slot kinds, slot values, results templates and one page archive
    // per question, numbered from `nextId` up to `lastId`.
    void emitResources(int module, const QList<Quiz::Paper> &papers, int paperCount, int &nextId,
                       int lastId, QMap<int, QByteArray> &out);

    // Bytes read from files so far.
    qint64 bytesRead() const { return m_bytesRead; }

    // Reads a file of at most `max` bytes (zero: unbounded) from inside the
    // confining folder, counting it in bytesRead(); false with `why` ("is
    // 20 KB, more than ...") when it cannot.
    bool readBounded(const QString &path, qint64 max, QByteArray *bytes, QString *why);

private:
    void checkPictures(const Quiz::Paper &paper);
    void checkPicture(const QString &file, int line, const QString &name);

    Diagnostics &m_diag;
    QString m_picturesDir;
    Limits m_limits;
    QHash<QString, QByteArray> m_pictures; // checked diagrams by file name
    qint64 m_bytesRead = 0;
};
