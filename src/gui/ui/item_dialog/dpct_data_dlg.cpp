#include "ui/item_dialog/dpct_data_dlg.h"

#include "base/text.h"
#include "controls/commui/color_combo_box.h"
#include "controls/commui/color_edit.h"
#include "controls/commui/color_tool_tip_ctrl.h"
#include "controls/commui/dialog_seam.h"
#include "controls/commui/dlg_scroll.h"
#include "controls/commui/folder_dialog.h"
#include "controls/commui/group_box.h"
#include "controls/dpct_prop_ctrl.h"
#include "data/option_table.h"
#include "ui/item_dialog/dpct_data_set_dlg.h"
#include "ui/item_dialog/folder_memory.h"
#include "ui/item_dialog/path_line_break.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tovalo::gui {

using namespace tovalo;

namespace {

QString nativeWithSeparator(const QString& dir)
{
    QString d = QDir::toNativeSeparators(dir);
    if (!d.endsWith(QDir::separator()))
        d += QDir::separator();
    return d;
}

// `path` as the file system finds it: a relative path counted from `baseFolder` (the current
// folder when it is empty).
QString resolved(const QString& path, const std::string& baseFolder)
{
    return QString::fromStdString(resolvePath(path.toStdString(), baseFolder));
}

} // namespace

CDpctDataDlg::CDpctDataDlg(Mode mode, CDpctData& target, CDpctData* defaultItem, ListQuery isListed,
                           FolderMemory* folders, QWidget* parent)
    : QDialog(parent), mode_(mode), target_(&target), defaultItem_(defaultItem),
      isListed_(std::move(isListed)), folders_(folders)
{
    if (mode_ == Mode::Add)
        working_ = defaultItem_ ? *defaultItem_ : CDpctData();
    else
        working_ = target;
    working_.kind = ItemKind::File;
    buildUi();
}

CDpctDataDlg::CDpctDataDlg(const std::vector<const CDpctData*>& items, FolderMemory* folders, QWidget* parent)
    : QDialog(parent), mode_(Mode::Update), target_(&working_), defaultItem_(nullptr), folders_(folders),
      itemCount_(static_cast<int>(items.size())), common_(commonOptions(items))
{
    working_ = common_.shown;
    working_.kind = ItemKind::File;
    buildUi();
    if (!isMultiple())
        return;
    page_->showMixed(common_.mixedOn, common_.mixedValue);
    // One path per item: the paths stay as they are.
    fileEdit_->clear();
    fileEdit_->setPlaceholderText(CDpctPropCtrl::mixedText());
    for (QWidget* w : std::initializer_list<QWidget*>{fileRadio_, dirRadio_, fileEdit_, dirEdit_, fileBrowse_,
                                                      dirBrowse_, subdirCheck_})
        w->setEnabled(false);
}

