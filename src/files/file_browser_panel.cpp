#include "file_browser_panel.h"

#include "common/program_dir.h"
#include "slip_folder.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QStorageInfo>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QWheelEvent>

namespace {

constexpr int kPathRole = Qt::UserRole;

// Painting of the registered folders: row 1 light blue, the selected row marked by a yellow
// rectangle inside a white border.
class RegistryDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const bool generalRow = index.row() == 0;
        painter->fillRect(option.rect, generalRow ? QColor(166, 202, 240) : QColor(Qt::white));
        if (option.state & QStyle::State_Selected) {
            painter->fillRect(option.rect.adjusted(4, 4, -4, -4), Qt::white);
            painter->fillRect(option.rect.adjusted(7, 7, -7, -7), Qt::yellow);
        }
        painter->setPen(Qt::black);
        painter->drawText(option.rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data().toString());
    }
};

QToolButton *makeButton(QWidget *parent, const QString &name, const QString &caption,
                        const QRect &geometry)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(geometry);
    return button;
}

} // namespace

FileBrowserPanel::FileBrowserPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setGeometry(5, 92, 1000, 556);
    buildControls();
    fillDrives();
    hide();
}

void FileBrowserPanel::buildControls()
{
    DriveComboBox1 = new QComboBox(this);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DriveComboBox1->setGeometry(8, 8, 250, 22);

    DirectoryListBox1 = new QListWidget(this);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setGeometry(8, 34, 250, 430);
    DirectoryListBox1->setContextMenuPolicy(Qt::CustomContextMenu);

    FileListBox1 = new QListWidget(this);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->setGeometry(266, 8, 578, 540);
    FileListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    FileListBox2 = new QListWidget(this);
    FileListBox2->setObjectName(QStringLiteral("FileListBox2"));
    FileListBox2->setGeometry(FileListBox1->geometry());
    FileListBox2->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FileListBox2->hide();
    for (QListWidget *list : {FileListBox1, FileListBox2})
        list->setIconSize(QSize(16, 16));

    auto *makeDirLabel = new QLabel(QStringLiteral("新規フォルダ名"), this);
    makeDirLabel->setGeometry(8, 470, 90, 20);
    MakeDir = new QLineEdit(this);
    MakeDir->setObjectName(QStringLiteral("MakeDir"));
    MakeDir->setGeometry(96, 470, 162, 20);
    MakeDir->setAttribute(Qt::WA_InputMethodEnabled, false);
    MakeDir->installEventFilter(this);
    SpeedButton20 = makeButton(this, QStringLiteral("SpeedButton20"),
                               QStringLiteral("ﾌｫﾙﾀﾞの新規作成"), QRect(8, 494, 120, 24));
    SpeedButton36 = makeButton(this, QStringLiteral("SpeedButton36"), QStringLiteral("Home"),
                               QRect(132, 494, 60, 24));
    SpeedButton21 = makeButton(this, QStringLiteral("SpeedButton21"),
                               QStringLiteral("閉じる(ﾌｧｲﾙ)"), QRect(196, 494, 62, 24));
    SpeedButton29 = makeButton(this, QStringLiteral("SpeedButton29"),
                               QStringLiteral("請求明細書用"), QRect(8, 522, 120, 24));
    SpeedButton29->setCheckable(true);
    NETPATH = new QLineEdit(this);
    NETPATH->setObjectName(QStringLiteral("NETPATH"));
    NETPATH->setGeometry(132, 524, 126, 20);

    auto *caption = new QLabel(QStringLiteral("[ クイックフォルダチェンジ ]"), this);
    caption->setGeometry(852, 2, 145, 18);
    caption->setAlignment(Qt::AlignCenter);
    DG1 = new QTableWidget(FolderRegistry::kRows - 1, 2, this);
    DG1->setObjectName(QStringLiteral("DG1"));
    DG1->setGeometry(852, 20, 145, 527);
    DG1->setHorizontalHeaderLabels({QStringLiteral("登録フォルダ名"), QString()});
    DG1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    DG1->horizontalHeader()->setFixedHeight(17);
    DG1->verticalHeader()->hide();
    DG1->verticalHeader()->setDefaultSectionSize(17);
    DG1->verticalHeader()->setMinimumSectionSize(1);
    DG1->setColumnWidth(0, 145);
    DG1->setColumnHidden(1, true);
    DG1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    DG1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    DG1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DG1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DG1->setSelectionMode(QAbstractItemView::SingleSelection);
    DG1->setItemDelegate(new RegistryDelegate(DG1));
    DG1->setToolTip(QStringLiteral("Wクリックで登録・移動/マウス右クリックでクリア"));
    DG1->viewport()->installEventFilter(this);

    for (QListWidget *list : {FileListBox1, FileListBox2}) {
        list->installEventFilter(this);
        list->viewport()->installEventFilter(this);
    }
    DirectoryListBox1->installEventFilter(this);

    connect(DriveComboBox1, &QComboBox::activated, this,
            [this](int index) { setFolder(DriveComboBox1->itemData(index).toString()); });
    connect(DirectoryListBox1, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { setFolder(item->data(kPathRole).toString()); });
    connect(FileListBox1, &QListWidget::itemActivated, this, &FileBrowserPanel::activateSlipFile);
    connect(FileListBox1, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu PopupMenu2;
        PopupMenu2.addAction(QStringLiteral("閉じる"), this, &FileBrowserPanel::closeRequested);
        PopupMenu2.addAction(QStringLiteral("ファイル削除"), this, &FileBrowserPanel::N3Click);
        PopupMenu2.exec(FileListBox1->viewport()->mapToGlobal(at));
    });
    connect(DirectoryListBox1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) {
                QMenu PopupMenu14;
                PopupMenu14.addAction(QStringLiteral("フォルダ削除"), this,
                                      &FileBrowserPanel::N87Click);
                PopupMenu14.exec(DirectoryListBox1->viewport()->mapToGlobal(at));
            });
    connect(SpeedButton20, &QToolButton::clicked, this, &FileBrowserPanel::SpeedButton20Click);
    connect(SpeedButton36, &QToolButton::clicked, this, [this] { setFolder(programDir()); });
    connect(SpeedButton21, &QToolButton::clicked, this, &FileBrowserPanel::closeRequested);
    connect(SpeedButton29, &QToolButton::clicked, this, &FileBrowserPanel::toggleStatementList);
    connect(DG1, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { DG1DblClick(row + 1); });
}

