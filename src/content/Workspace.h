#pragma once

#include <QString>

// The folder that holds the program's working files: Graphics, the results
// files and the temporary files of a paper window.
class Workspace
{
public:
    explicit Workspace(QString folder);

    const QString &folder() const { return m_folder; }
    QString file(const QString &name) const;
    QString graphicsFolder() const;
    QString graphic(const QString &name) const;

    // The program folder when it is writable, otherwise the user's own data
    // folder (a copy installed for every user of a shared machine). Empty when
    // neither can be written.
    static QString choose(const QString &programFolder);
    static bool isWritableFolder(const QString &folder);

private:
    QString m_folder;
};
