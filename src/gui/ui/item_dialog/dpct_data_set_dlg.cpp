#include "ui/item_dialog/dpct_data_set_dlg.h"

#include "base/file_io.h"
#include "base/text.h"
#include "controls/commui/color_combo_box.h"
#include "controls/commui/color_edit.h"
#include "controls/commui/color_tool_tip_ctrl.h"
#include "controls/commui/dialog_seam.h"
#include "controls/commui/folder_dialog.h"
#include "controls/option_help.h"
#include "data/command_line.h"
#include "data/option_table.h"
#include "ui/item_dialog/folder_memory.h"

#include <algorithm>

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QPushButton>

namespace tovalo::gui {

using namespace tovalo;

namespace {

QString optionName(int slot)
{
    const std::string_view n = optionAt(slot).name;
    return QString::fromUtf8(n.data(), static_cast<qsizetype>(n.size()));
}

QString objectKey(int slot)
{
    return optionName(slot);
}

QString nativeWithSeparator(const QString& dir)
{
    QString d = QDir::toNativeSeparators(dir);
    if (!d.endsWith(QDir::separator()))
        d += QDir::separator();
    return d;
}

// The remembered folder of each browse button and whether it chooses a file.
struct BrowseInfo
{
    const char* memory;
    bool file;
};

BrowseInfo browseInfo(int slot)
{
    switch (slot) {
    case kCudaIncludePath:
        return {"CudaIncPath", false};
    case kInRoot:
        return {"InRoot", false};
    case kOutRoot:
        return {"OutRoot", false};
    case kOutputFile:
        return {"OutputFile", true};
    case kCompilationDatabase:
        return {"P", false};
    case kVcxprojFile:
        return {"Vcxproj", true};
    default:
        return {nullptr, false};
    }
}

} // namespace

CDpctDataSetDlg::CDpctDataSetDlg(CDpctData& target, FolderMemory* folders, QWidget* parent)
    : QWidget(parent), target_(&target), page_(target), original_(target), folders_(folders)
{
    setObjectName(QStringLiteral("dpctDataSetDlg"));
    tip_ = new CColorToolTipCtrl(this);
    buildRows();
    fillFromRecord();
}

std::array<int, kOptionCount> CDpctDataSetDlg::displayOrder()
{
    // Slot order, except that --gen-build-script stands between --extra-arg and --format-range.
    std::array<int, kOptionCount> order{};
    int n = 0;
    for (int slot = kFirstOptionSlot; slot < kSlotCount; ++slot) {
        if (slot == kGenBuildScript)
            continue;
        order[static_cast<std::size_t>(n++)] = slot;
        if (slot == kExtraArg)
            order[static_cast<std::size_t>(n++)] = kGenBuildScript;
    }
    return order;
}

bool CDpctDataSetDlg::isPathOption(int slot) const
{
    switch (slot) {
    case kBuildScriptFile:
    case kCudaIncludePath:
    case kInRoot:
    case kOutRoot:
    case kOutputFile:
    case kCompilationDatabase:
    case kVcxprojFile:
        return true;
    default:
        return false;
    }
}

void CDpctDataSetDlg::buildRows()
{
    auto* grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("optionGrid"));
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(4);
    int line = 0;
    for (int slot : displayOrder()) {
        const OptionInfo& info = optionAt(slot);
        Row& row = rows_[static_cast<std::size_t>(slot)];
        row.check = new QCheckBox(optionName(slot), this);
        row.check->setObjectName(QStringLiteral("check") + objectKey(slot));
        grid->addWidget(row.check, line, 0);
        connect(row.check, &QCheckBox::toggled, this, [this, slot](bool on) { onCheckToggled(slot, on); });

        if (info.kind == OptionKind::Choice) {
            row.combo = new CColorComboBox(this);
            row.combo->setObjectName(QStringLiteral("combo") + objectKey(slot));
            grid->addWidget(row.combo, line, 1, 1, info.browse == Browse::None ? 2 : 1);
        } else if (info.kind == OptionKind::Text) {
            row.edit = new CColorEdit(this);
            row.edit->setObjectName(QStringLiteral("edit") + objectKey(slot));
            grid->addWidget(row.edit, line, 1, 1, info.browse == Browse::None && slot != kOutputFile ? 2 : 1);
            if (isPathOption(slot))
                connect(row.edit, &QLineEdit::editingFinished, this, [this, slot] { recolour(slot); });
        }
        if (browseInfo(slot).memory) {
            row.browse = new QPushButton(this);
            row.browse->setObjectName(QStringLiteral("browse") + objectKey(slot));
            grid->addWidget(row.browse, line, 2);
            connect(row.browse, &QPushButton::clicked, this, [this, slot] { browse(slot); });
        }
        ++line;
    }
    grid->setRowStretch(line, 1);
    retranslate();
}

