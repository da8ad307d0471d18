// The main window without a run: menus and accelerators, opening files (dialog, recent list,
// drag and drop), looks and tab settings, and closing with its questions.

#include "app/language_pack.h"
#include "base/path_text.h"
#include "controls/copyright_link.h"
#include "controls/dpct_prop_ctrl.h"
#include "controls/list_colors.h"
#include "data/option_table.h"
#include "dialog_test_support.h"
#include "gui_test_support.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "ui/about_dlg.h"
#include "ui/child_frame.h"
#include "ui/command_ids.h"
#include "ui/document_files.h"
#include "ui/document_window.h"
#include "ui/dpct_result_ctrl.h"
#include "ui/help_links.h"
#include "ui/looks.h"
#include "ui/main_frame.h"
#include "ui/message_box.h"
#include "ui/output_pane.h"
#include "ui/run_controller.h"
#include "ui/window_looks.h"

#include <set>

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSplitter>
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

class TestMainFrame : public testing_gui::MainWindowSuite
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
    void windowMenuArrangesCyclesAndClosesAll();
    void titleAndWindowMenuFollowTheDocuments();
    void closingTheFindBarKeepsTheActiveList();
    void layoutIsRememberedAcrossStarts();
    void outputPaneRecoversItsHeight();
    void choosersStartBesideTheDefinitionFile();
    void helpMenuOpensTheGuideAndDpctDocs();
    void everyLookIsReadable();
    void optionGridShowsWholeNames();
};

void TestMainFrame::initTestCase()
{
    testing_gui::failOnUnexpectedDialogs();
    testing_gui::useBuiltLanguagePacks();
}

void TestMainFrame::init()
{
    openMainWindow();
}

