#pragma once

#include <QListWidget>
#include <filesystem>
#include <vector>

namespace orbanil {

// The folder list: the path from the root down to the open folder, one entry per folder,
// then the open folder's subfolders. Activating an entry asks for that folder.
class DirList : public QListWidget
{
    Q_OBJECT
public:
    explicit DirList(QWidget* parent = nullptr);

    const std::filesystem::path& folder() const { return m_folder; }
    // Shows folder as the open one, with the given subfolder names below it.
    void showFolder(const std::filesystem::path& folder,
                    const std::vector<std::filesystem::path>& subfolders);
    // The folder an entry stands for.
    std::filesystem::path entryFolder(int row) const;

signals:
    // An entry was double-clicked or chosen with Enter.
    void folderRequested(const std::filesystem::path& folder);

private:
    std::filesystem::path m_folder;
    std::vector<std::filesystem::path> m_entries;
};

} // namespace orbanil
