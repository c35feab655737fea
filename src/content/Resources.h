#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include <memory>

// Resources carried inside the program file, found by numeric id.
namespace Module3 {

// Error numbers of ExtractResource; 0 is success.
enum ExtractError : int {
    ExtractOk = 0,
    ErrNoSuchResource = 1814, // the resource with this id does not exist
    ErrWriteFailed = 75,      // the file could not be written (path or access)
    ErrDiskFull = 61,         // no room left on the disk
};

bool ResourceExists(int id);
// Whether the program file itself holds resource `id`.
bool InProgramFile(int id);
// Resources made at run time (a teacher's module folder), served as if they
// were in the program file. Ids the program file already holds are refused:
// false, and nothing is added. `owner` is kept while they are: what their
// bytes lie in, when they are not copies of their own.
bool AddResources(const QMap<int, QByteArray> &resources, std::shared_ptr<const void> owner = {});
void RemoveAddedResources();
QByteArray ResourceBytes(int id); // empty when absent

// Writes resource `id` to `path`, so that the file holds exactly its bytes.
// Returns 0 or an error number; never throws. `durable` makes the write
// survive a crash (results files); scratch files skip the flush.
int ExtractResource(int id, const QString &type, const QString &path, bool durable = false);

} // namespace Module3