void CDpctDataDlg::buildUi()
{
    setObjectName(QStringLiteral("dpctDataDlg"));
    setSizeGripEnabled(true);

    tip_ = new CColorToolTipCtrl(this);

    pathGroup_ = new CGroupBox(QString(), this);
    pathGroup_->setObjectName(QStringLiteral("pathGroup"));
    auto* pathGrid = new QGridLayout(pathGroup_);
    fileRadio_ = new QRadioButton(pathGroup_);
    fileRadio_->setObjectName(QStringLiteral("fileRadio"));
    fileEdit_ = new CColorEdit(pathGroup_);
    fileEdit_->setObjectName(QStringLiteral("fileEdit"));
    fileBrowse_ = new QPushButton(pathGroup_);
    fileBrowse_->setObjectName(QStringLiteral("fileBrowse"));
    dirRadio_ = new QRadioButton(pathGroup_);
    dirRadio_->setObjectName(QStringLiteral("dirRadio"));
    dirEdit_ = new CColorEdit(pathGroup_);
    dirEdit_->setObjectName(QStringLiteral("dirEdit"));
    dirBrowse_ = new QPushButton(pathGroup_);
    dirBrowse_->setObjectName(QStringLiteral("dirBrowse"));
    subdirCheck_ = new QCheckBox(pathGroup_);
    subdirCheck_->setObjectName(QStringLiteral("subdirCheck"));
    pathGrid->addWidget(fileRadio_, 0, 0);
    pathGrid->addWidget(fileEdit_, 0, 1);
    pathGrid->addWidget(fileBrowse_, 0, 2);
    pathGrid->addWidget(dirRadio_, 1, 0);
    pathGrid->addWidget(dirEdit_, 1, 1);
    pathGrid->addWidget(dirBrowse_, 1, 2);
    pathGrid->addWidget(subdirCheck_, 2, 1, 1, 2);
    pathGrid->setColumnStretch(1, 1);

    optionGroup_ = new CGroupBox(QString(), this);
    optionGroup_->setObjectName(QStringLiteral("optionGroup"));
    auto* optionBox = new QVBoxLayout(optionGroup_);
    scroll_ = new CDlgScroll(optionGroup_);
    scroll_->setObjectName(QStringLiteral("optionScroll"));
    page_ = new CDpctDataSetDlg(working_, folders_);
    scroll_->setChild(page_);
    scroll_->setMinimumSize(590, 400);
    optionBox->addWidget(scroll_);

    checkAll_ = new QPushButton(this);
    checkAll_->setObjectName(QStringLiteral("checkAllButton"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    ok_ = buttons->addButton(QDialogButtonBox::Ok);
    ok_->setObjectName(QStringLiteral("okButton"));
    cancel_ = buttons->addButton(QDialogButtonBox::Cancel);
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    ok_->setDefault(true);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(checkAll_);
    bottom->addStretch(1);
    bottom->addWidget(buttons);

    auto* main = new QVBoxLayout(this);
    main->addWidget(pathGroup_);
    main->addWidget(optionGroup_, 1);
    main->addLayout(bottom);

    // Tab order: the path controls, the page's rows (in their own order), then the buttons.
    setTabOrder(fileRadio_, fileEdit_);
    setTabOrder(fileEdit_, fileBrowse_);
    setTabOrder(fileBrowse_, dirRadio_);
    setTabOrder(dirRadio_, dirEdit_);
    setTabOrder(dirEdit_, dirBrowse_);
    setTabOrder(dirBrowse_, subdirCheck_);
    QWidget* last = subdirCheck_;
    for (int slot : pageOrder()) {
        for (QWidget* w :
             {static_cast<QWidget*>(page_->checkBox(slot)), static_cast<QWidget*>(page_->comboBox(slot)),
              static_cast<QWidget*>(page_->edit(slot)), static_cast<QWidget*>(page_->browseButton(slot))}) {
            if (w) {
                setTabOrder(last, w);
                last = w;
            }
        }
    }
    setTabOrder(last, checkAll_);
    setTabOrder(checkAll_, ok_);
    setTabOrder(ok_, cancel_);

    connect(buttons, &QDialogButtonBox::accepted, this, &CDpctDataDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDpctDataDlg::reject);
    connect(fileRadio_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            setKind(ItemKind::File);
    });
    connect(dirRadio_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            setKind(ItemKind::Directory);
    });
    connect(fileEdit_, &QLineEdit::editingFinished, this, [this] { recolour(fileEdit_); });
    connect(dirEdit_, &QLineEdit::editingFinished, this, [this] { recolour(dirEdit_); });
    connect(fileBrowse_, &QPushButton::clicked, this, &CDpctDataDlg::browseFile);
    connect(dirBrowse_, &QPushButton::clicked, this, &CDpctDataDlg::browseDirectory);
    connect(checkAll_, &QPushButton::clicked, this, &CDpctDataDlg::toggleCheckAll);

    // An update always stays a file.
    if (mode_ == Mode::Update)
        dirRadio_->setEnabled(false);
    fileEdit_->setText(QString::fromStdString(working_.path));
    recolour(fileEdit_);
    subdirCheck_->setChecked(working_.includeSubdirs);
    fileRadio_->setChecked(true);
    setKind(ItemKind::File);
    fileRadio_->setFocus(Qt::OtherFocusReason);
    retranslate();
}

void CDpctDataDlg::retranslate()
{
    if (isMultiple())
        setWindowTitle(tr("Update %n Items", nullptr, itemCount_));
    else
        setWindowTitle(mode_ == Mode::Add ? tr("Add Data") : tr("Update Data"));
    pathGroup_->setTitle(tr("File/Directory Selection"));
    fileRadio_->setText(tr("Select a file"));
    dirRadio_->setText(tr("Select a directory"));
    subdirCheck_->setText(tr("Also take the .cu sources in sub-directories"));
    for (QPushButton* b : {fileBrowse_, dirBrowse_}) {
        b->setText(tr("..."));
        b->setToolTip(tr("Browse"));
    }
    tip_->addTool(fileRadio_, tr("Select the CUDA file to convert"));
    tip_->addTool(dirRadio_, tr("Select the folder that holds the CUDA files to convert"));
    optionGroup_->setTitle(tr("Conversion Option Settings"));
    checkAll_->setText(checkAllState_ ? tr("Uncheck all") : tr("Check all"));
}

void CDpctDataDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void CDpctDataDlg::setKind(ItemKind kind)
{
    working_.kind = kind;
    const bool file = kind == ItemKind::File;
    fileEdit_->setEnabled(file);
    fileBrowse_->setEnabled(file);
    dirEdit_->setEnabled(!file);
    dirBrowse_->setEnabled(!file);
    subdirCheck_->setEnabled(!file);
}

