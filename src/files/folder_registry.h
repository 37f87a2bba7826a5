#pragma once

#include <QString>
#include <QVector>

#include <optional>

// The registered folders of the quick folder change: 29 rows under a header row, each with
// a display name and a full path. Row 1 is the general folder. Kept between runs in a
// settings-line file of the program directory.
class FolderRegistry
{
public:
    static constexpr int kRows = 30; // header and 29 folders

    struct Entry
    {
        QString name;
        QString path;
    };

    FolderRegistry();

    const Entry &entry(int row) const { return m_entries.at(row); }
    bool isRegistered(int row) const;

    // DG1DblClick on row: a registered row gives its folder to move to; an empty row
    // registers the current folder (after its explanation; a drive root is refused).
    std::optional<QString> doubleClick(int row, const QString &currentFolder);

    // Right-click: asks and empties a named row. True when the row was cleared.
    bool clear(int row);

    // The automatic folder change of the save: the first row whose name occurs in the
    // customer name, else the general folder when it is registered.
    std::optional<int> rowForCustomer(const QString &customerName) const;

    // DIR_READ and DIR_HOZON.
    void load();
    void save() const;

private:
    QVector<Entry> m_entries;
};
