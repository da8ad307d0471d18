#pragma once
// CDpctDataSetDlg: the option-setting page of the item dialog. One row per dpct option: a check
// box that switches the option on and, for options with a value, a combo box (the option's value
// list, the built-in default in bold) or an edit, some with a browse button. The page works on
// its own copy of the target record and writes the target only through validateAndStore().
//
// The target record must outlive the page. Choosers start in, and update, the remembered folders
// of `folders` (may be null: then they start nowhere in particular and remember nothing).

#include "data/dpct_data.h"

#include <array>

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

    /// Checks (true) or clears (false) every option's check box, the one of
    /// --no-cl-namespace-inline included; value controls follow their check boxes.
    void setAll(bool state);

    /// Validates every checked option in slot order. On the first failure shows its message,
    /// moves the focus to the failing control and returns false (the target is untouched).
    /// Otherwise sets the `changed` marks against the record the page was opened on, copies
    /// the page record into the target and returns true.
    bool validateAndStore();

    /// The controls of an option slot (null when the option has none), for the dialog and tests.
    QCheckBox* checkBox(int slot) const;
    CColorComboBox* comboBox(int slot) const;
    CColorEdit* edit(int slot) const;
    QPushButton* browseButton(int slot) const;
    CColorToolTipCtrl* toolTip() const { return tip_; }

    /// Slots in the order the page shows them.
    static std::array<int, tovalo::kOptionCount> displayOrder();
    /// The description line of an option's help text (empty for the two without one).
    static QString helpText(int slot);
    /// The message shown when a checked option's value is refused, and its number.
    static QString refusalText(int slot);
    static int refusalId(int slot);
    /// The message shown when a value of --extra-arg, --report-file-prefix or
    /// --suppress-warnings cannot be split into arguments (a quote left open).
    static QString plainValueRefusalText(int slot);

    /// True when `text` is empty or names something that exists.
    static bool pathAcceptable(const QString& text);

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
    bool validateSlot(int slot);
    bool isPathOption(int slot) const;

    tovalo::CDpctData* target_;
    tovalo::CDpctData page_;
    tovalo::CDpctData original_; // the record as the page was opened on it, for the `changed` marks
    FolderMemory* folders_;
    CColorToolTipCtrl* tip_ = nullptr;
    std::array<Row, tovalo::kSlotCount> rows_{};
};

} // namespace tovalo::gui
