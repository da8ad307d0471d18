// The main window without a run: menus and accelerators, opening files (dialog, recent list,
// drag and drop), looks and tab settings, and closing with its questions.

#include "base/path_text.h"
#include "dialog_test_support.h"
#include "gui_test_support.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "ui/child_frame.h"
#include "ui/command_ids.h"
#include "ui/document_window.h"
#include "ui/looks.h"
#include "ui/main_frame.h"
#include "ui/message_box.h"
#include "ui/run_controller.h"

#include <set>

#include <QApplication>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QStyle>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

using namespace tovalo;
using namespace tovalo::gui;
using testing_gui::Sandbox;

namespace {

QStringList visibleTexts(const QList<QAction*>& actions)
{
    QStringList out;
    for (QAction* a : actions) {
        if (a->isVisible() && !a->isSeparator())
            out.append(a->text());
    }
    return out;
}

/// A document whose save question answers as told.
class RefusingDocument : public CChildFrame
{
public:
    using CChildFrame::CChildFrame;
    bool allow = true;
    int asked = 0;
    bool queryClose() override
    {
        ++asked;
        return allow;
    }
};

} // namespace

class TestMainFrame : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void menusWithoutAndWithDocument();
    void acceleratorsAndToolbar();
    void idleEnablingWithoutOneApi();
    void openFromDialogAndRecentList();
    void recentListLabelsAndLimit();
    void reopeningActivatesTheOpenWindow();
    void droppedFilesOpenExistingOnes();
    void unreadableFileShowsErrorAndOpensNothing();
    void looksAreDistinctAppliedAndSaved();
    void tabSettingsApplied();
    void quitAsksAndCancelKeepsRunning();
    void quitStopsAtCancelledSaveQuestion();

private:
    std::unique_ptr<Sandbox> sandbox_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<CMainFrame> frame_;
};

void TestMainFrame::initTestCase()
{
    testing_gui::failOnUnexpectedDialogs();
    testing_gui::useBuiltLanguagePacks();
}

void TestMainFrame::init()
{
    sandbox_ = std::make_unique<Sandbox>();
    store_ = sandbox_->store();
    settings_ = std::make_unique<Settings>();
    frame_ = std::make_unique<CMainFrame>(*settings_, *store_);
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
}

void TestMainFrame::cleanup()
{
    frame_.reset();
    settings_.reset();
    store_.reset();
    sandbox_.reset();
    // Every answer the test queued was taken by a dialog.
    const int unused = DialogSeam::pendingAnswers();
    DialogSeam::clearAnswers();
    QCOMPARE(unused, 0);
}

