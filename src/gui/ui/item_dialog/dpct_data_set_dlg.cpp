#include "ui/item_dialog/dpct_data_set_dlg.h"

#include "base/file_io.h"
#include "base/text.h"
#include "controls/commui/color_combo_box.h"
#include "controls/commui/color_edit.h"
#include "controls/commui/color_tool_tip_ctrl.h"
#include "controls/commui/dialog_seam.h"
#include "controls/commui/folder_dialog.h"
#include "controls/dpct_prop_ctrl.h"
#include "controls/option_help.h"
#include "data/command_line.h"
#include "data/option_table.h"
#include "ui/item_dialog/folder_memory.h"

#include <algorithm>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QPushButton>
#include <QScopedValueRollback>

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

// The page's texts that the option table identifies, worded here in the page's context.
constexpr char kContext[] = "tovalo::gui::CDpctDataSetDlg";

QString translated(const char* source)
{
    return QCoreApplication::translate(kContext, source);
}

// One entry per RefusalReason, in its order; `named` puts the option's name above the text.
struct RefusalWords
{
    RefusalReason reason;
    const char* text;
    bool named;
};

constexpr std::array kRefusalWords = {
    RefusalWords{RefusalReason::None, "", false},
    RefusalWords{RefusalReason::NoValidEntry,
                 QT_TRANSLATE_NOOP("tovalo::gui::CDpctDataSetDlg",
                                   "The selected value is not valid. Select a correct value."),
                 true},
    RefusalWords{RefusalReason::NoValidEntryUnnamed,
                 QT_TRANSLATE_NOOP("tovalo::gui::CDpctDataSetDlg",
                                   "The selected value is not valid. Select a correct value."),
                 false},
    RefusalWords{RefusalReason::InvalidName,
                 QT_TRANSLATE_NOOP("tovalo::gui::CDpctDataSetDlg",
                                   "The name you entered is not valid. Enter a suitable name."),
                 true},
    RefusalWords{RefusalReason::InvalidPath,
                 QT_TRANSLATE_NOOP("tovalo::gui::CDpctDataSetDlg",
                                   "The path you entered is not valid. Enter a correct path."),
                 true},
    RefusalWords{RefusalReason::NoFolderOrParent,
                 QT_TRANSLATE_NOOP("tovalo::gui::CDpctDataSetDlg",
                                   "The folder you entered is missing, and so is the folder that would hold "
                                   "it. Enter an existing folder, or a new one in an existing folder."),
                 true},
    RefusalWords{RefusalReason::InvalidFileName,
                 QT_TRANSLATE_NOOP("tovalo::gui::CDpctDataSetDlg",
                                   "The file name you entered is not valid. Enter a correct file name."),
                 true},
    RefusalWords{RefusalReason::EmptyValue,
                 QT_TRANSLATE_NOOP("tovalo::gui::CDpctDataSetDlg",
                                   "No value has been entered. Enter a suitable value."),
                 true},
};

constexpr bool inReasonOrder()
{
    for (std::size_t i = 0; i < kRefusalWords.size(); ++i) {
        if (static_cast<std::size_t>(kRefusalWords[i].reason) != i)
            return false;
    }
    return kRefusalWords.back().reason == RefusalReason::EmptyValue;
}
static_assert(inReasonOrder(), "one entry per RefusalReason, in its order");

// One entry per FileFilter, in its order.
constexpr std::array<const char*, 3> kFilterWords = {
    "",
    QT_TRANSLATE_NOOP("tovalo::gui::CDpctDataSetDlg", "Text File (*.txt);;All Files (*)"),
    QT_TRANSLATE_NOOP("tovalo::gui::CDpctDataSetDlg", "vcxproj file (*.vcxproj);;All Files (*)"),
};
static_assert(kFilterWords.size() == static_cast<std::size_t>(FileFilter::VcxprojFiles) + 1);

// The title of each option's chooser (the options whose browse is not None).
struct ChooserTitle
{
    int slot;
    const char* text;
};