void TestMainFrame::cleanup()
{
    closeMainWindow();
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
                          QStringLiteral("コンパイル データベースのインポート(&I)..."),
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
                          QStringLiteral("コンパイル データベースのインポート(&I)..."),
                          QStringLiteral("定義ファイルの保存(&S)"), QStringLiteral("名前を付けて保存(&A)..."),
                          QStringLiteral("閉じる(&C)"), frame_->action(cmd::ExportCsv)->text(),
                          frame_->action(cmd::ExportJson)->text(), frame_->action(cmd::ExportReport)->text(),
                          QStringLiteral("最近使ったファイル(&F)"),
                          QStringLiteral("アプリケーションの終了(&X)")}));
    auto* edit = frame_->findChild<QMenu*>(QStringLiteral("menuEdit"));
    // Undo and redo, the four item commands, then moving.
    QCOMPARE(visibleTexts(edit->actions()).mid(2, 4),
             (QStringList{
                 QStringLiteral("CUDA ファイルを追加(&A)..."), QStringLiteral("選択した項目を編集(&E)..."),
                 QStringLiteral("選択した項目を削除(&D)"), QStringLiteral("すべての項目を削除(&L)...")}));
    QList<int> editIds;
    for (QAction* a : edit->actions()) {
        if (a->isVisible() && !a->isSeparator())
            editIds.append(a->property("commandId").toInt());
    }
    QCOMPARE(editIds, (QList<int>{cmd::Undo, cmd::Redo, cmd::AddItem, cmd::UpdateItem, cmd::DeleteItem,
                                  cmd::DeleteAll, cmd::MoveItemUp, cmd::MoveItemDown}));
    auto* convert = frame_->findChild<QMenu*>(QStringLiteral("menuConvert"));
    QCOMPARE(visibleTexts(convert->actions()),
             (QStringList{QStringLiteral("変換開始(&S)"), QStringLiteral("変換停止(&T)"),
                          QStringLiteral("変換一時停止/再開(&P)"), frame_->action(cmd::RerunFailed)->text(),
                          frame_->action(cmd::ConvertSelected)->text(),
                          frame_->action(cmd::Diagnostics)->text()}));
    auto* tools = frame_->findChild<QMenu*>(QStringLiteral("menuTools"));
    QCOMPARE(visibleTexts(tools->actions()), QStringList{QStringLiteral("オプション(&O)...\tF12")});
    QCOMPARE(frame_->action(cmd::Options)->shortcut(), QKeySequence(Qt::Key_F12));
    auto* look = frame_->findChild<QMenu*>(QStringLiteral("menuLook"));
    QCOMPARE(look->title(), QStringLiteral("アプリケーションの外観(&A)"));
    QStringList lookIds;
    for (QAction* a : look->actions())
        lookIds.append(a->property("commandId").toString());
    QCOMPARE(lookIds.join(QLatin1Char(' ')), QStringLiteral("215 205 206 207 208 209 210 211 212 213 214"));
    QCOMPARE(look->actions().at(7)->text(), QStringLiteral("Office2007：ブルー スタイル(&B)"));
    QCOMPARE(frame_->action(cmd::About)->text(), QStringLiteral("バージョン情報(&A)..."));
    QVERIFY(frame_->findChild<QMenu*>(QStringLiteral("menuHelp"))
                ->actions()
                .contains(frame_->action(cmd::About)));

    // The title shows the document before the program's name, on one line.
    // It is set once the MDI area has settled, on the next turn of the event loop.
    QTRY_VERIFY2(frame_->windowTitle().count(QStringLiteral("無題")) == 1 &&
                     frame_->windowTitle().count(
                         QStringLiteral("インテル® oneAPI DPC++ 互換性ツール サポートアプリ Tovalo")) == 1,
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
        {cmd::Options, QKeySequence(Qt::Key_F12)},
    };
    for (const auto& e : expected)
        QCOMPARE(frame_->action(e.id)->shortcut(), e.key);
    // F12, shown beside Settings in the Tools menu, asks for the options sheet.
    QSignalSpy options(frame_.get(), &CMainFrame::optionsRequested);
    QTest::keyClick(frame_.get(), Qt::Key_F12);
    QCOMPARE(options.count(), 1);

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
    QCOMPARE(frame_->runController()->scheduler()->phase(), RunPhase::Idle);
    frame_->updateActions();
    QVERIFY(!frame_->action(cmd::Start)->isEnabled());
    QTest::keyClick(frame_.get(), Qt::Key_F5);
    QCOMPARE(frame_->runController()->scheduler()->phase(), RunPhase::Idle);
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
    QCOMPARE(recent->title(), QStringLiteral("最近使ったファイル(&F)"));
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
    const QList<DocumentWindow*> docs = frame_->documentWindows();
    QCOMPARE(docs.size(), 2);
    QCOMPARE(docs.at(0)->filePath(), a);
    QCOMPARE(docs.at(1)->filePath(), c);

    // Sources dropped on the window join the active list, each path once.
    QCOMPARE(frame_->activeDocument(), docs.at(1));
    const QString fresh = sandbox_->file(QStringLiteral("fresh.cu"));
    QFile(fresh).open(QIODevice::WriteOnly);
    auto* sources = new QMimeData;
    sources->setUrls({QUrl::fromLocalFile(fresh), QUrl::fromLocalFile(sandbox_->file(QStringLiteral("c.cu"))),
                      QUrl::fromLocalFile(fresh)});
    QDragEnterEvent enterSources(at.toPoint(), Qt::CopyAction, sources, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame_.get(), &enterSources);
    QDropEvent dropSources(at, Qt::CopyAction, sources, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame_.get(), &dropSources);
    delete sources;
    QCOMPARE(frame_->documentWindows().size(), 2);
    QCOMPARE(docs.at(1)->rowCount(), 2);
    QCOMPARE(QString::fromStdString(docs.at(1)->runItems().back()->path), QDir::toNativeSeparators(fresh));
    QVERIFY(docs.at(1)->isModified());
    QCOMPARE(docs.at(0)->rowCount(), 1);
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
        QStringLiteral("『インテル® oneAPI DPC++ 互換性ツール』サポートアプリ\n終了してよろしいですか？"));
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