// Drives on this system: the root, the home folder and every mounted volume.
void FileBrowserPanel::fillDrives()
{
    DriveComboBox1->clear();
    DriveComboBox1->addItem(QStringLiteral("/"), QStringLiteral("/"));
    DriveComboBox1->addItem(QDir::homePath(), QDir::homePath());
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || !volume.isReady() || root == QLatin1String("/") ||
            root.startsWith(QLatin1String("/proc")) || root.startsWith(QLatin1String("/sys")) ||
            root.startsWith(QLatin1String("/dev")) || root.startsWith(QLatin1String("/run")))
            continue;
        DriveComboBox1->addItem(root, root);
    }
}

void FileBrowserPanel::setFolder(const QString &folder)
{
    QString target = QDir::cleanPath(folder);
    if (folder.isEmpty() || !QFileInfo(target).isDir())
        target = QDir::cleanPath(programDir());
    m_folder = target;
    showDriveOf(m_folder);
    fillFolderList();
    refreshLists();
    if (statementListShown()) {
        FileListBox2->setCurrentRow(FileListBox2->count() - 1);
        emit folderChanged(m_folder, -1);
        return;
    }
    const int last = FileListBox1->count() - 1;
    if (last >= 0)
        FileListBox1->setCurrentRow(last);
    emit folderChanged(m_folder, last);
}

// The drive list shows the volume that holds the folder: the longest root it starts with.
void FileBrowserPanel::showDriveOf(const QString &folder)
{
    int best = 0;
    int bestLength = -1;
    for (int index = 0; index < DriveComboBox1->count(); ++index) {
        const QString root = DriveComboBox1->itemData(index).toString();
        const bool holds = folder == root || folder.startsWith(QDir(root).filePath(QString())) ||
                           root == QLatin1String("/");
        if (holds && root.size() > bestLength) {
            best = index;
            bestLength = int(root.size());
        }
    }
    DriveComboBox1->setCurrentIndex(best);
}

// The folder list shows the path from the root down to the current folder, then the
// folders inside it, each indented by its depth.
void FileBrowserPanel::fillFolderList()
{
    DirectoryListBox1->clear();
    const QStringList parts = m_folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path = QStringLiteral("/");
    auto add = [this](const QString &text, const QString &fullPath, int depth) {
        auto *item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + text);
        item->setData(kPathRole, fullPath);
        DirectoryListBox1->addItem(item);
        return item;
    };
    QListWidgetItem *current = add(QStringLiteral("/"), path, 0);
    int depth = 1;
    for (const QString &part : parts) {
        path = QDir::cleanPath(path + QLatin1Char('/') + part);
        current = add(part, path, depth++);
    }
    const QStringList children =
        QDir(m_folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &child : children)
        add(child, QDir::cleanPath(m_folder + QLatin1Char('/') + child), depth);
    DirectoryListBox1->setCurrentItem(current);
}

