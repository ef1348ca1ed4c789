#include "ui/DirList.h"

#include "files/Volumes.h"
#include "ui/PathQString.h"

#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>

namespace orbanil {

namespace {

constexpr int depthRole = Qt::UserRole + 1;
constexpr int subfoldersKeptInView = 3;

// Draws each entry shifted right by its depth in the path, icon and all.
class IndentDelegate : public QStyledItemDelegate
{
public:
    IndentDelegate(int step, QObject* parent) : QStyledItemDelegate(parent), m_step(step) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem shifted(option);
        shifted.rect.setLeft(shifted.rect.left() + indent(index));
        QStyledItemDelegate::paint(painter, shifted, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indent(index), 0);
    }

private:
    int indent(const QModelIndex& index) const { return index.data(depthRole).toInt() * m_step; }

    int m_step;
};

QListWidgetItem* entry(const QIcon& icon, const std::filesystem::path& name, int depth)
{
    auto* item = new QListWidgetItem(icon, pathToQString(name));
    item->setData(depthRole, depth);
    return item;
}

} // namespace

DirList::DirList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    const int iconSide = fontMetrics().height();
    setIconSize(QSize(iconSide, iconSide));
    setItemDelegate(new IndentDelegate(iconSide / 2 + 2, this));
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
        addItem(entry(openIcon, name, depth));
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
        addItem(entry(closedIcon, name, depth));
        m_entries.push_back(folder / name);
    }
    if (open) {
        setCurrentItem(open);
        // Down to the first subfolders, then up to the open folder: in a deep tree the path's
        // upper levels go out of view rather than what can be opened next.
        scrollToItem(item(std::min(count() - 1, row(open) + subfoldersKeptInView)));
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