void CDpctDataSetDlg::retranslate()
{
    for (int slot = kFirstOptionSlot; slot < kSlotCount; ++slot) {
        const Row& row = rows_[static_cast<std::size_t>(slot)];
        if (row.browse) {
            row.browse->setText(tr("..."));
            row.browse->setToolTip(tr("Browse"));
        }
        // The description is the body; the option's name is the bold heading.
        if (slot != kNoIncrementalMigration && slot != kOptimizeMigration)
            tip_->addTool(row.check, helpText(slot) + QLatin1Char('\n') + optionName(slot));
    }
}

void CDpctDataSetDlg::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void CDpctDataSetDlg::fillFromRecord()
{
    for (int slot = kFirstOptionSlot; slot < kSlotCount; ++slot) {
        const OptionInfo& info = optionAt(slot);
        Row& row = rows_[static_cast<std::size_t>(slot)];
        {
            const QSignalBlocker block(row.check);
            row.check->setChecked(page_.isOn(slot));
        }
        if (row.combo) {
            row.combo->clear();
            for (std::string_view entry : valueListEntries(info.valueList))
                row.combo->addItem(QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size())));
            const int index = page_.choiceIndex(slot);
            row.combo->setCurrentIndex(index >= 0 && index < row.combo->count() ? index : -1);
            row.combo->setItemBold(info.defaultIndex, true);
        }
        if (row.edit) {
            row.edit->setText(QString::fromStdString(page_.text(slot)));
            if (isPathOption(slot))
                recolour(slot);
        }
        updateRowEnabled(slot);
    }
    // Shown, but the user cannot switch this deprecated option on the page.
    rows_[kNoClNamespaceInline].check->setEnabled(false);
}

void CDpctDataSetDlg::onCheckToggled(int slot, bool on)
{
    page_.setOn(slot, on);
    updateRowEnabled(slot);
}

void CDpctDataSetDlg::updateRowEnabled(int slot)
{
    const Row& row = rows_[static_cast<std::size_t>(slot)];
    const bool on = row.check->isChecked();
    if (row.combo)
        row.combo->setEnabled(on);
    if (row.edit)
        row.edit->setEnabled(on);
    if (row.browse)
        row.browse->setEnabled(on);
}

void CDpctDataSetDlg::setAll(bool state)
{
    // Of the exclusive group dpct takes only one; keep the user's choice when there is one.
    int groupChoice = kExclusiveGroup.front();
    for (int slot : kExclusiveGroup) {
        if (rows_[static_cast<std::size_t>(slot)].check->isChecked()) {
            groupChoice = slot;
            break;
        }
    }
    for (int slot = kFirstOptionSlot; slot < kSlotCount; ++slot) {
        QCheckBox* check = rows_[static_cast<std::size_t>(slot)].check;
        if (!check->isEnabled())
            continue; // fixed: the page shows it but does not change it
        bool on = state;
        if (state && std::find(kExclusiveGroup.begin(), kExclusiveGroup.end(), slot) != kExclusiveGroup.end())
            on = slot == groupChoice;
        check->setChecked(on);
    }
}

bool CDpctDataSetDlg::pathAcceptable(const QString& text)
{
    return text.isEmpty() || pathExists(text.toStdString());
}

bool CDpctDataSetDlg::outRootAcceptable(const QString& text)
{
    if (pathAcceptable(text))
        return true;
    // dpct creates the output folder itself, so it may be new; the folder holding it may not.
    QString folder = QDir::fromNativeSeparators(text);
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return pathExists(QFileInfo(folder).absolutePath().toStdString());
}

void CDpctDataSetDlg::recolour(int slot)
{
    CColorEdit* e = rows_[static_cast<std::size_t>(slot)].edit;
    const bool ok = slot == kOutRoot ? outRootAcceptable(e->text()) : pathAcceptable(e->text());
    e->setTextColor(ok ? QColor() : QColor(255, 0, 0));
}

