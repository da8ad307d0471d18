// The small controls: scroll container, group box, colour combo box and edit, colour tool tip;
// and the dialog seam every dialog goes through.

#include "controls/commui/color_combo_box.h"
#include "controls/commui/color_edit.h"
#include "controls/commui/color_tool_tip_ctrl.h"
#include "controls/commui/dialog_seam.h"
#include "controls/commui/dlg_scroll.h"
#include "controls/commui/folder_dialog.h"
#include "controls/commui/group_box.h"
#include "dialog_test_support.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

using namespace tovalo::gui;

class TestCommui : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { testing_gui::failOnUnexpectedDialogs(); }
    void dialogSeamUsesEachAnswerOnceInOrder()
    {
        QStringList unexpected;
        DialogSeam::setTestMode([&unexpected](const QString& what) { unexpected.append(what); });
        DialogSeam::resetLog();

        // Answers are taken in order, one per dialog, each by a dialog of its kind.
        DialogSeam::answerMessage(QMessageBox::No);
        DialogSeam::answerFile(QStringLiteral("/x/a.txt"));
        DialogSeam::answerFolder(QStringLiteral("/x/dir"));
        DialogSeam::answerFile(QString()); // cancelled
        QCOMPARE(DialogSeam::pendingAnswers(), 4);
        QCOMPARE(DialogSeam::message(nullptr, 7, QMessageBox::Question, QStringLiteral("sure?"),
                                     QMessageBox::Yes | QMessageBox::No),
                 QMessageBox::No);
        QCOMPARE(DialogSeam::last().id, 7);
        QCOMPARE(DialogSeam::last().text, QStringLiteral("sure?"));
        QCOMPARE(DialogSeam::saveFileName(nullptr, QStringLiteral("Save"), QStringLiteral("/start"),
                                          QStringLiteral("*.txt"), QStringLiteral("txt")),
                 QStringLiteral("/x/a.txt"));
        QCOMPARE(DialogSeam::last().kind, DialogSeam::Record::Kind::SaveFile);
        QCOMPARE(DialogSeam::last().dir, QStringLiteral("/start"));
        CFolderDialog folder(nullptr, QStringLiteral("Pick"), QStringLiteral("/here"));
        QCOMPARE(folder.exec(), int(QDialog::Accepted));
        QCOMPARE(folder.folderPath(), QStringLiteral("/x/dir"));
        QCOMPARE(DialogSeam::last().title, QStringLiteral("Pick"));
        QCOMPARE(DialogSeam::openFileName(nullptr, QStringLiteral("Open"), QString(), QString()), QString());
        QCOMPARE(DialogSeam::pendingAnswers(), 0);
        QCOMPARE(DialogSeam::shownCount(), 4);
        QVERIFY(unexpected.isEmpty());

        // A dialog without an answer is reported and cancelled: the safest button it has.
        QCOMPARE(DialogSeam::message(nullptr, 1, QMessageBox::Question, QStringLiteral("q"),
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel),
                 QMessageBox::Cancel);
        QCOMPARE(DialogSeam::message(nullptr, 2, QMessageBox::Question, QStringLiteral("q"),
                                     QMessageBox::Yes | QMessageBox::No),
                 QMessageBox::No);
        QCOMPARE(unexpected.size(), 2);
        QVERIFY(unexpected.at(0).contains(QStringLiteral("message box")));

        // An answer of the wrong kind is not taken by another dialog: the dialog is reported and
        // cancelled, and the answer stays for the dialog it was meant for.
        DialogSeam::answerMessage(QMessageBox::Yes);
        CFolderDialog other(nullptr, QStringLiteral("Other"), QStringLiteral("/"));
        QCOMPARE(other.exec(), int(QDialog::Rejected));
        QCOMPARE(unexpected.size(), 3);
        QVERIFY(unexpected.last().contains(QStringLiteral("folder chooser")));
        QCOMPARE(DialogSeam::pendingAnswers(), 1);
        DialogSeam::clearAnswers();

        // The colour chooser: its answers, a cancel, and no answer of another kind.
        DialogSeam::answerColor(QColor(1, 2, 3));
        DialogSeam::answerColor(std::nullopt);
        const std::optional<QColor> picked =
            DialogSeam::color(nullptr, QStringLiteral("Colour"), QColor(9, 9, 9));
        QVERIFY(picked.has_value());
        QCOMPARE(*picked, QColor(1, 2, 3));
        QCOMPARE(DialogSeam::last().kind, DialogSeam::Record::Kind::Color);
        QCOMPARE(DialogSeam::last().color, QColor(9, 9, 9));
        QVERIFY(!DialogSeam::color(nullptr, QStringLiteral("Colour"), QColor()).has_value());
        DialogSeam::answerFolder(QStringLiteral("/x"));
        QVERIFY(!DialogSeam::color(nullptr, QStringLiteral("Colour"), QColor()).has_value());
        QVERIFY(unexpected.last().contains(QStringLiteral("colour chooser")));
        QCOMPARE(DialogSeam::pendingAnswers(), 1);
        DialogSeam::clearAnswers();
        testing_gui::failOnUnexpectedDialogs();
    }

    void scrollContainer()
    {
        QWidget host;
        auto* scroll = new CDlgScroll(&host);
        scroll->setGeometry(0, 0, 300, 200);
        auto* page = new QWidget;
        page->setMinimumSize(280, 150);
        scroll->setChild(page);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QVERIFY(!scroll->canScroll());
        QCOMPARE(scroll->frameShape(), QFrame::NoFrame);

        auto* tall = new QWidget;
        auto* layout = new QVBoxLayout(tall);
        QList<QLineEdit*> edits;
        for (int i = 0; i < 30; ++i) {
            edits << new QLineEdit(tall);
            layout->addWidget(edits.back());
        }
        scroll->setChild(tall);
        QTRY_VERIFY(scroll->canScroll());
        QCOMPARE(scroll->frameShape(), QFrame::StyledPanel);
        QScrollBar* bar = scroll->verticalScrollBar();
        bar->setValue(bar->maximum() + 500);
        QCOMPARE(bar->value(), bar->maximum());
        QCOMPARE(bar->maximum(), tall->height() - scroll->viewport()->height());
        bar->setValue(-10);
        QCOMPARE(bar->value(), 0);

        // The focused control is scrolled into view; focus given to the container goes on to
        // the page.
        const auto visible = [scroll](QWidget* w) {
            const int top = w->mapTo(scroll->viewport(), QPoint(0, 0)).y();
            return top >= 0 && top + w->height() <= scroll->viewport()->height();
        };
        QVERIFY(!visible(edits.back()));
        edits.back()->setFocus();
        QTRY_VERIFY(visible(edits.back()));
        QVERIFY(bar->value() > 0);
        edits.front()->setFocus();
        QTRY_VERIFY(visible(edits.front()));
        QVERIFY(bar->value() < 10);
    }

    void groupBoxPassesStateToControlsInside()
    {
        QWidget parent;
        auto* box = new CGroupBox(QStringLiteral("Group"), &parent);
        box->setGeometry(10, 10, 200, 100);
        auto* inside = new QCheckBox(QStringLiteral("in"), &parent);
        inside->setGeometry(20, 10, 80, 20); // on the frame line, within the rectangle
        auto* overlapping = new QLineEdit(&parent);
        overlapping->setGeometry(150, 90, 100, 20); // top-left inside only
        auto* outside = new QLineEdit(&parent);
        outside->setGeometry(10, 150, 100, 20);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));

        box->setEnabled(false);
        QVERIFY(!inside->isEnabled());
        QVERIFY(overlapping->isEnabled());
        QVERIFY(outside->isEnabled());
        box->setEnabled(true);
        QVERIFY(inside->isEnabled());

        box->setIncludePartial(true);
        box->hide();
        QVERIFY(inside->isHidden());
        QVERIFY(overlapping->isHidden());
        QVERIFY(!outside->isHidden());
        box->show();
        QVERIFY(!inside->isHidden() && !overlapping->isHidden());

        box->setFrozen(true);
        box->setEnabled(false);
        QVERIFY(inside->isEnabled());
        // Hiding and showing the whole window does not change which controls are hidden.
        box->setFrozen(false);
        box->setEnabled(true);
        outside->hide();
        parent.hide();
        parent.show();
        QVERIFY(outside->isHidden());
        QVERIFY(!inside->isHidden());
    }

    void comboBoxMarks()
    {
        CColorComboBox combo;
        combo.addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        QVERIFY(combo.setItemBold(1, true));
        QVERIFY(combo.setItemTextColor(2, Qt::red));
        QVERIFY(!combo.setItemBold(3, true));
        QVERIFY(!combo.setItemBold(-1, true));
        QVERIFY(combo.itemBold(1));
        QCOMPARE(combo.itemTextColor(2), QColor(Qt::red));
        combo.removeItem(0);
        QVERIFY(combo.itemBold(0)); // the mark moved with its entry
        combo.clear();
        combo.addItems({QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")});
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!combo.itemBold(i));
            QVERIFY(!combo.itemTextColor(i).isValid());
        }
        // Painting a selected bold entry and nothing selected must both work.
        combo.setItemBold(2, true);
        combo.setCurrentIndex(2);
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        QVERIFY(!combo.grab().isNull());
        combo.setCurrentIndex(-1);
        QVERIFY(!combo.grab().isNull());
    }

    void colorEditUsesDisabledColoursWhenDisabled()
    {
        QWidget parent;
        auto* edit = new CColorEdit(&parent);
        edit->setTextColor(QColor(255, 0, 0));
        QCOMPARE(edit->palette().color(QPalette::Active, QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(edit->palette().color(QPalette::Disabled, QPalette::Text),
                 parent.palette().color(QPalette::Disabled, QPalette::Text));
        edit->setTextColor(QColor());
        QCOMPARE(edit->palette().color(QPalette::Active, QPalette::Text),
                 parent.palette().color(QPalette::Active, QPalette::Text));
        // A look change of the parent still reaches the edit.
        edit->setTextColor(QColor(255, 0, 0));
        QPalette look = parent.palette();
        look.setColor(QPalette::Base, QColor(1, 2, 3));
        parent.setPalette(look);
        QCOMPARE(edit->palette().color(QPalette::Active, QPalette::Base), QColor(1, 2, 3));
        QCOMPARE(edit->palette().color(QPalette::Active, QPalette::Text), QColor(255, 0, 0));
    }

    void toolTipSplitsHeadingAndShowsOnRest()
    {
        QString heading;
        QString body;
        CColorToolTipCtrl::splitTip(QStringLiteral("body line\nHeading"), heading, body);
        QCOMPARE(heading, QStringLiteral("Heading"));
        QCOMPARE(body, QStringLiteral("body line"));
        CColorToolTipCtrl::splitTip(QStringLiteral("a\nb\nc"), heading, body);
        QCOMPARE(heading, QStringLiteral("c"));
        QCOMPARE(body, QStringLiteral("a\nb"));
        CColorToolTipCtrl::splitTip(QStringLiteral("only body"), heading, body);
        QVERIFY(heading.isEmpty());

        QWidget owner;
        auto* tool = new QCheckBox(QStringLiteral("x"), &owner);
        CColorToolTipCtrl tip(&owner);
        tip.addTool(tool, QStringLiteral("A long description that certainly needs more than one line "
                                         "when it is wrapped at three hundred pixels.\n--name"));
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), tool->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(tool, &help);
        QVERIFY(tip.isVisible());
        QVERIFY(tip.width() <= 300);
        QVERIFY(tip.height() > 2 * QFontMetrics(tip.font()).height());
        QVERIFY(!tip.grab().isNull());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(tool, &leave);
        QVERIFY(!tip.isVisible());
        delete tool; // a destroyed tool is forgotten
        QVERIFY(tip.toolText(tool).isEmpty());
    }
};

QTEST_MAIN(TestCommui)
#include "commui_test.moc"