void TestMainFrame::titleAndWindowMenuFollowTheDocuments()
{
    // Tabs first: Cascade and Tile cannot act on tabs; without tabs they can, at once.
    settings_->tabMode[kTabMdiOn] = 1;
    frame_->applyTabSettings();
    frame_->newDocumentWindow();
    QVERIFY(!frame_->action(cmd::WindowCascade)->isEnabled());
    settings_->tabMode[kTabMdiOn] = 0;
    frame_->applyTabSettings();
    QVERIFY(frame_->action(cmd::WindowCascade)->isEnabled());
    QVERIFY(frame_->action(cmd::WindowTile)->isEnabled());

    // Several untitled lists are told apart; a freed number is taken again.
    DocumentWindow* second = frame_->newDocumentWindow();
    QCOMPARE(second->windowTitle(), QStringLiteral("無題 2"));
    second->parentWidget()->close();
    testing_gui::closeSettled();
    QCOMPARE(frame_->newDocumentWindow()->windowTitle(), QStringLiteral("無題 2"));

    // A maximised list: its name once, and the program's name once in what the window system
    // shows (it adds the display name to a title that does not end with it).
    const QString displayName = QGuiApplication::applicationDisplayName();
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Tovalo"));
    const auto shownOnce = [this] {
        const QString t = frame_->windowTitle();
        const qsizetype program =
            t.count(QStringLiteral("Tovalo")) + (t.endsWith(QStringLiteral("Tovalo")) ? 0 : 1);
        return t.count(QStringLiteral("a.txt")) == 1 && program == 1 &&
               t.startsWith(QStringLiteral("[デモ]"));
    };
    const QString a = testing_gui::writeDefinition(sandbox_->path(), QStringLiteral("a.txt"),
                                                   {{QStringLiteral("a.cu"), QString()}});
    QVERIFY(frame_->openDefinition(a));
    frame_->setDemoMode(true);
    QVERIFY(frame_->mdiArea()->currentSubWindow()->isMaximized());
    QTRY_VERIFY2(shownOnce(), qPrintable(frame_->windowTitle()));
    // Not maximised: the list's name, then the program's name at the end.
    frame_->mdiArea()->currentSubWindow()->showNormal();
    QTRY_VERIFY2(shownOnce() && frame_->windowTitle().endsWith(QStringLiteral("Tovalo")),
                 qPrintable(frame_->windowTitle()));
    QGuiApplication::setApplicationDisplayName(displayName);
}

void TestMainFrame::closingTheFindBarKeepsTheActiveList()
{
    frame_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
    DocumentWindow* first = frame_->newDocumentWindow();
    frame_->newDocumentWindow();
    frame_->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first->parentWidget()));
    QCOMPARE(frame_->activeDocument(), first);
    auto* edit = frame_->outputPane()->findChild<QLineEdit*>(QStringLiteral("outputFindEdit"));
    frame_->outputPane()->findChild<QAction*>(QStringLiteral("actionOutputFind"))->trigger();
    QTRY_VERIFY(edit->hasFocus());
    QTest::keyClick(edit, Qt::Key_Escape);
    QVERIFY(!frame_->outputPane()->findChild<QWidget*>(QStringLiteral("outputFindBar"))->isVisible());
    QCOMPARE(frame_->activeDocument(), first);
}

