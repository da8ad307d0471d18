// The options sheet over a real main window: the general page (language, look, tab settings),
// the colour page (tree, picker, undo, reset), OK and Cancel, the page the sheet reopens on, and
// what OK applies to the main window and saves.

#include "controls/color_picker.h"
#include "controls/color_popup.h"
#include "controls/commui/group_box.h"
#include "controls/list_colors.h"
#include "controls/static_tree_ctrl.h"
#include "dialog_test_support.h"
#include "gui_test_support.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "ui/child_frame.h"
#include "ui/command_ids.h"
#include "ui/looks.h"
#include "ui/main_commands.h"
#include "ui/main_frame.h"
#include "ui/tool_option_page_color.h"
#include "ui/tool_option_page_general.h"
#include "ui/tool_option_prop.h"

#include <set>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using namespace tovalo;
using namespace tovalo::gui;
using testing_gui::Sandbox;

namespace {

/// A document window that counts how often its colours are applied.
class CountingDocument : public CChildFrame
{
public:
    using CChildFrame::CChildFrame;
    int colorsApplied = 0;
    void applyColors(const Settings& settings) override
    {
        ++colorsApplied;
        CChildFrame::applyColors(settings);
    }
};

void clickNode(CStaticTreeCtrl* tree, CStaticTreeNode* node)
{
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(node).center());
}

} // namespace

class TestOptions : public testing_gui::MainWindowSuite
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void sheetHasTwoPagesAndReopensOnTheLastOne();
    void onlyTheLanguageChangedShowsTheMessageOnce();
    void theStoredLanguageAgainShowsNothing();
    void tabModeSwitchesItsGroupAndOkAppliesTheTabs();
    void tabStylesLookDifferent();
    void lookInTheSheetIsTheLookOfTheMenu();
    void cancelChangesNothing();
    void parallelConversionsAreSavedAtOnce();
    void colourPageShowsAndUndoesLines();
    void groupLineTakesNoColour();
    void resetThenOkStoresAutomaticEverywhere();
    void nothingChangedRedrawsNothing();
    void colourPageByKeyboardOnly();

private:
    CToolOptionProp* openSheet();

    std::unique_ptr<CToolOptionProp> sheet_;
};

void TestOptions::initTestCase()
{
    testing_gui::failOnUnexpectedDialogs();
    testing_gui::useBuiltLanguagePacks();
}

void TestOptions::init()
{
    openMainWindow([](Settings& settings) { settings.language = 0; },
                   [this](CMainFrame& frame) {
                       frame.setDocumentFactory([this] { return new CountingDocument(*settings_); });
                   });
    CToolOptionProp::resetLastPage();
}

void TestOptions::cleanup()
{
    sheet_.reset();
    closeMainWindow();
}

CToolOptionProp* TestOptions::openSheet()
{
    sheet_ = std::make_unique<CToolOptionProp>(*settings_, frame_.get());
    sheet_->show();
    return sheet_.get();
}

void TestOptions::sheetHasTwoPagesAndReopensOnTheLastOne()
{
    CToolOptionProp* sheet = openSheet();
    QVERIFY(QTest::qWaitForWindowExposed(sheet));
    QCOMPARE(sheet->tabs()->count(), 2);
    QCOMPARE(sheet->tabs()->currentIndex(), 0);
    // OK and Cancel only.
    QCOMPARE(sheet->findChild<QDialogButtonBox*>()->buttons().size(), 2);
    QVERIFY(sheet->okButton()->isDefault());

    sheet->tabs()->setCurrentIndex(1);
    sheet->reject();
    QCOMPARE(CToolOptionProp::lastPage(), 1);
    QCOMPARE(openSheet()->tabs()->currentIndex(), 1);
    sheet_->tabs()->setCurrentIndex(0);
    sheet_->accept();
    QCOMPARE(openSheet()->tabs()->currentIndex(), 0);
}

