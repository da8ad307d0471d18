#pragma once
// CToolOptionPageGeneral: the "Common" page of the options sheet: the interface language (it
// takes effect at the next start), the application look (the looks of the View menu) and the
// MDI tab settings (tab mode, location, style, a Close button and a colour per tab), and how many
// conversions run side by side (automatic, or 1 to 64).
//
// The page shows the settings when it is built and writes them only in apply(), when the sheet
// ends with OK; a Cancel leaves them as they were.

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

namespace tovalo {
struct Settings;
}

namespace tovalo::gui {

class CGroupBox;

class CToolOptionPageGeneral : public QWidget
{
    Q_OBJECT

public:
    CToolOptionPageGeneral(Settings& settings, QWidget* parent = nullptr);

    /// Writes what the user changed into the settings and returns the change bits (the sheet's
    /// 0x01 look, 0x02 language, 0x08 tab settings, kParallelChanged). A changed language is announced with a
    /// message that it takes effect at the next start.
    unsigned apply();

    QComboBox* languageCombo() const { return language_; }
    QComboBox* lookCombo() const { return look_; }
    QCheckBox* tabModeCheck() const { return tabMode_; }
    CGroupBox* tabGroup() const { return tabGroup_; }
    QComboBox* tabLocationCombo() const { return tabLocation_; }
    QComboBox* tabStyleCombo() const { return tabStyle_; }
    QCheckBox* tabCloseCheck() const { return tabClose_; }
    QCheckBox* tabColorCheck() const { return tabColor_; }
    QLabel* restartNote() const { return restartNote_; }
    /// Parallel conversions: 0 shows "Automatic".
    QSpinBox* parallelSpin() const { return parallel_; }

    /// The look entries' texts (the View menu's, without their mnemonics), in list order.
    static QStringList lookTexts();

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildUi();
    void retranslate();
    void load();
    void updateTabGroup();

    Settings& settings_;
    QLabel* languageLabel_ = nullptr;
    QComboBox* language_ = nullptr;
    QLabel* restartNote_ = nullptr;
    QLabel* lookLabel_ = nullptr;
    QComboBox* look_ = nullptr;
    QCheckBox* tabMode_ = nullptr;
    CGroupBox* tabGroup_ = nullptr;
    QLabel* tabLocationLabel_ = nullptr;
    QComboBox* tabLocation_ = nullptr;
    QLabel* tabStyleLabel_ = nullptr;
    QComboBox* tabStyle_ = nullptr;
    QCheckBox* tabClose_ = nullptr;
    QCheckBox* tabColor_ = nullptr;
    QLabel* parallelLabel_ = nullptr;
    QSpinBox* parallel_ = nullptr;
};

} // namespace tovalo::gui