void TestMainFrame::windowMenuArrangesCyclesAndClosesAll()
{
    settings_->tabMode[kTabMdiOn] = 0;
    DocumentWindow* a = frame_->newDocumentWindow();
    DocumentWindow* b = frame_->newDocumentWindow();
    auto* c = new RefusingDocument(*settings_);
    frame_->setDocumentFactory([c] { return c; });
    frame_->newDocumentWindow();
    QCOMPARE(frame_->activeDocument(), c);

    auto* menu = frame_->findChild<QMenu*>(QStringLiteral("menuWindow"));
    Q_EMIT menu->aboutToShow();
    QStringList ids;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
            ids << action->property("commandId").toString();
    }
    // Cascade, Tile, Next, Previous, Close All, then one entry per window.
    QCOMPARE(ids.mid(0, 5),
             (QStringList{QStringLiteral("57650"), QStringLiteral("57651"), QStringLiteral("32851"),
                          QStringLiteral("32852"), QStringLiteral("32853")}));
    QCOMPARE(menu->actions().size(), 5 + 1 + 3);
    for (int id :
         {cmd::WindowCascade, cmd::WindowTile, cmd::WindowNext, cmd::WindowPrevious, cmd::WindowCloseAll})
        QVERIFY2(frame_->action(id)->isEnabled(), qPrintable(QString::number(id)));

    // Next and Previous go round the windows in order.
    frame_->action(cmd::WindowNext)->trigger();
    QCOMPARE(frame_->activeDocument(), a);
    frame_->action(cmd::WindowPrevious)->trigger();
    QCOMPARE(frame_->activeDocument(), c);
    QTest::keyClick(frame_.get(), Qt::Key_F6, Qt::ControlModifier);
    QCOMPARE(frame_->activeDocument(), a);

    // Cascade: no window maximised, each one further down; Tile: side by side, none overlapping.
    frame_->action(cmd::WindowCascade)->trigger();
    const QList<QMdiSubWindow*> subs = frame_->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow* sub : subs)
        QVERIFY(!sub->isMaximized());
    QVERIFY(subs[0]->y() < subs[1]->y() || subs[1]->y() < subs[0]->y());
    frame_->action(cmd::WindowTile)->trigger();
    for (int i = 0; i < subs.size(); ++i)
        for (int j = i + 1; j < subs.size(); ++j)
            QVERIFY(!subs[i]->geometry().intersects(subs[j]->geometry()));

    // Close All: windows close last to first; one that keeps itself open stops it there.
    c->allow = false;
    frame_->action(cmd::WindowCloseAll)->trigger();
    QCOMPARE(c->asked, 1);
    QCOMPARE(frame_->documentWindows().size(), 3);
    c->allow = true;
    frame_->action(cmd::WindowCloseAll)->trigger();
    QTRY_COMPARE(frame_->documentWindows().size(), 0);
    Q_UNUSED(b);
    frame_->updateActions();
    QVERIFY(!frame_->action(cmd::WindowNext)->isEnabled());
}

void TestMainFrame::layoutIsRememberedAcrossStarts()
{
    frame_->newDocumentWindow();
    frame_->resize(900, 640);
    frame_->move(40, 30);
    // The user drags the separator above the output pane ...
    frame_->resizeDocks({frame_->outputPane()}, {260}, Qt::Vertical);
    frame_->layout()->activate();
    QTRY_COMPARE(frame_->preferredOutputHeight(), frame_->outputPane()->height());
    // ... and the dividers of the document window.
    auto* doc = qobject_cast<CChildFrame*>(frame_->activeDocument());
    const int listWidth = doc->outerSplitter()->width() / 2;
    doc->outerSplitter()->setSizes({listWidth, doc->outerSplitter()->width() - listWidth});
    doc->rememberProportions();
    QVERIFY(std::abs(settings_->window.listWidthShare - 500) <= 10);

    // Quitting keeps the layout with the settings.
    QVERIFY(frame_->close());
    std::string error;
    QVERIFY(saveSettings(*store_, *settings_, kSaveAll, error));
    const int savedOutput = settings_->window.outputHeight;
    QVERIFY(savedOutput >= 200);
    frame_.reset();

    Settings again;
    QVERIFY(loadSettings(*sandbox_->store(), again, error));
    QCOMPARE(again.window, settings_->window);
    CMainFrame next(again, *store_);
    next.show();
    QVERIFY(QTest::qWaitForWindowExposed(&next));
    QCOMPARE(next.size(), QSize(900, 640));
    QCOMPARE(next.preferredOutputHeight(), savedOutput);
    QTRY_VERIFY2(std::abs(next.outputPane()->height() - savedOutput) <= 4,
                 qPrintable(QString::number(next.outputPane()->height())));
    auto* nextDoc = qobject_cast<CChildFrame*>(next.newDocumentWindow());
    QTRY_VERIFY(nextDoc->outerSplitter()->sizes().value(0) > 0);
    const QList<int> sizes = nextDoc->outerSplitter()->sizes();
    QVERIFY2(std::abs(sizes[0] - sizes[1]) <= sizes[0] / 10 + 8,
             qPrintable(QStringLiteral("%1 %2").arg(sizes[0]).arg(sizes[1])));
    // A sensible minimum keeps the commands in reach.
    QVERIFY(next.minimumWidth() >= 600 && next.minimumHeight() >= 400);
    next.close();
}

