#pragma once
// CToolOptionProp: the modal options sheet with two pages, "Common" (CToolOptionPageGeneral:
// language, look, MDI tabs) and "Colour settings" (CToolOptionPageColor: the ten display
// colours), and the buttons OK and Cancel. It opens on the page that was shown last in this
// process.
//
// OK lets each page write its changes into the settings, in page order, and collects what kind
// of setting changed in the change mask; Cancel changes nothing. run() then applies the mask to
// the main window (tab settings, colours, look, in that order) and saves the changed settings at
// once, so that a later crash loses nothing the user confirmed.

#include <QDialog>

class QDialogButtonBox;
class QPushButton;
class QTabWidget;

namespace tovalo {
class SettingsStore;
struct Settings;
} // namespace tovalo

namespace tovalo::gui {

class CMainFrame;
class CToolOptionPageColor;
class CToolOptionPageGeneral;

class CToolOptionProp : public QDialog
{
    Q_OBJECT

public:
    /// Bits of the change mask (the same bits as the settings groups they concern).
    enum Change : unsigned
    {
        kLookChanged = 0x01,
        kLanguageChanged = 0x02,
        kTabsChanged = 0x08,
        kColorsChanged = 0x40,
        kParallelChanged = 0x200,
    };
    enum Page : int
    {
        kGeneralPage = 0,
        kColorPage = 1,
    };

    CToolOptionProp(Settings& settings, QWidget* parent = nullptr);
    ~CToolOptionProp() override;

    /// What OK changed; 0 before OK and after Cancel.
    unsigned changeMask() const { return changeMask_; }

    CToolOptionPageGeneral* generalPage() const { return general_; }
    CToolOptionPageColor* colorPage() const { return color_; }
    QTabWidget* tabs() const { return tabs_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    /// The page the next sheet opens on (the last one shown in this process).
    static int lastPage();
    /// Tests: start over as at process start.
    static void resetLastPage();

    /// Runs the sheet over `frame` and, after OK, applies and saves what changed. Returns the
    /// change mask. Does nothing (returns 0) while a run or the start-up sequence is under way.
    static unsigned run(CMainFrame& frame, Settings& settings, SettingsStore& store);
    /// Applies a change mask to the main window, in this order: the tab settings, the colours of
    /// the output pane and every document window, the look (which saves itself); then saves the
    /// language, tab and colour settings that changed. A failed save is reported to the user.
    static void applyChanges(CMainFrame& frame, Settings& settings, SettingsStore& store, unsigned mask);

public Q_SLOTS:
    void accept() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    unsigned changeMask_ = 0;
    QTabWidget* tabs_ = nullptr;
    CToolOptionPageGeneral* general_ = nullptr;
    CToolOptionPageColor* color_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace tovalo::gui
