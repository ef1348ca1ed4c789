#include "ui/DirList.h"

#include "files/FileError.h"
#include "files/FolderListing.h"

#include <QStyle>

namespace orbanil {

namespace {
// Each level of the path is indented by this many blanks.
constexpr int indentPerLevel = 2;

QString entryText(const std::filesystem::path& name, int depth)
{
    return QString(depth * indentPerLevel, QLatin1Char(' ')) +
           QString::fromStdString(pathText(name));
}
} // namespace

DirList::DirList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Activation is a double click, or Enter on the current entry.
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const int row = this->row(item);
        if (row >= 0) {
            emit folderRequested(entryFolder(row));
        }
    });
}

void DirList::showFolder(const std::filesystem::path& folder,
                         const std::vector<std::filesystem::path>& subfolders)
{
    clear();
    m_entries.clear();
    m_folder = folder;
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirIcon);

    const std::vector<std::filesystem::path> chain = pathFromRoot(folder);
    int depth = 0;
    for (const std::filesystem::path& step : chain) {
        // The root shows whole ("/", "C:\"), the other levels by their own name.
        const std::filesystem::path name = depth == 0 ? step : step.filename();
        addItem(new QListWidgetItem(openIcon, entryText(name, depth)));
        m_entries.push_back(step);
        ++depth;
    }
    QListWidgetItem* open = count() > 0 ? item(count() - 1) : nullptr;
    if (open) {
        QFont bold = open->font();
        bold.setBold(true);
        open->setFont(bold);
    }
    for (const std::filesystem::path& name : subfolders) {
        addItem(new QListWidgetItem(closedIcon, entryText(name, depth)));
        m_entries.push_back(folder / name);
    }
    if (open) {
        setCurrentItem(open);
        scrollToItem(open);
    }
}

std::filesystem::path DirList::entryFolder(int row) const
{
    return row >= 0 && static_cast<std::size_t>(row) < m_entries.size()
               ? m_entries[static_cast<std::size_t>(row)]
               : std::filesystem::path();
}

} // namespace orbanil