void TestMainFrame::outputPaneRecoversItsHeight()
{
    frame_->newDocumentWindow();
    frame_->resize(1000, 760);
    frame_->resizeDocks({frame_->outputPane()}, {240}, Qt::Vertical);
    frame_->layout()->activate();
    QTRY_COMPARE(frame_->preferredOutputHeight(), frame_->outputPane()->height());
    const int wanted = frame_->preferredOutputHeight();
    // Shrunk to the minimum, the pane may get less; it never disappears.
    frame_->resize(frame_->minimumSize());
    QTRY_VERIFY(frame_->outputPane()->height() >= 60);
    QCOMPARE(frame_->preferredOutputHeight(), wanted);
    // Large again (as a maximise makes it): the pane gets its height back.
    frame_->resize(1200, 900);
    QTRY_VERIFY2(std::abs(frame_->outputPane()->height() - wanted) <= 4,
                 qPrintable(QStringLiteral("%1 wanted %2").arg(frame_->outputPane()->height()).arg(wanted)));
}

void TestMainFrame::choosersStartBesideTheDefinitionFile()
{
    const QString program = QCoreApplication::applicationDirPath();
    // Nothing open and nothing remembered: not the program's folder (the build folder).
    DialogSeam::answerFile(QString());
    frame_->action(cmd::Open)->trigger();
    QVERIFY2(QDir(DialogSeam::last().dir) != QDir(program), qPrintable(DialogSeam::last().dir));

    // With a definition file open: beside it.
    QDir(sandbox_->path()).mkpath(QStringLiteral("lists"));
    const QString def =
        testing_gui::writeDefinition(sandbox_->file(QStringLiteral("lists")), QStringLiteral("a.txt"),
                                     {{QStringLiteral("a.cu"), QString()}});
    QVERIFY(frame_->openDefinition(def));
    DialogSeam::answerFile(QString());
    frame_->action(cmd::Open)->trigger();
    QCOMPARE(QDir(DialogSeam::last().dir), QDir(sandbox_->file(QStringLiteral("lists"))));

    // An untitled list's Save As starts in a remembered folder, else not in the program's folder.
    auto* untitled = qobject_cast<CChildFrame*>(frame_->newDocumentWindow());
    DialogSeam::answerFile(QString());
    QVERIFY(!untitled->files()->saveAs());
    QVERIFY2(QDir(DialogSeam::last().dir) != QDir(program), qPrintable(DialogSeam::last().dir));
}

void TestMainFrame::helpMenuOpensTheGuideAndDpctDocs()
{
    QList<QUrl> opened;
    DesktopSeam::setOpener([&opened](const QUrl& url) {
        opened.append(url);
        return true;
    });
    QTest::keyClick(frame_.get(), Qt::Key_F1);
    frame_->action(cmd::DpctDocs)->trigger();
    DesktopSeam::setOpener({});
    QCOMPARE(opened.size(), 2);
    // The guide shipped with the program, a local file that exists and says what Tovalo is.
    QVERIFY(opened[0].isLocalFile());
    QFile guide(opened[0].toLocalFile());
    QVERIFY2(guide.open(QIODevice::ReadOnly), qPrintable(opened[0].toString()));
    const QString html = QString::fromUtf8(guide.readAll());
    QVERIFY(html.contains(QStringLiteral("Tovalo")));
    QVERIFY(html.contains(QStringLiteral("ONEAPI_ROOT")));
    QCOMPARE(opened[1].scheme(), QStringLiteral("https"));
    QCOMPARE(opened[1], dpctDocumentationUrl());
}

