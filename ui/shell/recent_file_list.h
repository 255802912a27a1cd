// The recent-file list of the File menu: the four data files used last, newest
// first, kept in the settings under "Recent File List"/"File1".."File4".
#pragma once

#include <QString>
#include <QStringList>

class RecentFileList {
public:
    static constexpr int SIZE = 4;
    static constexpr int DISPLAY_LENGTH = 30;

    void Load();
    void Save() const;
    // Puts the path at the top (moving it there when already listed).
    void Add(const QString& path);
    // Takes the path off the list, wherever it stands.
    void Remove(const QString& path);
    int Count() const { return m_paths.size(); }
    const QString& Path(int index) const { return m_paths[index]; }
    // The path as the menu shows it: at most 30 characters, keeping the file name.
    static QString Abbreviate(const QString& path, int maximum = DISPLAY_LENGTH);

private:
    QStringList m_paths;
};
