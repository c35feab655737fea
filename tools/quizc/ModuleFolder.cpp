#include "ModuleFolder.h"

#include "ModuleSource.h"

#include <QDir>
#include <QFileInfo>

using namespace Quiz;

ModuleFolder::Result ModuleFolder::compile(const QString &dirPath)
{
    Result result;
    Diagnostics diag;
    const QDir dir(dirPath);
    const QString real = QFileInfo(dirPath).canonicalFilePath();
    if (real.isEmpty() || !QFileInfo(real).isDir()) {
        diag.error(dirPath, 0, QStringLiteral("no such folder"));
        result.problems = diag.entries();
        return result;
    }

    ModuleSource::Limits limits;
    limits.maxPaperBytes = kMaxPaperBytes;
    limits.maxPictureBytes = kMaxPictureBytes;
    limits.confineTo = real;
    ModuleSource source(diag, dir.filePath(QStringLiteral("pictures")), limits);

    const QString headerPath = dir.filePath(QLatin1String(kHeaderName));
    bool headerOk = false;
    QByteArray headerBytes;
    QString why;
    if (!QFileInfo::exists(headerPath)) {
        QString hint;
        for (const QString &other : dir.entryList(QDir::Files))
            if (other.compare(QLatin1String(kHeaderName), Qt::CaseInsensitive) == 0)
                hint = QStringLiteral(" (there is %1: the name is written in small letters)").arg(other);
        diag.error(headerPath, 1, QStringLiteral("module.txt is missing%1; it gives the module's label, "
                                                 "slot, topics and paper count").arg(hint));
    } else if (source.readBounded(headerPath, kMaxHeaderBytes, &headerBytes, &why)) {
        headerOk = result.header.parse(headerPath, headerBytes, diag);
    } else {
        diag.error(headerPath, 1, QStringLiteral("module.txt %1").arg(why));
    }

    result.papers = source.readPapers(dirPath);
    const QList<Paper> &papers = result.papers;
    if (source.bytesRead() > kMaxTotalBytes)
        diag.error(dirPath, 0, QStringLiteral("the papers and pictures come to %1 MB; at most %2 MB")
                                   .arg(source.bytesRead() / (1024 * 1024))
                                   .arg(kMaxTotalBytes / (1024 * 1024)));

    const ModuleHeader &header = result.header;
    if (headerOk) {
        QList<int> present;
        for (const Paper &p : papers) {
            present.append(p.key);
            if (p.key > 100 + header.paperCount)
                diag.error(p.path, 1, QStringLiteral("paper %1 is beyond the %2 papers of the module's %3 topics; "
                                                     "add its topic to TOP in module.txt or move the file out")
                                          .arg(p.key).arg(header.paperCount).arg(header.topics.size()));
        }
        for (int key = 101; key <= 100 + header.paperCount; ++key)
            if (!present.contains(key))
                diag.error(headerPath, header.lineOf(QStringLiteral("PAP")),
                           QStringLiteral("PAP is %1 but paper%2.txt is missing").arg(header.paperCount).arg(key));
    }

    if (diag.isEmpty()) {
        int nextId = firstQuestionId(header.slot);
        source.emitResources(header.slot, papers, header.paperCount, nextId,
                    firstQuestionId(header.slot) + kQuestionIdsPerSlot - 1, result.resources);
        result.questionCount = nextId - firstQuestionId(header.slot);
    }
    result.ok = diag.isEmpty();
    if (!result.ok)
        result.resources.clear();
    result.problems = diag.entries();
    return result;
}