void CDpctDataDlg::recolour(CColorEdit* edit)
{
    // A folder to scan is looked up from the current folder, where the scan looks too.
    const QString text = edit->text();
    const QString path = edit == fileEdit_ ? resolved(text, baseFolder_) : text;
    const bool ok = text.isEmpty() || (!hasLineBreak(text) && QFileInfo::exists(path));
    edit->setTextColor(ok ? QColor() : QColor(255, 0, 0));
}

void CDpctDataDlg::setBaseFolder(const std::string& folder)
{
    baseFolder_ = folder;
    page_->setBaseFolder(folder);
    recolour(fileEdit_);
    recolour(dirEdit_);
}

void CDpctDataDlg::browseFile()
{
    const QString start = folders_ ? QString::fromStdString(folders_->folder("CudaFile")) : QString();
    const QString file = DialogSeam::openFileName(this, tr("Select the CUDA file to convert"), start,
                                                  tr("cuda file (*.cu);;All Files (*)"));
    if (file.isEmpty())
        return;
    if (folders_)
        folders_->setFolder("CudaFile",
                            QDir::toNativeSeparators(QFileInfo(file).absolutePath()).toStdString());
    fileEdit_->setText(QDir::toNativeSeparators(file));
    recolour(fileEdit_);
}

void CDpctDataDlg::browseDirectory()
{
    const QString start = folders_ ? QString::fromStdString(folders_->folder("CudaDir")) : QString();
    CFolderDialog dialog(this, tr("Select the folder that holds the CUDA files to convert"), start);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString dir = nativeWithSeparator(dialog.folderPath());
    if (folders_)
        folders_->setFolder("CudaDir", dir.toStdString());
    dirEdit_->setText(dir);
    recolour(dirEdit_);
}

void CDpctDataDlg::toggleCheckAll()
{
    checkAllState_ = !checkAllState_;
    checkAll_->setText(checkAllState_ ? tr("Uncheck all") : tr("Check all"));
    page_->setAll(checkAllState_);
}

void CDpctDataDlg::accept()
{
    if (isMultiple()) {
        // Only the options the page says were touched are checked and handed on.
        const QList<CDpctDataSetDlg::Refusal> refusals = page_->findRefusals();
        if (!refusals.isEmpty()) {
            CDpctDataSetDlg::report(this, refusals);
            return;
        }
        page_->store();
        touches_ = page_->touches();
        QDialog::accept();
        return;
    }
    // Every refused field is reported at once: the path first (it stands at the top), then the
    // options in their order. The focus goes to the first.
    QList<CDpctDataSetDlg::Refusal> refusals;
    const bool file = fileRadio_->isChecked();
    CColorEdit* edit = file ? fileEdit_ : dirEdit_;
    const QString path = edit->text();
    if (hasLineBreak(path)) {
        // Its own message: the name could not be saved, and the other messages would not say why.
        if (file)
            refusals.append({733,
                             tr("The file name \"%1\" contains a line break, which a definition file "
                                "cannot hold. Rename the file first.")
                                 .arg(visibleLineBreaks(path)),
                             edit});
        else
            refusals.append({734,
                             tr("The directory name \"%1\" contains a line break, which a definition "
                                "file cannot hold. Rename the directory first.")
                                 .arg(visibleLineBreaks(path)),
                             edit});
        recolour(edit);
    } else if (file && mode_ == Mode::Add && !path.isEmpty() && isListed_ && isListed_(path.toStdString())) {
        refusals.append({729, tr("The selected file is already in the list."), fileEdit_});
    } else {
        // A file item must name a file and a directory a directory: dpct cannot convert a folder
        // given as a file, and a scan of a file finds nothing.
        const QFileInfo info(file ? resolved(path, baseFolder_) : path);
        const bool exists = !path.isEmpty() && info.exists() && (file ? !info.isDir() : info.isDir());
        if (!exists) {
            if (file)
                refusals.append({701, tr("The file name is not valid. Enter a valid file name."), edit});
            else
                refusals.append(
                    {702, tr("The directory name is not valid. Enter a valid directory name."), edit});
            recolour(edit);
        }
    }
    refusals += page_->findRefusals();
    if (!refusals.isEmpty()) {
        CDpctDataSetDlg::report(this, refusals);
        return;
    }
    // The page writes the working record; the path fields go in afterwards.
    page_->store();
    working_.kind = file ? ItemKind::File : ItemKind::Directory;
    working_.path = path.toStdString();
    working_.includeSubdirs = subdirCheck_->isChecked();
    working_.setOn(kSlotDirName, true);
    working_.setOn(kSlotFileName, true);
    *target_ = working_;
    if (mode_ == Mode::Add && defaultItem_)
        defaultItem_->takeOptionsForNextAdd(working_);
    QDialog::accept();
}

} // namespace tovalo::gui
