#pragma once

#include <QStringList>

class IProfile;

// The deal files last imported or exported, newest first, kept in the profile's section
// "Recent File List" (entries File1 to File8) beside the settings and the record.
class RecentFiles
{
public:
    static constexpr int MaxFiles = 8;

    // Reads the list; files that no longer exist are left out.
    void load(IProfile &profile);
    // Writes the list, clearing the entries it no longer fills.
    void save(IProfile &profile) const;

    // Puts path first (an earlier place of the same file goes) and drops the oldest beyond eight.
    void add(const QString &path);
    void remove(const QString &path);
    void clear() { m_files.clear(); }
    // The files that still exist, dropping the others from the list.
    [[nodiscard]] const QStringList &files();

private:
    QStringList m_files;
};
