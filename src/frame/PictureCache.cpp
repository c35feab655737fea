#include "PictureCache.h"

#include "PictureNames.h"
#include "Resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QMap>
#include <QThreadPool>

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
    if (m_programPictures) {
        const QPixmap pixmap = QPixmap::fromImage(decodeProgramPicture(key));
        if (!pixmap.isNull())
            m_pictures.insert(key, pixmap);
        return pixmap;
    }
    const QString file = resolve(key);
    if (file.isEmpty())
        return {};
    const QPixmap pixmap = QPixmap::fromImage(decode(QDir(m_folder).filePath(file)));
    ++m_filesRead;
    if (!pixmap.isNull())
        m_pictures.insert(key, pixmap);
    return pixmap;
}

QImage PictureCache::decode(const QString &path)
{
    // Read by the format its name gives: left to guess, the reader would load
    // every image plugin of the system to ask each one first.
    QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull()) {
        // A file whose content does not match its name.
        QImageReader guess(path);
        image = guess.read();
    }
    return image;
}

QImage PictureCache::decodeProgramPicture(const QString &name)
{
    const QByteArray wanted = name.toLower().toLatin1();
    for (const PictureEntry &p : kPictures) {
        if (QByteArray(p.name.data(), qsizetype(p.name.size())).toLower() == wanted)
            return QImage::fromData(Module3::ResourceBytes(p.id),
                                    QFileInfo(name).suffix().toLower().toLatin1().constData());
    }
    return {};
}

void PictureCache::useProgramPictures()
{
    m_programPictures = true;
    clear();
}

void PictureCache::adopt(QHash<QString, QImage> &&decoded)
{
    for (auto it = decoded.begin(); it != decoded.end(); ++it) {
        if (!it.value().isNull())
            m_pictures.insert(it.key().toLower(), QPixmap::fromImage(std::move(it.value())));
    }
    decoded.clear();
}

void PictureCache::prefetch(const std::shared_ptr<PictureCache> &cache, const QStringList &names)
{
    // lower-case name -> path of its file; empty for the program's own picture
    QHash<QString, QString> wanted;
    for (const QString &name : names) {
        const QString key = name.toLower();
        if (cache->holds(key) || wanted.contains(key))
            continue;
        if (cache->m_programPictures) {
            wanted.insert(key, QString());
        } else if (const QString file = cache->resolve(key); !file.isEmpty()) {
            wanted.insert(key, QDir(cache->m_folder).filePath(file));
        }
    }
    if (wanted.isEmpty())
        return;
    QThreadPool::globalInstance()->start([wanted, weak = std::weak_ptr<PictureCache>(cache)] {
        QHash<QString, QImage> decoded;
        for (auto it = wanted.begin(); it != wanted.end(); ++it)
            decoded.insert(it.key(), it.value().isEmpty() ? decodeProgramPicture(it.key())
                                                          : decode(it.value()));
        // Gone when the program is ending.
        if (QCoreApplication *app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, [weak, decoded = std::move(decoded)]() mutable {
                if (const std::shared_ptr<PictureCache> cache = weak.lock())
                    cache->adopt(std::move(decoded));
            });
    });
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
    const QStringList files = QDir(m_folder).entryList(QDir::Files, QDir::NoSort);
    for (const QString &file : files)
        m_fileNames.insert(file.toLower(), file);
}