void TestMainFrame::menusWithoutAndWithDocument()
{
    QMenuBar* bar = frame_->menuBar();
    QCOMPARE(visibleTexts(bar->actions()),
             (QStringList{QStringLiteral("ファイル(&F)"), QStringLiteral("表示(&V)"),
                          QStringLiteral("ヘルプ(&H)")}));
    auto* file = frame_->findChild<QMenu*>(QStringLiteral("menuFile"));
    QCOMPARE(visibleTexts(file->actions()),
             (QStringList{QStringLiteral("新規作成(&N)"), QStringLiteral("定義ファイルを開く(&O)..."),
                          QStringLiteral("最近使ったファイル(&F)"),
                          QStringLiteral("アプリケーションの終了(&X)")}));
    // With no recent file the placeholder is there but disabled.
    QVERIFY(!frame_->action(cmd::RecentPlaceholder)->isEnabled());

    frame_->newDocumentWindow();
    QCOMPARE(
        visibleTexts(bar->actions()),
        (QStringList{QStringLiteral("ファイル(&F)"), QStringLiteral("編集(&E)"), QStringLiteral("変換(&C)"),
                     QStringLiteral("表示(&V)"), QStringLiteral("ツール(&T)"),
                     QStringLiteral("ウィンドウ(&W)"), QStringLiteral("ヘルプ(&H)")}));
    QCOMPARE(visibleTexts(file->actions()),
             (QStringList{QStringLiteral("新規作成(&N)"), QStringLiteral("定義ファイルを開く(&O)..."),
                          QStringLiteral("定義ファイルの保存(&S)"), QStringLiteral("名前を付けて保存(&A)..."),
                          QStringLiteral("閉じる(&C)"), frame_->action(cmd::ExportCsv)->text(),
                          frame_->action(cmd::ExportJson)->text(), QStringLiteral("最近使ったファイル(&F)"),
                          QStringLiteral("アプリケーションの終了(&X)")}));
    auto* edit = frame_->findChild<QMenu*>(QStringLiteral("menuEdit"));
    QCOMPARE(visibleTexts(edit->actions()), (QStringList{QStringLiteral("cuファイルをリストに追加(&A)..."),
                                                         QStringLiteral("選択したリスト項目を更新(&U)..."),
                                                         QStringLiteral("選択したリスト項目を削除(&D)"),
                                                         QStringLiteral("全ての項目を削除(&A)...")}));
    auto* convert = frame_->findChild<QMenu*>(QStringLiteral("menuConvert"));
    QCOMPARE(visibleTexts(convert->actions()),
             (QStringList{QStringLiteral("変換開始(&S)"), QStringLiteral("変換停止(&T)"),
                          QStringLiteral("変換一時停止/再開(&P)"), frame_->action(cmd::RerunFailed)->text(),
                          frame_->action(cmd::Diagnostics)->text()}));
    auto* tools = frame_->findChild<QMenu*>(QStringLiteral("menuTools"));
    QCOMPARE(visibleTexts(tools->actions()), QStringList{QStringLiteral("動作環境(&S)...\tF12")});
    QVERIFY(frame_->action(cmd::Options)->shortcut().isEmpty()); // F12 is shown, not bound
    auto* look = frame_->findChild<QMenu*>(QStringLiteral("menuLook"));
    QCOMPARE(look->title(), QStringLiteral("アプリケーションの外観(&A)"));
    QStringList lookIds;
    for (QAction* a : look->actions())
        lookIds.append(a->property("commandId").toString());
    QCOMPARE(lookIds.join(QLatin1Char(' ')), QStringLiteral("215 205 206 207 208 209 210 211 212 213 214"));
    QCOMPARE(look->actions().at(7)->text(), QStringLiteral("Office2007： ブルー スタイル(&B)"));
    QCOMPARE(frame_->findChild<QMenu*>(QStringLiteral("menuHelp"))->actions().first()->text(),
             QStringLiteral("バージョン情報(&A)..."));

    // The title shows the document before the program's name, on one line.
    // It is set once the MDI area has settled, on the next turn of the event loop.
    QTRY_VERIFY2(frame_->windowTitle().count(QStringLiteral("無題")) == 1 &&
                     frame_->windowTitle().count(
                         QStringLiteral("インテル® OneAPI DPC++互換性ツール サポートアプリ Tovalo")) == 1,
                 qPrintable(frame_->windowTitle()));
}