void TestMainFrame::everyLookIsReadable()
{
    // WCAG contrast, text against what it is drawn on, for every look (4.5:1 for text).
    QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
    QVERIFY(contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white) < 4.5); // a known failing grey
    const auto check = [](const QString& what, const QColor& text, const QList<QColor>& under) {
        for (const QColor& b : under)
            QVERIFY2(contrastRatio(text, b) >= 4.5, qPrintable(QStringLiteral("%1: %2 on %3 = %4")
                                                                   .arg(what, text.name(), b.name())
                                                                   .arg(contrastRatio(text, b))));
    };
    const ListColors automatic;
    for (const Look& look : looks()) {
        const QPalette& p = look.palette;
        const QString id = QString::number(look.id);
        check(id + QStringLiteral(" text"), p.color(QPalette::Text),
              {p.color(QPalette::Base), p.color(QPalette::AlternateBase)});
        check(id + QStringLiteral(" window text"), p.color(QPalette::WindowText),
              {p.color(QPalette::Window)});
        check(id + QStringLiteral(" buttons"), p.color(QPalette::ButtonText), {p.color(QPalette::Button)});
        check(id + QStringLiteral(" selection"), p.color(QPalette::HighlightedText),
              {p.color(QPalette::Highlight)});
        check(id + QStringLiteral(" tool tips"), p.color(QPalette::ToolTipText),
              {p.color(QPalette::ToolTipBase)});
        for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
            check(id + QStringLiteral(" disabled"), p.color(QPalette::Disabled, role),
                  {p.color(QPalette::Window), p.color(QPalette::Button), p.color(QPalette::Base)});
            // ... and grey, so that it is told apart from enabled text that has a colour (the aqua
            // look's dark teal, which a darker teal could not be told from).
            const QColor disabled = p.color(QPalette::Disabled, role);
            QVERIFY2(disabled.hslSaturation() == 0,
                     qPrintable(
                         id + QStringLiteral(": %1 against %2").arg(disabled.name(), p.color(role).name())));
        }
        // The list: names and status words on the rows, on the selection bands, on the row being
        // converted; the header captions on their pattern (what the list paints, chosen the same way).
        const QList<QList<QColor>> places{{automatic.resolve(ListColors::RowBackground, p)},
                                          ListBands::selectedFocus(),
                                          ListBands::selectedNoFocus(),
                                          ListBands::converting()};
        for (const QList<QColor>& under : places)
            for (auto slot : {ListColors::RowText, ListColors::ConvertingText, ListColors::SyntaxErrorText,
                              ListColors::ConvertedOkText, ListColors::ConvertedNgText})
                check(id + QStringLiteral(" list slot %1").arg(int(slot)),
                      readableOn(automatic.resolve(slot, p), under), under);
        check(id + QStringLiteral(" header"), readableOn(p.color(QPalette::WindowText), ListBands::header()),
              ListBands::header());
        // The document tabs, active and inactive, in every tab style: the look's text, and each
        // colour of the cycle that gives every tab its own.
        check(id + QStringLiteral(" tabs"), p.color(QPalette::WindowText), tabBackgrounds(p));
        for (int tab = 0; tab < 5; ++tab)
            check(id + QStringLiteral(" tab %1").arg(tab), tabCycleColor(tab, p), tabBackgrounds(p));
        // The about box's copyright link in each of its states.
        CCopyrightLink link;
        link.setPalette(p);
        check(id + QStringLiteral(" link"), link.textColor(), {p.color(QPalette::Window)});
        link.setDown(true);
        check(id + QStringLiteral(" pressed link"), link.textColor(), {p.color(QPalette::Window)});
        link.setDown(false);
        link.setVisited(true);
        check(id + QStringLiteral(" followed link"), link.textColor(), {p.color(QPalette::Window)});
    }
    // In the black look the list's selection and header are light: their text must be dark.
    const QPalette& black = lookById(212).palette;
    QVERIFY(readableOn(black.color(QPalette::Text), ListBands::selectedFocus()).lightness() < 100);
    QVERIFY(readableOn(black.color(QPalette::WindowText), ListBands::header()).lightness() < 100);

    // The output pane and the result pane with their automatic colours.
    COutputPane pane;
    pane.applyColors(*settings_);
    check(QStringLiteral("output"), pane.log()->palette().color(QPalette::Text),
          {pane.log()->palette().color(QPalette::Base)});
    CDpctResultCtrl result;
    result.applyColors(*settings_);
    check(QStringLiteral("result"), result.log()->palette().color(QPalette::Text),
          {result.log()->palette().color(QPalette::Base)});

    // The black look: the result pane turns dark with it, the about box's heading stays readable.
    frame_->applyLook(212);
    auto* darkResult = frame_->newDocumentWindow()->findChild<CDpctResultCtrl*>();
    const QPalette dark = darkResult->log()->palette();
    QVERIFY(dark.color(QPalette::Base).lightness() < 128);
    check(QStringLiteral("black result"), dark.color(QPalette::Text), {dark.color(QPalette::Base)});
    AboutInfo info;
    info.localTime = QTime(12, 0);
    CAboutDlg about(info);
    check(QStringLiteral("black about heading"), about.titleLabel()->palette().color(QPalette::WindowText),
          {about.palette().color(QPalette::Window)});
    frame_->applyLook(214);
}