constexpr std::array kChooserTitles = {
    ChooserTitle{kCudaIncludePath, QT_TRANSLATE_NOOP("tovalo::gui::CDpctDataSetDlg",
                                                     "Select the directory of the CUDA header files")},
    ChooserTitle{kInRoot, QT_TRANSLATE_NOOP("tovalo::gui::CDpctDataSetDlg",
                                            "Select the root directory of the source tree")},
    ChooserTitle{kOutRoot, QT_TRANSLATE_NOOP("tovalo::gui::CDpctDataSetDlg",
                                             "Select the root directory of the generated files")},
    ChooserTitle{kCompilationDatabase, QT_TRANSLATE_NOOP("tovalo::gui::CDpctDataSetDlg",
                                                         "Select the directory of the compilation database")},
    ChooserTitle{kOutputFile, QT_TRANSLATE_NOOP("tovalo::gui::CDpctDataSetDlg",
                                                "Select the output file for stdout / stderr")},
    ChooserTitle{kVcxprojFile, QT_TRANSLATE_NOOP("tovalo::gui::CDpctDataSetDlg", "Select the vcxproj file")},
};

QString chooserTitle(int slot)
{
    for (const ChooserTitle& t : kChooserTitles) {
        if (t.slot == slot)
            return translated(t.text);
    }
    return {};
}

// Whether the path option `slot` takes `text`, by the option's path rule, relative paths counted
// from `baseFolder`.
bool pathValueAcceptable(int slot, const QString& text, std::string_view baseFolder)
{
    return optionAt(slot).path == PathRule::ExistingOrNewFolder
               ? CDpctDataSetDlg::outRootAcceptable(text, baseFolder)
               : CDpctDataSetDlg::pathAcceptable(text, baseFolder);
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

void CDpctDataSetDlg::buildRows()
{
    auto* grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("optionGrid"));
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(4);
    int line = 0;
    for (int slot : pageOrder()) {
        const OptionInfo& info = optionAt(slot);
        Row& row = rows_[static_cast<std::size_t>(slot)];
        row.check = new QCheckBox(optionName(slot), this);
        row.check->setObjectName(QStringLiteral("check") + objectKey(slot));
        grid->addWidget(row.check, line, 0);
        connect(row.check, &QCheckBox::toggled, this, [this, slot](bool on) { onCheckToggled(slot, on); });
        connect(row.check, &QCheckBox::clicked, this, [this, slot] { touch(slot, true); });

        if (info.kind == OptionKind::Choice) {
            row.combo = new CColorComboBox(this);
            row.combo->setObjectName(QStringLiteral("combo") + objectKey(slot));
            connect(row.combo, &QComboBox::currentIndexChanged, this, [this, slot] { touch(slot, false); });
            grid->addWidget(row.combo, line, 1, 1, info.browse == Browse::None ? 2 : 1);
        } else if (info.kind == OptionKind::Text) {
            row.edit = new CColorEdit(this);
            row.edit->setObjectName(QStringLiteral("edit") + objectKey(slot));
            connect(row.edit, &QLineEdit::textChanged, this, [this, slot] { touch(slot, false); });
            grid->addWidget(row.edit, line, 1, 1, info.browse == Browse::None ? 2 : 1);
            if (info.path != PathRule::None)
                connect(row.edit, &QLineEdit::editingFinished, this, [this, slot] { recolour(slot); });
        }
        if (info.browse != Browse::None) {
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
        if (optionAt(slot).pageRow != PageRow::NoTip)
            tip_->addTool(row.check, helpText(slot) + QLatin1Char('\n') + optionName(slot));
    }
}

void CDpctDataSetDlg::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void CDpctDataSetDlg::showMixed(const SlotFlags& mixedOn, const SlotFlags& mixedValue)
{
    const QScopedValueRollback<bool> filling(filling_, true);
    multiple_ = true;
    mixedValue_ = mixedValue;
    touches_ = {};
    for (int slot = kFirstOptionSlot; slot < kSlotCount; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        Row& row = rows_[s];
        if (mixedOn[s]) {
            const QSignalBlocker block(row.check);
            row.check->setTristate(true);
            row.check->setCheckState(Qt::PartiallyChecked);
        }
        if (mixedValue[s]) {
            if (row.combo) {
                row.combo->setPlaceholderText(CDpctPropCtrl::mixedText());
                row.combo->setCurrentIndex(-1);
            }
            if (row.edit) {
                row.edit->clear();
                row.edit->setPlaceholderText(CDpctPropCtrl::mixedText());
                row.edit->setTextColor(QColor());
            }
        }
        updateRowEnabled(slot);
    }
}

void CDpctDataSetDlg::touch(int slot, bool on)
{
    if (!multiple_ || filling_)
        return;
    const auto s = static_cast<std::size_t>(slot);
    if (on) {
        touches_.on.set(s);
        // Switched once, the option is on or off for every item: no partial state any more.
        QCheckBox* check = rows_[s].check;
        if (check->isTristate()) {
            const QSignalBlocker block(check);
            check->setTristate(false);
            check->setChecked(check->checkState() != Qt::Unchecked);
            check->update();
            page_.setOn(slot, check->isChecked());
            updateRowEnabled(slot);
        }
    } else {
        touches_.value.set(s);
    }
}

void CDpctDataSetDlg::fillFromRecord()
{
    const QScopedValueRollback<bool> filling(filling_, true);
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
            if (info.path != PathRule::None)
                recolour(slot);
        }
        updateRowEnabled(slot);
        if (info.pageRow == PageRow::Fixed)
            row.check->setEnabled(false);
    }
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
        touch(slot, true);
    }
}