void TestMainFrame::acceleratorsAndToolbar()
{
    const struct
    {
        int id;
        QKeySequence key;
    } expected[] = {
        {cmd::PauseResume, QKeySequence(Qt::Key_F6)},
        {cmd::Start, QKeySequence(Qt::Key_F5)},
        {cmd::Stop, QKeySequence(Qt::SHIFT | Qt::Key_F5)},
        {cmd::AddItem, QKeySequence(Qt::Key_Insert)},
        {cmd::DeleteItem, QKeySequence(Qt::Key_Delete)},
        {cmd::DeleteAll, QKeySequence(Qt::CTRL | Qt::Key_Delete)},
        {cmd::UpdateItem, QKeySequence(Qt::Key_Return)},
        {cmd::New, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {cmd::Open, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {cmd::Save, QKeySequence(Qt::CTRL | Qt::Key_S)},
    };
    for (const auto& e : expected)
        QCOMPARE(frame_->action(e.id)->shortcut(), e.key);

    // Ctrl+N through the keyboard makes a document window.
    QTest::keyClick(frame_.get(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(frame_->documentWindows().size(), 1);

    auto* toolBar = frame_->findChild<QToolBar*>(QStringLiteral("toolBar"));
    QCOMPARE(toolBar->iconSize(), QSize(48, 48));
    QStringList ids;
    for (QAction* a : toolBar->actions())
        ids.append(a->isSeparator() ? QStringLiteral("|") : a->property("commandId").toString());
    QCOMPARE(
        ids.join(QLatin1Char(' ')),
        QStringLiteral("32771 32772 32773 32774 | 32775 32776 32777 | 32778 | 32779 32780 32781 | 32782"));
    // Each button has its own disabled and hot pictures.
    const QIcon start = frame_->action(cmd::Start)->icon();
    const QImage normal = start.pixmap(48, QIcon::Normal).toImage();
    QVERIFY(normal != start.pixmap(48, QIcon::Disabled).toImage());
    QVERIFY(normal != start.pixmap(48, QIcon::Active).toImage());
    QCOMPARE(frame_->action(cmd::Start)->toolTip(), QStringLiteral("変換開始"));
    QCOMPARE(toolBar->windowTitle(), QStringLiteral("ツールバー"));
}

void TestMainFrame::idleEnablingWithoutOneApi()
{
    // No console and no oneAPI: files can be opened, nothing can run.
    const QString def = testing_gui::writeDefinition(sandbox_->path(), QStringLiteral("a.txt"),
                                                     {{QStringLiteral("a.cu"), QStringLiteral("result=ok")}});
    QVERIFY(frame_->openDefinition(def));
    QVERIFY(frame_->action(cmd::Open)->isEnabled());
    QVERIFY(frame_->action(cmd::New)->isEnabled());
    QVERIFY(frame_->action(cmd::Options)->isEnabled());
    QVERIFY(!frame_->action(cmd::Start)->isEnabled());
    QVERIFY(!frame_->action(cmd::Stop)->isEnabled());
    QVERIFY(!frame_->action(cmd::PauseResume)->isEnabled());
    QVERIFY(frame_->action(cmd::Close)->isEnabled());
    QString error;
    settings_->oneapiRoot.clear();
    QVERIFY(frame_->openConsole(error));
    QCOMPARE(frame_->runController()->engine()->phase(), RunPhase::Idle);
    frame_->updateActions();
    QVERIFY(!frame_->action(cmd::Start)->isEnabled());
    QTest::keyClick(frame_.get(), Qt::Key_F5);
    QCOMPARE(frame_->runController()->engine()->phase(), RunPhase::Idle);
}

void TestMainFrame::openFromDialogAndRecentList()
{
    const QString a = testing_gui::writeDefinition(sandbox_->path(), QStringLiteral("a.txt"),
                                                   {{QStringLiteral("a.cu"), QString()}});
    const QString b = testing_gui::writeDefinition(
        sandbox_->path(), QStringLiteral("b.txt"),
        {{QStringLiteral("b1.cu"), QString()}, {QStringLiteral("b2.cu"), QString()}});
    // The open chooser, answered through the dialog seam.
    DialogSeam::answerFile(a);
    QTest::keyClick(frame_.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(DialogSeam::last().kind, DialogSeam::Record::Kind::OpenFile);
    QCOMPARE(DialogSeam::last().title, QStringLiteral("定義ファイルを開く"));
    QVERIFY(DialogSeam::last().filter.contains(QStringLiteral("*.txt")));
    QCOMPARE(frame_->documentWindows().size(), 1);
    QCOMPARE(frame_->activeDocument()->filePath(), a);
    QCOMPARE(frame_->activeDocument()->rowCount(), 1);

    QVERIFY(frame_->openDefinition(b));
    QCOMPARE(settings_->recent, (std::vector<std::string>{b.toStdString(), a.toStdString()}));

    // Close both; the recent sub-menu replaces the placeholder and reopens an entry.
    frame_->mdiArea()->closeAllSubWindows();
    QTRY_COMPARE(frame_->documentWindows().size(), 0);
    auto* file = frame_->findChild<QMenu*>(QStringLiteral("menuFile"));
    Q_EMIT file->aboutToShow();
    QVERIFY(!frame_->action(cmd::RecentPlaceholder)->isVisible());
    auto* recent = frame_->findChild<QMenu*>(QStringLiteral("menuRecent"));
    QCOMPARE(recent->title(), QStringLiteral("最近使用したファイル(&F)"));
    QCOMPARE(recent->actions().size(), 2);
    recent->actions().at(1)->trigger();
    QCOMPARE(frame_->documentWindows().size(), 1);
    QCOMPARE(frame_->activeDocument()->filePath(), a);
    // Reopening moved the entry to the front without duplicating it.
    QCOMPARE(settings_->recent, (std::vector<std::string>{a.toStdString(), b.toStdString()}));
}

void TestMainFrame::recentListLabelsAndLimit()
{
    QStringList paths;
    for (int i = 0; i < 17; ++i) {
        paths.append(testing_gui::writeDefinition(sandbox_->path(), QStringLiteral("d%1.txt").arg(i),
                                                  {{QStringLiteral("x%1.cu").arg(i), QString()}}));
        QVERIFY(frame_->openDefinition(paths.last()));
    }
    QCOMPARE(settings_->recent.size(), std::size_t(16));
    QCOMPARE(QString::fromStdString(settings_->recent.front()), paths.at(16));
    QCOMPARE(QString::fromStdString(settings_->recent.back()), paths.at(1)); // the oldest went
    Q_EMIT frame_->findChild<QMenu*>(QStringLiteral("menuFile"))->aboutToShow();
    const QList<QAction*> entries = frame_->findChild<QMenu*>(QStringLiteral("menuRecent"))->actions();
    QCOMPARE(entries.size(), 16);
    QCOMPARE(entries.at(0)->text(), QStringLiteral("(&0) ") + paths.at(16));
    QCOMPARE(entries.at(10)->text(), QStringLiteral("(&A) ") + paths.at(6));
    QCOMPARE(entries.at(15)->text(), QStringLiteral("(&F) ") + paths.at(1));
    QCOMPARE(entries.at(15)->property("commandId").toInt(), 32799);
}

void TestMainFrame::reopeningActivatesTheOpenWindow()
{
    const QString a = testing_gui::writeDefinition(sandbox_->path(), QStringLiteral("Alpha.txt"),
                                                   {{QStringLiteral("a.cu"), QString()}});
    const QString b = testing_gui::writeDefinition(sandbox_->path(), QStringLiteral("b.txt"),
                                                   {{QStringLiteral("b.cu"), QString()}});
    QVERIFY(frame_->openDefinition(a));
    QVERIFY(frame_->openDefinition(b));
    QCOMPARE(frame_->activeDocument()->filePath(), b);
    // Another spelling of an open path activates that window, even if no such file exists.
    QVERIFY(frame_->openDefinition(sandbox_->path() + QStringLiteral("/./Alpha.txt")));
    QCOMPARE(frame_->documentWindows().size(), 2);
    QCOMPARE(frame_->activeDocument()->filePath(), a);
    // Another letter case is the same file only where the file system ignores case; on Linux
    // ALPHA.txt is another file, here one that does not exist.
    QVERIFY(frame_->openDefinition(b));
    const QString upper = QString(a).replace(QStringLiteral("Alpha"), QStringLiteral("ALPHA"));
    if (pathsIgnoreCase()) {
        QVERIFY(frame_->openDefinition(upper));
        QCOMPARE(frame_->activeDocument()->filePath(), a);
    } else {
        DialogSeam::answerMessage(QMessageBox::Ok);
        QVERIFY(!frame_->openDefinition(upper));
        QCOMPARE(frame_->activeDocument()->filePath(), b);
    }
    QCOMPARE(frame_->documentWindows().size(), 2);
}

void TestMainFrame::droppedFilesOpenExistingOnes()
{
    const QString a = testing_gui::writeDefinition(sandbox_->path(), QStringLiteral("a.txt"),
                                                   {{QStringLiteral("a.cu"), QString()}});
    const QString c = testing_gui::writeDefinition(sandbox_->path(), QStringLiteral("c.txt"),
                                                   {{QStringLiteral("c.cu"), QString()}});
    auto* mime = new QMimeData;
    mime->setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(sandbox_->file(QStringLiteral("missing.txt"))),
                   QUrl::fromLocalFile(c)});
    const QPointF at(frame_->width() / 2.0, frame_->height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame_.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame_.get(), &drop);
    delete mime;
    const QList<CDocumentWindow*> docs = frame_->documentWindows();
    QCOMPARE(docs.size(), 2);
    QCOMPARE(docs.at(0)->filePath(), a);
    QCOMPARE(docs.at(1)->filePath(), c);
}

void TestMainFrame::unreadableFileShowsErrorAndOpensNothing()
{
    const int before = DialogSeam::shownCount();
    DialogSeam::answerMessage(QMessageBox::Ok);
    QVERIFY(!frame_->openDefinition(sandbox_->file(QStringLiteral("nothing-here.txt"))));
    QCOMPARE(DialogSeam::shownCount(), before + 1);
    QVERIFY(DialogSeam::last().text.contains(QStringLiteral("nothing-here.txt")));
    QCOMPARE(frame_->documentWindows().size(), 0);
    QVERIFY(settings_->recent.empty());
}

void TestMainFrame::looksAreDistinctAppliedAndSaved()
{
    std::set<std::pair<QString, QRgb>> seen;
    for (const Look& look : looks())
        seen.insert({QString::fromLatin1(look.styleName), look.palette.color(QPalette::Window).rgb()});
    QCOMPARE(seen.size(), looks().size());

    QCOMPARE(settings_->applicationLook, 214); // the default, checked in the menu
    QVERIFY(frame_->action(214)->isChecked());
    frame_->action(205)->trigger();
    QCOMPARE(QApplication::style()->name().toLower(), QStringLiteral("windows"));
    QCOMPARE(QApplication::palette().color(QPalette::Window), lookById(205).palette.color(QPalette::Window));
    QVERIFY(frame_->action(205)->isChecked());
    QVERIFY(!frame_->action(214)->isChecked());

    // Saved at once: a fresh load sees it.
    Settings reloaded;
    std::string error;
    QVERIFY(loadSettings(*sandbox_->store(), reloaded, error));
    QCOMPARE(reloaded.applicationLook, 205);

    frame_->action(212)->trigger();
    QCOMPARE(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    QVERIFY(QApplication::palette().color(QPalette::Window).lightness() < 100); // the black style
    QVERIFY(loadSettings(*sandbox_->store(), reloaded, error));
    QCOMPARE(reloaded.applicationLook, 212);
}

void TestMainFrame::tabSettingsApplied()
{
    frame_->newDocumentWindow();
    frame_->newDocumentWindow();
    QCOMPARE(frame_->mdiArea()->viewMode(), QMdiArea::SubWindowView);
    QVERIFY(frame_->mdiArea()->activeSubWindow()->isMaximized()); // tab mode off: maximised

    settings_->tabMode[kTabMdiOn] = 1;
    settings_->tabMode[kTabLocation] = 0;
    settings_->tabMode[kTabStyle] = 1;
    settings_->tabMode[kTabActiveCloseButton] = 1;
    settings_->tabMode[kTabAutoColor] = 1;
    frame_->applyTabSettings();
    QCOMPARE(frame_->mdiArea()->viewMode(), QMdiArea::TabbedView);
    QCOMPARE(frame_->mdiArea()->tabPosition(), QTabWidget::South);
    QCOMPARE(frame_->mdiArea()->tabShape(), QTabWidget::Triangular);
    QVERIFY(frame_->mdiArea()->tabsClosable());
    auto* tabs = frame_->mdiArea()->findChild<QTabBar*>();
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 2);
    QVERIFY(tabs->tabTextColor(0) != tabs->tabTextColor(1));

    settings_->tabMode[kTabMdiOn] = 0;
    frame_->applyTabSettings();
    QCOMPARE(frame_->mdiArea()->viewMode(), QMdiArea::SubWindowView);
}

void TestMainFrame::quitAsksAndCancelKeepsRunning()
{
    // A modified document would be lost: the question comes first.
    auto* doc = static_cast<CChildFrame*>(frame_->newDocumentWindow());
    CDpctData item;
    item.path = "/src/a.cu";
    doc->document().add(item);
    DialogSeam::answerMessage(QMessageBox::No);
    QVERIFY(!frame_->close());
    QVERIFY(frame_->isVisible());
    QCOMPARE(
        DialogSeam::last().text,
        QStringLiteral("『Intel®  OneAPI DPC++互換性ツール』 サポートアプリ\nを終了してよろしいですか？"));
    QCOMPARE(frame_->documentWindows().size(), 1);

    // Yes, then No to the save question: the program ends.
    DialogSeam::answerMessage(QMessageBox::Yes);
    DialogSeam::answerMessage(QMessageBox::No);
    QVERIFY(frame_->close());
}

void TestMainFrame::quitStopsAtCancelledSaveQuestion()
{
    // Every window's question comes before any window closes, first to last; a cancel keeps the
    // program and every window, and the windows after it are not asked.
    RefusingDocument* docs[3] = {};
    for (auto*& doc : docs) {
        frame_->setDocumentFactory([this, &doc] {
            doc = new RefusingDocument(*settings_);
            return doc;
        });
        frame_->newDocumentWindow();
    }
    docs[1]->allow = false;
    CDpctData item;
    item.path = "/src/a.cu";
    docs[2]->document().add(item);
    QPointer<RefusingDocument> first = docs[0], last = docs[2];
    DialogSeam::answerMessage(QMessageBox::Yes);
    QVERIFY(!frame_->close());
    QVERIFY(frame_->isVisible());
    QCOMPARE(frame_->documentWindows().size(), 3);
    QVERIFY(!first.isNull());
    QVERIFY(!last.isNull());
    QCOMPARE(first->asked, 1);
    QCOMPARE(docs[1]->asked, 1);
    QCOMPARE(last->asked, 0);

    // Once every question is answered the windows close without being asked again.
    docs[1]->allow = true;
    DialogSeam::answerMessage(QMessageBox::Yes);
    QVERIFY(frame_->close());
    QCOMPARE(first->asked, 2);
    QCOMPARE(docs[1]->asked, 2);
    QCOMPARE(last->asked, 1);
}

QTEST_MAIN(TestMainFrame)
#include "tst_main_frame.moc"