void TestMainFrame::optionGridShowsWholeNames()
{
    // At the main window's first size and the panes' first proportions no option name is cut, in
    // Japanese and in English, and the values keep room for about twelve characters.
    frame_->newDocumentWindow();
    auto* grid = frame_->activeDocument()->findChild<CDpctPropCtrl*>();
    QVERIFY(grid);
    QTreeWidget* tree = grid->grid();
    const int margin = tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tree) + 1;
    const auto whole = [&](int slot) {
        QTreeWidgetItem* r = grid->row(slot);
        QTreeWidgetItem* group = r->parent();
        const QModelIndex cell = tree->model()->index(
            group->indexOfChild(r), 0, tree->model()->index(tree->indexOfTopLevelItem(group), 0));
        const int text = QFontMetrics(r->font(0)).horizontalAdvance(r->text(0)) + 2 * margin;
        return text <= tree->visualRect(cell).width();
    };
    LanguagePack english;
    for (const int language : {0, 1}) {
        if (language == 1) {
            QVERIFY(english.load(1));
            QTRY_COMPARE(grid->row(kSlotDirName)->text(0), QStringLiteral("Directory name"));
        }
        QTRY_VERIFY(tree->viewport()->width() > 0);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            QVERIFY2(whole(slot), qPrintable(grid->row(slot)->text(0)));
            QVERIFY(grid->row(slot)->toolTip(0).isEmpty());
        }
        const int values = tree->viewport()->width() - tree->header()->sectionSize(0);
        QVERIFY2(values >= 12 * tree->fontMetrics().averageCharWidth(), qPrintable(QString::number(values)));
    }
    // A pane too narrow for both: the names get the larger share, a cut name its tool tip.
    QTreeWidgetItem* longest = grid->row(kAlwaysUseAsyncHandler);
    for (const int width : {160, 260}) {
        grid->resize(width, 400);
        grid->fitColumns();
        const int total = tree->viewport()->width();
        const int names = tree->header()->sectionSize(0);
        QVERIFY2(names >= total * 3 / 5 && total - names >= total / 3,
                 qPrintable(QStringLiteral("%1 of %2").arg(names).arg(total)));
        QVERIFY(!whole(kAlwaysUseAsyncHandler));
        QCOMPARE(longest->toolTip(0), longest->text(0));
    }
    english.unload();
}

QTEST_MAIN(TestMainFrame)
#include "main_frame_test.moc"