bool CDpctDataSetDlg::pathAcceptable(const QString& text, std::string_view baseFolder)
{
    return text.isEmpty() || pathExists(resolvePath(text.toStdString(), baseFolder));
}

bool CDpctDataSetDlg::outRootAcceptable(const QString& text, std::string_view baseFolder)
{
    if (pathAcceptable(text, baseFolder))
        return true;
    // dpct creates the output folder itself, so it may be new; the folder holding it may not.
    QString folder =
        QDir::fromNativeSeparators(QString::fromStdString(resolvePath(text.toStdString(), baseFolder)));
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return pathExists(QFileInfo(folder).absolutePath().toStdString());
}

void CDpctDataSetDlg::setBaseFolder(const std::string& folder)
{
    baseFolder_ = folder;
    for (int slot = kFirstOptionSlot; slot < kSlotCount; ++slot) {
        if (rows_[static_cast<std::size_t>(slot)].edit && optionAt(slot).path != PathRule::None)
            recolour(slot);
    }
}

void CDpctDataSetDlg::recolour(int slot)
{
    CColorEdit* e = rows_[static_cast<std::size_t>(slot)].edit;
    const bool ok = pathValueAcceptable(slot, e->text(), baseFolder_);
    e->setTextColor(ok ? QColor() : QColor(255, 0, 0));
}

void CDpctDataSetDlg::browse(int slot)
{
    const OptionInfo& info = optionAt(slot);
    CColorEdit* e = rows_[static_cast<std::size_t>(slot)].edit;
    const std::string_view key = info.folderKey;
    const QString start = folders_ ? QString::fromStdString(folders_->folder(key)) : QString();
    const QString title = chooserTitle(slot);
    QString chosen;
    if (info.browse == Browse::File) {
        const QString filter = translated(kFilterWords[static_cast<std::size_t>(info.filter)]);
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
    touch(slot, false);
}

QString CDpctDataSetDlg::helpText(int slot)
{
    // One set of option descriptions for the page's tips and the option grid.
    return optionRowDescription(slot);
}

QString CDpctDataSetDlg::refusalText(int slot)
{
    const RefusalWords& words = kRefusalWords[static_cast<std::size_t>(optionAt(slot).refusal)];
    if (*words.text == '\0')
        return {};
    const QString text = translated(words.text);
    return words.named ? optionName(slot) + QStringLiteral(":\n") + text : text;
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
        if (info.path != PathRule::None) {
            ok = pathValueAcceptable(slot, text, baseFolder_);
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
    return {info.refusalId, message.isEmpty() ? refusalText(slot) : message, failed};
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
        // For several items only what the user touched is checked; an untouched mixed value
        // stays each item's own.
        const auto s = static_cast<std::size_t>(slot);
        if (multiple_ && !touches_.value[s] && (mixedValue_[s] || !touches_.on[s]))
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