void FileBrowserPanel::refreshLists()
{
    const QIcon fileIcon = style()->standardIcon(QStyle::SP_FileIcon);
    const auto fill = [&fileIcon](QListWidget *list, const QStringList &names) {
        list->clear();
        for (const QString &name : names)
            list->addItem(new QListWidgetItem(fileIcon, name));
    };
    fill(FileListBox1, SlipFolder::slipFiles(m_folder));
    fill(FileListBox2, SlipFolder::statementFiles(m_folder));
}

int FileBrowserPanel::slipFileCount() const
{
    return FileListBox1->count();
}

QString FileBrowserPanel::slipFilePath(int index) const
{
    const QListWidgetItem *item = FileListBox1->item(index);
    return item ? QDir(m_folder).filePath(item->text()) : QString();
}

int FileBrowserPanel::selectedSlipFile() const
{
    return FileListBox1->currentRow();
}

void FileBrowserPanel::selectSlipFile(int index)
{
    FileListBox1->setCurrentRow(index);
}

bool FileBrowserPanel::statementListShown() const
{
    return FileListBox2->isVisibleTo(this);
}

void FileBrowserPanel::toggleStatementList()
{
    const bool statements = !statementListShown();
    FileListBox2->setVisible(statements);
    FileListBox1->setVisible(!statements);
    SpeedButton29->setChecked(statements);
    emit statementListToggled(statements);
}

QStringList FileBrowserPanel::selectedStatementFiles() const
{
    QStringList paths;
    for (int row = 0; row < FileListBox2->count(); ++row) {
        if (FileListBox2->item(row)->isSelected())
            paths << QDir(m_folder).filePath(FileListBox2->item(row)->text());
    }
    return paths;
}

void FileBrowserPanel::activateSlipFile()
{
    const int index = FileListBox1->currentRow();
    if (index >= 0)
        emit fileActivated(slipFilePath(index), index);
}

void FileBrowserPanel::N3Click()
{
    const int selected = FileListBox1->currentRow();
    if (selected < 0 || !SlipFolder::deleteSlipFile(slipFilePath(selected)))
        return;
    refreshLists();
    FileListBox1->setCurrentRow(qMin(selected, FileListBox1->count() - 1));
}

void FileBrowserPanel::N87Click()
{
    const QListWidgetItem *item = DirectoryListBox1->currentItem();
    if (!item)
        return;
    setFolder(item->data(kPathRole).toString());
    if (const auto parent = SlipFolder::deleteFolder(m_folder))
        setFolder(*parent);
    fillFolderList();
}

void FileBrowserPanel::SpeedButton20Click()
{
    if (const auto created = SlipFolder::createFolder(m_folder, MakeDir->text()))
        setFolder(*created);
}

void FileBrowserPanel::DIR_READ()
{
    m_registry.load();
    showRegistry();
}

void FileBrowserPanel::showRegistry()
{
    for (int row = 1; row < FolderRegistry::kRows; ++row) {
        const FolderRegistry::Entry &entry = m_registry.entry(row);
        DG1->setItem(row - 1, 0, new QTableWidgetItem(entry.name));
        DG1->setItem(row - 1, 1, new QTableWidgetItem(entry.path));
    }
}

void FileBrowserPanel::DG1DblClick(int row)
{
    const std::optional<QString> target = m_registry.doubleClick(row, m_folder);
    showRegistry();
    if (target)
        setFolder(*target);
}

void FileBrowserPanel::clearRegistryRow()
{
    if (m_registry.clear(DG1->currentRow() + 1))
        showRegistry();
}

void FileBrowserPanel::moveSelectionByWheel(QListWidget *list, int delta)
{
    const int current = list->currentRow();
    if (delta < 0)
        list->setCurrentRow(qMin(current + 1, list->count() - 1));
    else if (current > 0)
        list->setCurrentRow(current - 1);
}

bool FileBrowserPanel::eventFilter(QObject *watched, QEvent *event)
{
    const bool fileList = watched == FileListBox1 || watched == FileListBox2 ||
                          watched == FileListBox1->viewport() ||
                          watched == FileListBox2->viewport();
    if (fileList && event->type() == QEvent::Wheel) {
        QListWidget *list = statementListShown() ? FileListBox2 : FileListBox1;
        moveSelectionByWheel(list, static_cast<QWheelEvent *>(event)->angleDelta().y());
        return true;
    }
    if (watched == DG1->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
        clearRegistryRow();
        return true;
    }
    if (watched == DirectoryListBox1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && DirectoryListBox1->currentItem()) {
            setFolder(DirectoryListBox1->currentItem()->data(kPathRole).toString());
            return true;
        }
    }
    if (watched == MakeDir &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        QPalette palette = MakeDir->palette();
        palette.setColor(QPalette::Base,
                         event->type() == QEvent::FocusIn ? m_focusColour : QColor(Qt::white));
        MakeDir->setPalette(palette);
    }
    return QFrame::eventFilter(watched, event);
}
