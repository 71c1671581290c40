#include "ui/folder_list.h"

#include <QDir>
#include <QFileInfo>
#include <QStyledItemDelegate>

#include "savedata/run_time_error.h"
#include "savedata/slot_path.h"
#include "ui/folder_icons.h"

namespace foalix::ui {
namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kDepthRole = Qt::UserRole + 1;
// Each level of the tree is indented this much; a deep tree scrolls sideways rather
// than flattening, so the indent always shows where a folder lies.
constexpr int kIndentPixels = 5;

int indentOf(const QModelIndex& index) {
    return kIndentPixels * index.data(kDepthRole).toInt();
}

// Indents each entry by its depth, and counts the indent in its width so the list
// scrolls to whole names instead of cutting them short.
class IndentDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem indented(option);
        indented.rect.setLeft(option.rect.left() + indentOf(index));
        QStyledItemDelegate::paint(painter, indented, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indentOf(index), 0);
    }
};

// The folders from the root down to `folder`, each as (path, name shown).
QList<std::pair<QString, QString>> ancestry(const QString& folder) {
    QList<std::pair<QString, QString>> chain;
    QDir dir(folder);
    while (true) {
        const QString path = QDir::toNativeSeparators(dir.absolutePath());
        chain.prepend({path, dir.isRoot() ? path : dir.dirName()});
        if (dir.isRoot() || !dir.cdUp()) {
            break;
        }
    }
    return chain;
}

}  // namespace

FolderList::FolderList(platform::Drives& drives, const savedata::InstallFolders& install,
                       QWidget* parent)
    : QListWidget(parent), drives_(drives), install_(install) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new IndentDelegate(this));
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    connect(this, &QListWidget::itemDoubleClicked, this, &FolderList::open);
}

void FolderList::setPath(const QString& folder) {
    const QFileInfo info(folder);
    const platform::Drive drive = drives_.driveOf(info.absoluteFilePath());
    if (!drive.root.isEmpty() && drives_.readiness(drive) == savedata::error::kDeviceUnavailable) {
        throw savedata::RunTimeError(savedata::error::kDeviceUnavailable);
    }
    if (folder.isEmpty() || !info.isDir()) {
        throw savedata::RunTimeError(savedata::error::kPathNotFound);
    }
    if (!info.isReadable() || !info.isExecutable()) {
        throw savedata::RunTimeError(savedata::error::kPathFileAccessError);
    }
    path_ = QDir::toNativeSeparators(QDir::cleanPath(info.absoluteFilePath()));
    fill();
    emit pathChanged();
}

void FolderList::setDrive(const platform::Drive& drive) {
    if (const int number = drives_.readiness(drive); number != 0) {
        throw savedata::RunTimeError(number);
    }
    setPath(drives_.currentFolder(drive));
}

void FolderList::fill() {
    clear();
    int depth = 0;
    QListWidgetItem* current = nullptr;
    for (const auto& [path, name] : ancestry(path_)) {
        current = addFolder(name, path, depth++, true);
    }
    const QDir dir(path_);
    const QStringList subfolders =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subfolders) {
        addFolder(name, QDir::toNativeSeparators(dir.filePath(name)), depth, false);
    }
    setCurrentItem(current);
    scrollToItem(current);
}

// An entry; a folder that holds save slots is marked and names them in its tooltip.
QListWidgetItem* FolderList::addFolder(const QString& name, const QString& path, int depth,
                                       bool opened) {
    const std::vector<int> held = savedata::slotsHeldIn(path.toStdString(), install_);
    auto* item = new QListWidgetItem(folderIcon(opened, !held.empty()), name, this);
    item->setData(kPathRole, path);
    item->setData(kDepthRole, depth);
    if (!held.empty()) {
        QStringList numbers;
        for (int slot : held) {
            numbers << QString::number(slot);
        }
        item->setToolTip(
            tr("Save slots %1", "the slots a folder holds", static_cast<int>(numbers.size()))
                .arg(numbers.join(tr(", ", "between slot numbers"))));
    }
    return item;
}

void FolderList::open(QListWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    try {
        setPath(item->data(kPathRole).toString());
    } catch (const savedata::RunTimeError&) {
        // A folder that cannot be opened (gone, or no permission) is simply not entered.
    }
}

}  // namespace foalix::ui