void CDpctDataSetDlg::browse(int slot)
{
    const BrowseInfo b = browseInfo(slot);
    CColorEdit* e = rows_[static_cast<std::size_t>(slot)].edit;
    const std::string_view key(b.memory);
    const QString start = folders_ ? QString::fromStdString(folders_->folder(key)) : QString();
    QString title;
    QString filter;
    switch (slot) {
    case kCudaIncludePath:
        title = tr("Select the directory of the CUDA header files");
        break;
    case kInRoot:
        title = tr("Select the root directory of the source tree");
        break;
    case kOutRoot:
        title = tr("Select the root directory of the generated files");
        break;
    case kCompilationDatabase:
        title = tr("Select the directory of the compilation database");
        break;
    case kOutputFile:
        title = tr("Select the output file for stdout / stderr");
        filter = tr("Text File (*.txt);;All Files (*)");
        break;
    case kVcxprojFile:
        title = tr("Select the vcxproj file");
        filter = tr("vcxproj file (*.vcxproj);;All Files (*)");
        break;
    default:
        return;
    }
    QString chosen;
    if (b.file) {
        const QString file = DialogSeam::openFileName(this, title, start, filter);
        if (file.isEmpty())
            return;
        chosen = QDir::toNativeSeparators(file);
        if (folders_)
            folders_->setFolder(key, QDir::toNativeSeparators(QFileInfo(file).absolutePath()).toStdString());
    } else {
        CFolderDialog dialog(this, title, start);
        if (dialog.exec() != QDialog::Accepted)
            return;
        chosen = nativeWithSeparator(dialog.folderPath());
        if (folders_)
            folders_->setFolder(key, chosen.toStdString());
    }
    e->setText(chosen);
    recolour(slot);
}

QString CDpctDataSetDlg::helpText(int slot)
{
    // One set of option descriptions for the page's tips and the option grid.
    return optionRowDescription(slot);
}

int CDpctDataSetDlg::refusalId(int slot)
{
    switch (slot) {
    case kAssumeNdRangeDim:
        return 703;
    case kBuildScriptFile:
        return 704;
    case kCudaIncludePath:
        return 705;
    case kCustomHelperName:
        return 706;
    case kExtraArg:
        return 707;
    case kFormatRange:
        return 708;
    case kFormatStyle:
        return 709;
    case kInRoot:
        return 710;
    case kNoDpcppExtensions:
        return 711;
    case kOutRoot:
        return 712;
    case kOutputFile:
        return 713;
    case kOutputVerbosity:
        return 715;
    case kCompilationDatabase:
        return 714;
    case kReportFilePrefix:
        return 716;
    case kReportFormat:
        return 717;
    case kReportType:
        return 718;
    case kSuppressWarnings:
        return 719;
    case kUseCustomHelper:
        return 720;
    case kUseExperimentalFeatures:
        return 721;
    case kUseExplicitNamespace:
        return 722;
    case kUsmLevel:
        return 726;
    case kVcxprojFile:
        return 723;
    default:
        return 0;
    }
}

QString CDpctDataSetDlg::refusalText(int slot)
{
    const QString name = optionName(slot) + QStringLiteral(":\n");
    switch (slot) {
    case kAssumeNdRangeDim:
    case kFormatRange:
    case kFormatStyle:
    case kNoDpcppExtensions:
    case kOutputVerbosity:
    case kReportFormat:
    case kReportType:
    case kUseCustomHelper:
    case kUseExperimentalFeatures:
    case kUseExplicitNamespace:
        return name + tr("The selected value is not valid. Select a correct value.");
    case kUsmLevel:
        return tr("The selected value is not valid. Select a correct value.");
    case kBuildScriptFile:
        return name + tr("The name you entered is not valid. Enter a suitable name.");
    case kCudaIncludePath:
    case kInRoot:
    case kCompilationDatabase:
        return name + tr("The path you entered is not valid. Enter a correct path.");
    case kOutRoot:
        return name + tr("The folder you entered is missing, and so is the folder that would hold it. "
                         "Enter an existing folder, or a new one in an existing folder.");
    case kOutputFile:
    case kVcxprojFile:
        return name + tr("The file name you entered is not valid. Enter a correct file name.");
    case kCustomHelperName:
    case kExtraArg:
    case kReportFilePrefix:
    case kSuppressWarnings:
        return name + tr("No value has been entered. Enter a suitable value.");
    default:
        return {};
    }
}

QString CDpctDataSetDlg::plainValueRefusalText(int slot)
{
    return optionName(slot) + QStringLiteral(":\n") +
           tr("The quotes in the value you entered do not pair up, or it contains a line break or a "
              "control character. Close every quote you open.");
}