void TestOptions::onlyTheLanguageChangedShowsTheMessageOnce()
{
    frame_->newDocumentWindow();
    const Settings before = *settings_;
    CToolOptionProp* sheet = openSheet();
    sheet->generalPage()->languageCombo()->setCurrentIndex(1);
    DialogSeam::resetLog();
    DialogSeam::answerMessage(QMessageBox::Ok);
    QTest::mouseClick(sheet->okButton(), Qt::LeftButton);
    QCOMPARE(sheet->result(), int(QDialog::Accepted));
    QCOMPARE(sheet->changeMask(), unsigned{CToolOptionProp::kLanguageChanged});
    QCOMPARE(DialogSeam::shownCount(), 1);
    QCOMPARE(DialogSeam::last().id, 728);
    QCOMPARE(DialogSeam::last().icon, QMessageBox::Information);
    QCOMPARE(settings_->language, 1);
    // Nothing else changed, nothing is redrawn, and the language is saved at once.
    QCOMPARE(settings_->tabMode, before.tabMode);
    QCOMPARE(settings_->colors, before.colors);
    QCOMPARE(settings_->applicationLook, before.applicationLook);
    auto* doc = static_cast<CountingDocument*>(frame_->activeDocument());
    const int applied = doc->colorsApplied;
    CToolOptionProp::applyChanges(*frame_, *settings_, *store_, sheet->changeMask());
    QCOMPARE(doc->colorsApplied, applied);
    QCOMPARE(DialogSeam::shownCount(), 1);
    QCOMPARE(sandbox_->storedSettings().language, 1);
}

