#include "PictureCache.h"

#include <QDir>
#include <QMap>

#include <utility>

PictureCache::PictureCache(QString folder)
    : m_folder(std::move(folder))
{
}

std::shared_ptr<PictureCache> PictureCache::forFolder(const QString &folder)
{
    static QMap<QString, std::weak_ptr<PictureCache>> caches;
    const QString key = QDir(folder).absolutePath();
    if (auto cache = caches.value(key).lock())
        return cache;
    auto cache = std::make_shared<PictureCache>(key);
    caches.insert(key, cache);
    return cache;
}

QPixmap PictureCache::picture(const QString &name)
{
    const QString key = name.toLower();
    const auto found = m_pictures.constFind(key);
    if (found != m_pictures.constEnd())
        return found.value();
    const QString file = resolve(key);
    if (file.isEmpty())
        return {};
    QPixmap pixmap(QDir(m_folder).filePath(file));
    ++m_filesRead;
    if (!pixmap.isNull())
        m_pictures.insert(key, pixmap);
    return pixmap;
}

void PictureCache::clear()
{
    m_pictures.clear();
    m_fileNames.clear();
}

QString PictureCache::resolve(const QString &lowerName)
{
    auto it = m_fileNames.constFind(lowerName);
    if (it == m_fileNames.constEnd()) {
        // Not seen yet: the folder may have been filled since the last look.
        indexFolder();
        it = m_fileNames.constFind(lowerName);
        if (it == m_fileNames.constEnd())
            return {};
    }
    return it.value();
}

void PictureCache::indexFolder()
{
    m_fileNames.clear();
    const QStringList files = QDir(m_folder).entryList(QDir::Files);
    for (const QString &file : files)
        m_fileNames.insert(file.toLower(), file);
}