CDpctDataSetDlg::Refusal CDpctDataSetDlg::checkSlot(int slot)
{
    const OptionInfo& info = optionAt(slot);
    const Row& row = rows_[static_cast<std::size_t>(slot)];
    QWidget* failed = nullptr;
    QString message;
    if (row.combo) {
        const int index = row.combo->currentIndex();
        const auto size = static_cast<int>(valueListEntries(info.valueList).size());
        if (index < 0 || index >= size)
            failed = row.combo;
        else
            page_.setChoiceIndex(slot, index);
    } else if (row.edit) {
        const QString text = row.edit->text();
        bool ok = true;
        if (isPathOption(slot)) {
            ok = slot == kOutRoot ? outRootAcceptable(text) : pathAcceptable(text);
            row.edit->setTextColor(ok ? QColor() : QColor(255, 0, 0));
        } else {
            ok = !text.isEmpty();
            // A value that holds several arguments goes onto the command line word by word;
            // with a quote left open the words cannot be told apart.
            if (ok && info.argForm == ArgForm::Plain &&
                !unsafePlainValueReason(text.toStdString(), platformDialect()).empty()) {
                ok = false;
                message = plainValueRefusalText(slot);
            }
        }
        if (ok)
            page_.setText(slot, text.toStdString());
        else
            failed = row.edit;
    }
    if (!failed)
        return {};
    return {refusalId(slot), message.isEmpty() ? refusalText(slot) : message, failed};
}

QList<CDpctDataSetDlg::Refusal> CDpctDataSetDlg::findRefusals()
{
    // The page record is the working copy; it keeps the values only when all of them pass.
    const CDpctData before = page_;
    QList<Refusal> refusals;
    for (int slot = kFirstOptionSlot; slot < kSlotCount; ++slot) {
        const Row& row = rows_[static_cast<std::size_t>(slot)];
        page_.setOn(slot, row.check->isChecked());
        if (!row.check->isChecked())
            continue;
        Refusal refusal = checkSlot(slot);
        if (refusal.id != 0)
            refusals.append(std::move(refusal));
    }
    if (!refusals.isEmpty())
        page_ = before;
    return refusals;
}

void CDpctDataSetDlg::store()
{
    page_.changed.reset();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        bool differs = page_.isOn(slot) != original_.isOn(slot);
        if (slot >= kFirstOptionSlot) {
            const OptionInfo& info = optionAt(slot);
            if (info.kind == OptionKind::Choice)
                differs = differs || page_.choiceIndex(slot) != original_.choiceIndex(slot);
            else if (info.kind == OptionKind::Text)
                differs = differs || !caseFoldEquals(page_.text(slot), original_.text(slot));
        }
        page_.setChanged(slot, differs);
    }
    *target_ = page_;
}

bool CDpctDataSetDlg::validateAndStore()
{
    const QList<Refusal> refusals = findRefusals();
    if (!refusals.isEmpty()) {
        report(this, refusals);
        return false;
    }
    store();
    return true;
}

void CDpctDataSetDlg::report(QWidget* parent, const QList<Refusal>& refusals)
{
    if (refusals.isEmpty())
        return;
    const Refusal& first = refusals.front();
    QString text = first.text;
    if (refusals.size() > 1) {
        // Every refused field at once, so that one pass mends them all.
        QStringList parts;
        for (const Refusal& r : refusals)
            parts.append(r.text);
        text = tr("%n entries are not valid:", nullptr, static_cast<int>(refusals.size())) +
               QStringLiteral("\n\n") + parts.join(QStringLiteral("\n\n"));
    }
    DialogSeam::message(parent, first.id, QMessageBox::Critical, text);
    if (first.control)
        first.control->setFocus(Qt::OtherFocusReason);
}

QCheckBox* CDpctDataSetDlg::checkBox(int slot) const
{
    return rows_.at(static_cast<std::size_t>(slot)).check;
}

CColorComboBox* CDpctDataSetDlg::comboBox(int slot) const
{
    return rows_.at(static_cast<std::size_t>(slot)).combo;
}

CColorEdit* CDpctDataSetDlg::edit(int slot) const
{
    return rows_.at(static_cast<std::size_t>(slot)).edit;
}

QPushButton* CDpctDataSetDlg::browseButton(int slot) const
{
    return rows_.at(static_cast<std::size_t>(slot)).browse;
}

} // namespace tovalo::gui