void TestOptions::theStoredLanguageAgainShowsNothing()
{
    settings_->language = 2;
    CToolOptionProp* sheet = openSheet();
    QComboBox* language = sheet->generalPage()->languageCombo();
    QCOMPARE(language->count(), 5);
    QCOMPARE(language->currentIndex(), 2);
    // The restart note beside the list is red.
    QCOMPARE(sheet->generalPage()->restartNote()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QVERIFY(!sheet->generalPage()->restartNote()->text().isEmpty());
    language->setCurrentIndex(4);
    language->setCurrentIndex(2);
    DialogSeam::resetLog();
    sheet->accept(); // a message now would fail the test
    QCOMPARE(DialogSeam::shownCount(), 0);
    QCOMPARE(sheet->changeMask(), 0u);
    QCOMPARE(settings_->language, 2);
}

void TestOptions::tabModeSwitchesItsGroupAndOkAppliesTheTabs()
{
    settings_->tabMode[kTabMdiOn] = 1;
    frame_->applyTabSettings();
    frame_->newDocumentWindow();
    frame_->newDocumentWindow();
    QCOMPARE(frame_->mdiArea()->viewMode(), QMdiArea::TabbedView);

    CToolOptionProp* sheet = openSheet();
    QVERIFY(QTest::qWaitForWindowExposed(sheet));
    CToolOptionPageGeneral* page = sheet->generalPage();
    QVERIFY(page->tabModeCheck()->isChecked());
    QVERIFY(page->tabGroup()->isEnabled());
    QVERIFY(page->tabStyleCombo()->isEnabled());

    QTest::mouseClick(page->tabModeCheck(), Qt::LeftButton, {},
                      QPoint(5, page->tabModeCheck()->height() / 2));
    QVERIFY(!page->tabModeCheck()->isChecked());
    // The whole group goes grey; the check box stays usable, and so do the controls above.
    QVERIFY(!page->tabGroup()->isEnabled());
    for (QWidget* w :
         {static_cast<QWidget*>(page->tabLocationCombo()), static_cast<QWidget*>(page->tabStyleCombo()),
          static_cast<QWidget*>(page->tabCloseCheck()), static_cast<QWidget*>(page->tabColorCheck())})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(page->tabModeCheck()->isEnabled());
    QVERIFY(page->languageCombo()->isEnabled());
    QVERIFY(page->lookCombo()->isEnabled());
    page->tabModeCheck()->setFocus();
    QTest::keyClick(page->tabModeCheck(), Qt::Key_Space);
    QVERIFY(page->tabModeCheck()->isChecked());
    QVERIFY(page->tabStyleCombo()->isEnabled());
    QTest::keyClick(page->tabModeCheck(), Qt::Key_Space);

    QTest::mouseClick(sheet->okButton(), Qt::LeftButton);
    QCOMPARE(sheet->changeMask(), unsigned{CToolOptionProp::kTabsChanged});
    QCOMPARE(settings_->tabMode[kTabMdiOn], 0);
    CToolOptionProp::applyChanges(*frame_, *settings_, *store_, sheet->changeMask());
    QCOMPARE(frame_->mdiArea()->viewMode(), QMdiArea::SubWindowView);
    QVERIFY(frame_->mdiArea()->activeSubWindow()->isMaximized());
    QCOMPARE(sandbox_->storedSettings().tabMode[kTabMdiOn], 0); // saved at once

    // Back on, with the other fields of the page.
    sheet = openSheet();
    page = sheet->generalPage();
    page->tabModeCheck()->setChecked(true);
    page->tabLocationCombo()->setCurrentIndex(0);
    page->tabStyleCombo()->setCurrentIndex(3);
    page->tabCloseCheck()->setChecked(true);
    page->tabColorCheck()->setChecked(true);
    sheet->accept();
    CToolOptionProp::applyChanges(*frame_, *settings_, *store_, sheet->changeMask());
    QCOMPARE(frame_->mdiArea()->viewMode(), QMdiArea::TabbedView);
    QCOMPARE(frame_->mdiArea()->tabPosition(), QTabWidget::South);
    QVERIFY(frame_->mdiArea()->tabsClosable());
    const Settings saved = sandbox_->storedSettings();
    QCOMPARE(saved.tabMode[kTabStyle], 3);
    QCOMPARE(saved.tabMode[kTabActiveCloseButton], 1);
    QCOMPARE(saved.tabMode[kTabAutoColor], 1);
    QCOMPARE(saved.tabMode[kTabLocation], 0);
}

void TestOptions::tabStylesLookDifferent()
{
    frame_->newDocumentWindow();
    frame_->newDocumentWindow();
    frame_->newDocumentWindow();
    settings_->tabMode[kTabMdiOn] = 1;
    std::vector<QImage> images;
    for (int style = 0; style < 6; ++style) {
        settings_->tabMode[kTabStyle] = style;
        frame_->applyTabSettings();
        auto* tabs = frame_->mdiArea()->findChild<QTabBar*>();
        QVERIFY(tabs);
        QApplication::processEvents();
        images.push_back(tabs->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
    for (std::size_t a = 0; a < images.size(); ++a)
        for (std::size_t b = a + 1; b < images.size(); ++b)
            QVERIFY2(images[a] != images[b],
                     qPrintable(QStringLiteral("styles %1 and %2 look alike").arg(a).arg(b)));
}

void TestOptions::lookInTheSheetIsTheLookOfTheMenu()
{
    CToolOptionProp* sheet = openSheet();
    QComboBox* look = sheet->generalPage()->lookCombo();
    QCOMPARE(look->count(), 11);
    QCOMPARE(look->itemData(0).toInt(), 215);
    for (int i = 1; i < 11; ++i)
        QCOMPARE(look->itemData(i).toInt(), 204 + i);
    QCOMPARE(look->currentData().toInt(), settings_->applicationLook);
    // The texts of the View menu's looks, without their mnemonics: in the Japanese pack loaded
    // here the menu says "Office XP(&X)", the list "Office XP".
    for (int i = 0; i < look->count(); ++i) {
        QString menuText = frame_->action(look->itemData(i).toInt())->text();
        const qsizetype cut = menuText.indexOf(QStringLiteral("(&"));
        menuText = (cut > 0 ? menuText.left(cut) : menuText).remove(QLatin1Char('&')).trimmed();
        QCOMPARE(look->itemText(i), menuText);
        QVERIFY2(!look->itemText(i).contains(QLatin1Char('(')), qPrintable(look->itemText(i)));
    }

    look->setCurrentIndex(1); // 205
    sheet->accept();
    QCOMPARE(sheet->changeMask(), unsigned{CToolOptionProp::kLookChanged});
    CToolOptionProp::applyChanges(*frame_, *settings_, *store_, sheet->changeMask());
    // As if chosen in the View menu: applied, ticked, saved.
    QCOMPARE(QApplication::style()->name().toLower(), QStringLiteral("windows"));
    QCOMPARE(QApplication::palette().color(QPalette::Window), lookById(205).palette.color(QPalette::Window));
    QVERIFY(frame_->action(205)->isChecked());
    QCOMPARE(sandbox_->storedSettings().applicationLook, 205);
    frame_->applyLook(kDefaultLook);
}

void TestOptions::cancelChangesNothing()
{
    settings_->colors[3] = 0x00112233;
    const Settings before = *settings_;
    CToolOptionProp* sheet = openSheet();
    sheet->generalPage()->languageCombo()->setCurrentIndex(3);
    sheet->generalPage()->lookCombo()->setCurrentIndex(4);
    sheet->generalPage()->tabModeCheck()->setChecked(true);
    sheet->colorPage()->resetButton()->click();
    QTest::mouseClick(sheet->cancelButton(), Qt::LeftButton);
    QCOMPARE(sheet->result(), int(QDialog::Rejected));
    QCOMPARE(sheet->changeMask(), 0u);
    QCOMPARE(settings_->language, before.language);
    QCOMPARE(settings_->applicationLook, before.applicationLook);
    QCOMPARE(settings_->tabMode, before.tabMode);
    QCOMPARE(settings_->colors, before.colors);
}

void TestOptions::parallelConversionsAreSavedAtOnce()
{
    // Automatic shows as such (with this machine's number); a number is taken and saved at once.
    CToolOptionProp* sheet = openSheet();
    QSpinBox* spin = sheet->generalPage()->parallelSpin();
    QCOMPARE(spin->value(), kParallelAutomatic);
    QVERIFY(spin->text() != QStringLiteral("0"));
    QCOMPARE(spin->maximum(), kParallelMost);
    spin->setValue(6);
    QTest::mouseClick(sheet->okButton(), Qt::LeftButton);
    QCOMPARE(sheet->changeMask(), unsigned{CToolOptionProp::kParallelChanged});
    CToolOptionProp::applyChanges(*frame_, *settings_, *store_, sheet->changeMask());
    QCOMPARE(settings_->parallelConversions, 6);
    QCOMPARE(sandbox_->storedSettings().parallelConversions, 6);
}

void TestOptions::colourPageShowsAndUndoesLines()
{
    settings_->colors[4] = 0x00FF0000; // "converted OK" text: blue, not automatic
    CToolOptionProp* sheet = openSheet();
    sheet->tabs()->setCurrentIndex(1);
    QVERIFY(QTest::qWaitForWindowExposed(sheet));
    CToolOptionPageColor* page = sheet->colorPage();
    CStaticTreeCtrl* tree = page->tree();

    // Three groups of 6, 2 and 2 lines; the first group line is selected, which takes no colour.
    const std::vector<CStaticTreeNode*> nodes = tree->nodesInOrder();
    QCOMPARE(nodes.size(), std::size_t{13});
    QCOMPARE(nodes[0]->childCount(), 6);
    QCOMPARE(nodes[7]->childCount(), 2);
    QCOMPARE(nodes[10]->childCount(), 2);
    QCOMPARE(tree->selectedNode(), nodes[0]);
    QVERIFY(!page->colorGroup()->isEnabled());
    QVERIFY(!page->picker()->isEnabled());
    QVERIFY(!page->undoButton()->isEnabled());
    for (int slot = 0; slot < 10; ++slot)
        QCOMPARE(CToolOptionPageColor::lineSlot(page->line(slot)), slot);

    // An automatic line shows its slot's automatic colour; undo is off.
    clickNode(tree, page->line(2));
    QVERIFY(page->colorGroup()->isEnabled());
    QVERIFY(page->picker()->isEnabled());
    QVERIFY(!page->picker()->color().isValid());
    QCOMPARE(page->picker()->swatchColor(), QColor(0, 100, 0));
    QVERIFY(!page->undoButton()->isEnabled());
    const QImage button = page->picker()->grab().toImage();
    QCOMPARE(QColor(button.pixel(page->picker()->swatchRect().center())), QColor(0, 100, 0));

    // A colour enables undo; the settings' own colour (automatic) disables it again.
    Q_EMIT page->picker()->colorChosen(QColor(10, 20, 30));
    QCOMPARE(CToolOptionPageColor::lineColor(page->line(2)), 0x001E140Au);
    QVERIFY(page->undoButton()->isEnabled());
    Q_EMIT page->picker()->colorChosen(QColor());
    QCOMPARE(CToolOptionPageColor::lineColor(page->line(2)), ListColors::kAutomatic);
    QVERIFY(!page->undoButton()->isEnabled());

    // Pick, then Undo: the settings' colour is back and undo is off.
    clickNode(tree, page->line(4));
    QCOMPARE(page->picker()->color(), QColor(0, 0, 255));
    Q_EMIT page->picker()->colorChosen(QColor(255, 0, 0));
    QVERIFY(page->undoButton()->isEnabled());
    QTest::mouseClick(page->undoButton(), Qt::LeftButton);
    QCOMPARE(CToolOptionPageColor::lineColor(page->line(4)), 0x00FF0000u);
    QCOMPARE(page->picker()->color(), QColor(0, 0, 255));
    QVERIFY(!page->undoButton()->isEnabled());

    // Undo all takes back every line.
    Q_EMIT page->picker()->colorChosen(QColor(1, 1, 1));
    clickNode(tree, page->line(9));
    Q_EMIT page->picker()->colorChosen(QColor(2, 2, 2));
    QTest::mouseClick(page->undoAllButton(), Qt::LeftButton);
    QCOMPARE(CToolOptionPageColor::lineColor(page->line(4)), 0x00FF0000u);
    QCOMPARE(CToolOptionPageColor::lineColor(page->line(9)), ListColors::kAutomatic);
    QVERIFY(!page->undoButton()->isEnabled());

    // A real pick through the palette reaches the line and OK stores it.
    page->picker()->showPopup();
    CColorPopup* popup = page->picker()->popup();
    QVERIFY(popup);
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->itemRect(39).center()); // white
    QTRY_VERIFY(!page->picker()->popup());
    QCOMPARE(CToolOptionPageColor::lineColor(page->line(9)), 0x00FFFFFFu);
    QTest::mouseClick(sheet->okButton(), Qt::LeftButton);
    QCOMPARE(sheet->changeMask(), unsigned{CToolOptionProp::kColorsChanged});
    QCOMPARE(settings_->colors[9], 0x00FFFFFFu);
    QCOMPARE(settings_->colors[4], 0x00FF0000u);
}

void TestOptions::groupLineTakesNoColour()
{
    CToolOptionProp* sheet = openSheet();
    sheet->tabs()->setCurrentIndex(1);
    QVERIFY(QTest::qWaitForWindowExposed(sheet));
    CToolOptionPageColor* page = sheet->colorPage();
    clickNode(page->tree(), page->line(7));
    QVERIFY(page->colorGroup()->isEnabled());
    const std::vector<CStaticTreeNode*> nodes = page->tree()->nodesInOrder();
    clickNode(page->tree(), nodes[10]); // "Output window"
    QVERIFY(!page->colorGroup()->isEnabled());
    QVERIFY(!page->undoButton()->isEnabled());
    Q_EMIT page->picker()->colorChosen(QColor(9, 9, 9));
    QTest::mouseClick(page->undoButton(), Qt::LeftButton); // disabled: nothing
    for (int slot = 0; slot < 10; ++slot)
        QCOMPARE(CToolOptionPageColor::lineColor(page->line(slot)), ListColors::kAutomatic);
    sheet->accept();
    QCOMPARE(sheet->changeMask(), 0u);
}

void TestOptions::resetThenOkStoresAutomaticEverywhere()
{
    frame_->newDocumentWindow();
    frame_->newDocumentWindow();
    settings_->colors[0] = 0x00010203;
    settings_->colors[7] = 0x00FFFFFF;
    settings_->colors[8] = 0x0000FF00;
    frame_->applyColors();
    CToolOptionProp* sheet = openSheet();
    CToolOptionPageColor* page = sheet->colorPage();
    QTest::mouseClick(page->resetButton(), Qt::LeftButton);
    for (int slot = 0; slot < 10; ++slot)
        QCOMPARE(CToolOptionPageColor::lineColor(page->line(slot)), ListColors::kAutomatic);
    // After a reset, undo leads back to automatic, not to the colours the page started with.
    QTest::mouseClick(page->undoAllButton(), Qt::LeftButton);
    QCOMPARE(CToolOptionPageColor::lineColor(page->line(0)), ListColors::kAutomatic);

    std::vector<int> before;
    for (DocumentWindow* doc : frame_->documentWindows())
        before.push_back(static_cast<CountingDocument*>(doc)->colorsApplied);
    sheet->accept();
    QCOMPARE(sheet->changeMask(), unsigned{CToolOptionProp::kColorsChanged});
    for (std::uint32_t c : settings_->colors)
        QCOMPARE(c, ListColors::kAutomatic);
    CToolOptionProp::applyChanges(*frame_, *settings_, *store_, sheet->changeMask());
    const QList<DocumentWindow*> docs = frame_->documentWindows();
    for (int i = 0; i < docs.size(); ++i)
        QCOMPARE(static_cast<CountingDocument*>(docs[i])->colorsApplied,
                 before[static_cast<std::size_t>(i)] + 1);
    const Settings saved = sandbox_->storedSettings();
    for (std::uint32_t c : saved.colors)
        QCOMPARE(c, ListColors::kAutomatic);
}

void TestOptions::nothingChangedRedrawsNothing()
{
    frame_->newDocumentWindow();
    settings_->colors[5] = 0x000000FF;
    auto* doc = static_cast<CountingDocument*>(frame_->activeDocument());
    const int applied = doc->colorsApplied;
    const QByteArray storedBefore = testing_gui::readAll(sandbox_->settingsFile());
    CToolOptionProp* sheet = openSheet();
    sheet->tabs()->setCurrentIndex(1);
    clickNode(sheet->colorPage()->tree(), sheet->colorPage()->line(5));
    QTest::mouseClick(sheet->okButton(), Qt::LeftButton);
    QCOMPARE(sheet->changeMask(), 0u);
    CToolOptionProp::applyChanges(*frame_, *settings_, *store_, sheet->changeMask());
    QCOMPARE(doc->colorsApplied, applied);
    QCOMPARE(testing_gui::readAll(sandbox_->settingsFile()), storedBefore);
}

void TestOptions::colourPageByKeyboardOnly()
{
    CToolOptionProp* sheet = openSheet();
    sheet->tabs()->setCurrentIndex(1);
    QVERIFY(QTest::qWaitForWindowExposed(sheet));
    QApplication::setActiveWindow(sheet);
    CToolOptionPageColor* page = sheet->colorPage();
    page->tree()->setFocus();
    QTest::keyClick(page->tree(), Qt::Key_Down); // the first line: row text
    QCOMPARE(page->tree()->selectedNode(), page->line(0));
    QTest::keyClick(page->tree(), Qt::Key_Tab);
    QTRY_VERIFY(page->picker()->hasFocus());
    QTest::keyClick(page->picker(), Qt::Key_Space);
    QTRY_VERIFY(page->picker()->popup());
    CColorPopup* popup = page->picker()->popup();
    QTest::keyClick(popup, Qt::Key_Down);  // automatic
    QTest::keyClick(popup, Qt::Key_Down);  // black
    QTest::keyClick(popup, Qt::Key_Right); // brown
    QTest::keyClick(popup, Qt::Key_Return);
    QTRY_VERIFY(!page->picker()->popup());
    QCOMPARE(CToolOptionPageColor::lineColor(page->line(0)), 0x00002AA5u);
    QVERIFY(page->undoButton()->isEnabled());
    // Escape in the tree reaches the sheet, which closes without changes.
    page->tree()->setFocus();
    QTest::keyClick(page->tree(), Qt::Key_Escape);
    QCOMPARE(sheet->result(), int(QDialog::Rejected));
    QCOMPARE(settings_->colors[0], ListColors::kAutomatic);
}

QTEST_MAIN(TestOptions)
#include "options_test.moc"
