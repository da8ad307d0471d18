#pragma once
// CDpctDataSetDlg: the option-setting page of the item dialog. One row per dpct option, in the
// option table's page order: a check box that switches the option on and, for options with a
// value, a combo box (the option's value list, the built-in default in bold) or an edit, some with
// a browse button. What each row checks, browses and refuses is the option table's data; the page
// words it. The page works on its own copy of the target record and writes the target only
// through validateAndStore().
//
// For several items (showMixed) a check box whose items differ shows the third, partial state,
// and a value whose items differ shows empty with "(mixed)" as its hint. The page then notes
// which options the user touches (switched, or changed the value of; touches()), and checks only
// those: the others stay as each item has them.
//
// The target record must outlive the page. Choosers start in, and update, the remembered folders
// of `folders` (may be null: then they start nowhere in particular and remember nothing).

#include "data/common_options.h"
#include "data/dpct_data.h"

#include <array>
#include <string>
#include <string_view>

#include <QList>
#include <QString>
#include <QWidget>

class QCheckBox;
class QPushButton;

namespace tovalo::gui {
class CColorComboBox;
class CColorEdit;
class CColorToolTipCtrl;
class FolderMemory;

class CDpctDataSetDlg : public QWidget
{
    Q_OBJECT

public:
    CDpctDataSetDlg(tovalo::CDpctData& target, FolderMemory* folders, QWidget* parent = nullptr);

    /// Shows the page for several items: `mixedOn` slots in the partial state, `mixedValue` slots
    /// with an empty value. From now on the page notes what the user touches.
    void showMixed(const tovalo::SlotFlags& mixedOn, const tovalo::SlotFlags& mixedValue);
    /// The options the user touched since showMixed().
    const tovalo::OptionTouches& touches() const { return touches_; }

    /// Checks (true) or clears (false) the options the user can switch, so that the result is
    /// a set of options that can be on together: the fixed --no-cl-namespace-inline keeps its
    /// state, and of the exclusive group only one is checked (the first one already checked, or
    /// else the first of the group). Value controls follow their check boxes.
    void setAll(bool state);

    /// A refused field: the message number, its text and the control that holds the value.
    struct Refusal
    {
        int id = 0;
        QString text;
        QWidget* control = nullptr;
    };

    /// Checks every checked option in slot order and returns what is refused, without showing
    /// anything; the target is untouched. Path edits are coloured by the result.
    QList<Refusal> findRefusals();
    /// Sets the `changed` marks against the record the page was opened on and copies the page
    /// record into the target. Call only after findRefusals() found nothing.
    void store();
    /// Validates every checked option. When some are refused, shows them all in one message,
    /// moves the focus to the first and returns false (the target is untouched); otherwise
    /// stores (store()) and returns true.
    bool validateAndStore();
    /// Shows `refusals` in one message (a single one with its own number and text, several in a
    /// list under the number of the first) and moves the focus to the first one's control.
    static void report(QWidget* parent, const QList<Refusal>& refusals);

    /// The controls of an option slot (null when the option has none), for the dialog and tests.
    QCheckBox* checkBox(int slot) const;
    CColorComboBox* comboBox(int slot) const;
    CColorEdit* edit(int slot) const;
    QPushButton* browseButton(int slot) const;
    CColorToolTipCtrl* toolTip() const { return tip_; }

    /// The description line of an option's help text, the body of its check box's tip.
    static QString helpText(int slot);
    /// The message shown when a checked option's value is refused (its number is the option
    /// table's refusalId); empty for a Switch.
    static QString refusalText(int slot);
    /// The message shown when a value of --extra-arg, --report-file-prefix or
    /// --suppress-warnings cannot be split into arguments (a quote left open).
    static QString plainValueRefusalText(int slot);

    /// True when `text` is empty or names something that exists; a relative `text` is looked up
    /// from `baseFolder` (the current folder when it is empty).
    static bool pathAcceptable(const QString& text, std::string_view baseFolder = {});
    /// PathRule::ExistingOrNewFolder (--out-root): as pathAcceptable(), or a folder that does not
    /// exist yet in one that does (dpct creates it).
    static bool outRootAcceptable(const QString& text, std::string_view baseFolder = {});

    /// The folder relative path values count from (the list file's folder; empty for a list not
    /// saved yet, whose relative paths count from the current folder). The path fields are
    /// coloured again.
    void setBaseFolder(const std::string& folder);

protected:
    void changeEvent(QEvent* event) override;

private:
    struct Row
    {
        QCheckBox* check = nullptr;
        CColorComboBox* combo = nullptr;
        CColorEdit* edit = nullptr;
        QPushButton* browse = nullptr;
    };

    void buildRows();
    void retranslate();
    void fillFromRecord();
    void onCheckToggled(int slot, bool on);
    void updateRowEnabled(int slot);
    void recolour(int slot);
    void browse(int slot);
    /// Checks one checked option; a refusal has id 0 when it passes.
    Refusal checkSlot(int slot);
    /// For several items: the user switched the option (`on`) or changed its value.
    void touch(int slot, bool on);

    tovalo::CDpctData* target_;
    tovalo::CDpctData page_;
    tovalo::CDpctData original_; // the record as the page was opened on it, for the `changed` marks
    FolderMemory* folders_;
    std::string baseFolder_;
    CColorToolTipCtrl* tip_ = nullptr;
    std::array<Row, tovalo::kSlotCount> rows_{};
    bool multiple_ = false; ///< the page stands for several items
    bool filling_ = false;  ///< the controls are being set, not by the user
    tovalo::SlotFlags mixedValue_;
    tovalo::OptionTouches touches_;
};

} // namespace tovalo::gui
