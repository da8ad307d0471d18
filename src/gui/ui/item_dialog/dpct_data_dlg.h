#pragma once
// CDpctDataDlg: the modal dialog in which the user adds a conversion item (a CUDA file, or a
// directory whose .cu files become items) or changes an existing one, with the option-setting
// page embedded in a scrolling container.
//
// The dialog edits its own working record: in add mode a copy of the default item, in update
// mode a copy of the item. On OK (after every check) the working record is copied into the
// target record; in add mode the default item then takes the options of the added item for the
// next add. Cancel leaves both untouched. The caller reads the target's `kind`, `path` and
// `includeSubdirs` to add one item or to scan a directory (runDirectoryScan).
//
// For several items at once the dialog shows what they have in common: each option with its
// value where they agree and as mixed where they differ; the paths cannot be changed. It then
// changes no record itself: after OK, touches() names the options the user touched and
// workingRecord() holds their values, for the caller to give every item (applyTouchedOptions).
//
// `isListed` answers whether the document already holds a path (case ignored); it is asked
// only in add mode. `target`, `defaultItem` and `folders` must outlive the dialog; `defaultItem`
// and `folders` may be null.

#include "data/common_options.h"
#include "data/dpct_data.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <QDialog>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace tovalo::gui {
class CColorEdit;
class CColorToolTipCtrl;
class CDlgScroll;
class CDpctDataSetDlg;
class CGroupBox;
class FolderMemory;

class CDpctDataDlg : public QDialog
{
    Q_OBJECT

public:
    enum class Mode
    {
        Add,
        Update
    };
    using ListQuery = std::function<bool(std::string_view path)>;

    CDpctDataDlg(Mode mode, tovalo::CDpctData& target, tovalo::CDpctData* defaultItem, ListQuery isListed,
                 FolderMemory* folders, QWidget* parent = nullptr);

    /// Update mode for several items (`items`: at least one, no null).
    CDpctDataDlg(const std::vector<const tovalo::CDpctData*>& items, FolderMemory* folders,
                 QWidget* parent = nullptr);

    Mode mode() const { return mode_; }
    /// The dialog edits several items at once.
    bool isMultiple() const { return itemCount_ > 1; }
    /// After OK for several items: the options the user touched.
    const tovalo::OptionTouches& touches() const { return touches_; }
    const tovalo::CDpctData& workingRecord() const { return working_; }

    // Controls, for the document window's tests and for these dialogs' tests.
    QRadioButton* fileRadio() const { return fileRadio_; }
    QRadioButton* dirRadio() const { return dirRadio_; }
    CColorEdit* fileEdit() const { return fileEdit_; }
    CColorEdit* dirEdit() const { return dirEdit_; }
    QPushButton* fileBrowse() const { return fileBrowse_; }
    QPushButton* dirBrowse() const { return dirBrowse_; }
    QCheckBox* subdirCheck() const { return subdirCheck_; }
    QPushButton* checkAllButton() const { return checkAll_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    CDlgScroll* scroll() const { return scroll_; }
    CDpctDataSetDlg* page() const { return page_; }
    CColorToolTipCtrl* toolTip() const { return tip_; }

    /// The folder relative paths (the file's and the path options') count from: the list file's
    /// folder, as when the list is checked and run; empty (the default) for a list not saved
    /// yet, whose relative paths count from the current folder.
    void setBaseFolder(const std::string& folder);

public Q_SLOTS:
    void accept() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildUi();
    void retranslate();
    void setKind(tovalo::ItemKind kind);
    void recolour(CColorEdit* edit);
    void browseFile();
    void browseDirectory();
    void toggleCheckAll();

    Mode mode_;
    tovalo::CDpctData* target_;
    tovalo::CDpctData* defaultItem_;
    ListQuery isListed_;
    FolderMemory* folders_;
    std::string baseFolder_;
    tovalo::CDpctData working_;
    int itemCount_ = 1;
    tovalo::CommonOptions common_;
    tovalo::OptionTouches touches_;
    bool checkAllState_ = false;

    CColorToolTipCtrl* tip_ = nullptr;
    CGroupBox* pathGroup_ = nullptr;
    CGroupBox* optionGroup_ = nullptr;
    QRadioButton* fileRadio_ = nullptr;
    QRadioButton* dirRadio_ = nullptr;
    CColorEdit* fileEdit_ = nullptr;
    CColorEdit* dirEdit_ = nullptr;
    QPushButton* fileBrowse_ = nullptr;
    QPushButton* dirBrowse_ = nullptr;
    QCheckBox* subdirCheck_ = nullptr;
    CDlgScroll* scroll_ = nullptr;
    CDpctDataSetDlg* page_ = nullptr;
    QPushButton* checkAll_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace tovalo::gui
