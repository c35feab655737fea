#pragma once

#include "ModuleFolder.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

// A compiled module folder kept in the workspace, so that a folder is
// compiled again only when it changed: the cache holds a fingerprint of the
// folder's files (names, sizes, times) and of the program file.
namespace ModuleCache {

// Files of a cache are refused beyond this size.
inline constexpr qint64 kMaxCacheBytes = 96 * 1024 * 1024;

QByteArray fingerprint(const QString &folder, const QString &programFile);

// A result read back. Its resources are not copied: they lie in the cache
// file mapped into memory (or read whole where it cannot be mapped), which
// `backing` keeps for as long as anyone holds it.
struct Cached {
    ModuleFolder::Result result;
    std::shared_ptr<const void> backing;
};

// The result stored for `fingerprint`; nothing when the cache is missing,
// stale or damaged.
std::optional<Cached> read(const QString &cacheFile, const QByteArray &fingerprint);
bool write(const QString &cacheFile, const QByteArray &fingerprint, const ModuleFolder::Result &result);

} // namespace ModuleCache
