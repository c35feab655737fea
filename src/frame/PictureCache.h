#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <memory>

// The pictures of one Graphics folder, each file read from disk at most once
// for as long as any window holds the cache. Names are matched without
// regard to letter case ("Pencil.ico" finds "pencil.ico").
class PictureCache
{
public:
    explicit PictureCache(QString folder);

    // The cache shared by every window showing pictures of `folder`; it lives
    // while a window holds it.
    static std::shared_ptr<PictureCache> forFolder(const QString &folder);

    // A null pixmap when the folder has no such file (not kept, so a file
    // written later is found).
    QPixmap picture(const QString &name);

    bool holds(const QString &name) const { return m_pictures.contains(name.toLower()); }
    const QString &folder() const { return m_folder; }
    // Files read from disk so far.
    int filesRead() const { return m_filesRead; }
    // Forgets every picture, for a folder whose files were rewritten.
    void clear();

    // Reads one picture file, on any thread: the format its name gives, or
    // whatever its content turns out to be. Null when unreadable.
    static QImage decode(const QString &path);
    // Takes over pictures already read from this folder (by decode, on
    // another thread), keyed by name.
    void adopt(QHash<QString, QImage> &&decoded);
    // Reads the pictures `names` that `cache` does not hold yet on a thread
    // of the pool, then hands them to it from the main thread's event loop,
    // so that the windows about to show them read no file themselves.
    static void prefetch(const std::shared_ptr<PictureCache> &cache, const QStringList &names);

    // For a Graphics folder the program cannot use: every picture is taken
    // from the program's own resources instead of the folder's files.
    void useProgramPictures();
    // A picture of the program's own by its file name, on any thread; null
    // when the program has none of that name.
    static QImage decodeProgramPicture(const QString &name);

private:
    QString resolve(const QString &name);
    void indexFolder();

    QString m_folder;
    QHash<QString, QPixmap> m_pictures;  // key: lower-case name
    QHash<QString, QString> m_fileNames; // lower-case name -> name on disk
    int m_filesRead = 0;
    bool m_programPictures = false;
};
