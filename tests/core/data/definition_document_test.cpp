#include "base/path_text.h"
#include "base/text.h"
#include "data/common_options.h"
#include "data/definition_document.h"

#include <filesystem>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace tovalo;
namespace fs = std::filesystem;
using ::testing::ElementsAre;

namespace {

CDpctData makeItem(std::string path)
{
    CDpctData item;
    item.path = std::move(path);
    return item;
}

/// Writes every notification as one line of text, in order.
class Recorder : public DefinitionDocumentObserver
{
public:
    std::vector<std::string> log;

    void rowsAboutToBeInserted(int first, int last) override { add("before insert", first, last); }
    void rowsInserted(int first, int last) override { add("insert", first, last); }
    void rowsAboutToBeRemoved(int first, int last) override { add("before remove", first, last); }
    void rowsRemoved(int first, int last) override { add("remove", first, last); }
    void rowsChanged(int first, int last) override { add("change", first, last); }
    void aboutToReset() override { log.push_back("before reset"); }
    void reset() override { log.push_back("reset"); }
    void modifiedChanged(bool modified) override { log.push_back(modified ? "modified" : "unmodified"); }
    void pathChanged(const std::string& path) override { log.push_back("path " + path); }

    std::vector<std::string> take() { return std::exchange(log, {}); }

private:
    void add(const char* what, int first, int last)
    {
        log.push_back(std::string(what) + " " + std::to_string(first) + "-" + std::to_string(last));
    }
};

/// A fresh, empty folder under the temporary directory, removed again at the end of the test.
class DefinitionDocumentFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("tovalo-document-test-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string file(const char* name) const { return utf8FromPath(dir_ / name); }

    fs::path dir_;
};

} // namespace

TEST_F(DefinitionDocumentFiles, SaveAndLoadRoundTripTheItemsAndTheMarks)
{
    DefinitionDocument doc;
    EXPECT_TRUE(doc.path().empty());
    EXPECT_FALSE(doc.isModified());
    CDpctData first = makeItem("/w/a.cu");
    first.setOn(kComments, true);
    first.setOn(kExtraArg, true);
    first.setText(kExtraArg, "-DX=1");
    doc.add(first);
    doc.add(std::vector{makeItem("/w/b.cu"), makeItem("/w/sub/c.cu")});
    ASSERT_TRUE(doc.isModified());

    Message error;
    const std::string path = file("list.txt");
    ASSERT_TRUE(doc.save(path, error)) << error;
    EXPECT_EQ(doc.path(), path);
    EXPECT_FALSE(doc.isModified());

    DefinitionDocument back;
    Recorder rec;
    back.addObserver(&rec);
    ASSERT_TRUE(back.load(path, error)) << error;
    EXPECT_THAT(rec.take(), ElementsAre("before reset", "reset", "path " + path));
    EXPECT_EQ(back.path(), path);
    EXPECT_FALSE(back.isModified());
    ASSERT_EQ(back.size(), 3);
    EXPECT_THAT(back.paths(), ElementsAre("/w/a.cu", "/w/b.cu", "/w/sub/c.cu"));
    EXPECT_TRUE(back.item(0)->isOn(kComments));
    EXPECT_EQ(back.item(0)->text(kExtraArg), "-DX=1");
    EXPECT_FALSE(back.item(1)->isOn(kComments));

    // Loading into a modified document replaces its items and clears the mark.
    back.remove(2);
    ASSERT_TRUE(back.load(path, error)) << error;
    EXPECT_EQ(back.size(), 3);
    EXPECT_FALSE(back.isModified());
    back.removeObserver(&rec);
}

TEST_F(DefinitionDocumentFiles, FailedSaveOrLoadChangesNothing)
{
    DefinitionDocument doc;
    doc.add(makeItem("/w/a.cu"));
    Message error;
    const std::string good = file("good.txt");
    ASSERT_TRUE(doc.save(good, error)) << error;
    doc.add(makeItem("/w/b.cu"));

    Recorder rec;
    doc.addObserver(&rec);
    // A folder that does not exist, and a path the writer refuses to store.
    EXPECT_FALSE(doc.save(utf8FromPath(dir_ / "missing" / "x.txt"), error));
    EXPECT_FALSE(error.empty());
    error.clear();
    doc.add(makeItem("/w/line\nbreak.cu"));
    rec.take();
    EXPECT_FALSE(doc.save(file("other.txt"), error));
    EXPECT_EQ(error.id, MessageId::PathHasLineBreak);
    EXPECT_EQ(doc.path(), good);
    EXPECT_TRUE(doc.isModified());
    EXPECT_FALSE(fs::exists(dir_ / "other.txt"));

    error.clear();
    EXPECT_FALSE(doc.load(file("absent.txt"), error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(doc.size(), 3);
    EXPECT_EQ(doc.path(), good);
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(rec.log.empty());
    doc.removeObserver(&rec);
}

TEST(DefinitionDocument, EveryEditSetsTheModifiedMarkWhichFlipsOnlyOnce)
{
    DefinitionDocument doc;
    Recorder rec;
    doc.addObserver(&rec);

    doc.add(makeItem("/a.cu"));
    EXPECT_TRUE(doc.isModified());
    doc.add(makeItem("/b.cu"));
    EXPECT_THAT(rec.take(), ElementsAre("before insert 0-0", "insert 0-0", "modified", "before insert 1-1",
                                        "insert 1-1"));

    const auto editsFromClean = [&](auto edit) {
        doc.setModified(false);
        rec.take();
        edit();
        return doc.isModified();
    };
    EXPECT_TRUE(editsFromClean([&] { doc.add(makeItem("/c.cu")); }));
    EXPECT_TRUE(editsFromClean([&] { doc.add(std::vector{makeItem("/d.cu"), makeItem("/e.cu")}); }));
    EXPECT_TRUE(editsFromClean([&] { doc.update(0, makeItem("/a2.cu")); }));
    EXPECT_TRUE(editsFromClean([&] { doc.remove(1); }));
    EXPECT_TRUE(editsFromClean([&] { doc.removeAll(); }));
    EXPECT_TRUE(editsFromClean([&] { doc.removeAll(); })); // an empty document too

    // What is not an edit leaves the mark alone: an empty batch, a bad row, a run's changes.
    EXPECT_FALSE(editsFromClean([&] { EXPECT_EQ(doc.add(std::vector<CDpctData>{}), -1); }));
    doc.add(makeItem("/f.cu"));
    EXPECT_FALSE(editsFromClean([&] {
        EXPECT_FALSE(doc.update(1, makeItem("/x.cu")));
        EXPECT_FALSE(doc.update(-1, makeItem("/x.cu")));
        EXPECT_FALSE(doc.remove(1));
        EXPECT_FALSE(doc.remove(-1));
        doc.item(0)->status = ItemStatus::ConvertedOk;
        doc.notifyChanged(0, 0);
    }));
    EXPECT_THAT(rec.take(), ElementsAre("change 0-0"));
    EXPECT_EQ(doc.size(), 1);
    EXPECT_EQ(doc.item(0)->path, "/f.cu");
    doc.removeObserver(&rec);
}

TEST(DefinitionDocument, NotificationsBracketEachChangeWithItsRows)
{
    DefinitionDocument doc;
    doc.add(std::vector{makeItem("/a.cu"), makeItem("/b.cu")});
    doc.setModified(false);

    // Observers see the state before and after the change: the count, and the item involved.
    struct Checker : Recorder
    {
        DefinitionDocument* doc = nullptr;
        std::vector<int> sizes;
        void rowsAboutToBeInserted(int f, int l) override
        {
            sizes.push_back(doc->size());
            Recorder::rowsAboutToBeInserted(f, l);
        }
        void rowsInserted(int f, int l) override
        {
            sizes.push_back(doc->size());
            Recorder::rowsInserted(f, l);
        }
        void rowsAboutToBeRemoved(int f, int l) override
        {
            sizes.push_back(doc->size());
            // The rows to go are still there to be looked at.
            EXPECT_NE(doc->item(l), nullptr);
            Recorder::rowsAboutToBeRemoved(f, l);
        }
        void rowsRemoved(int f, int l) override
        {
            sizes.push_back(doc->size());
            Recorder::rowsRemoved(f, l);
        }
    } rec;
    rec.doc = &doc;
    doc.addObserver(&rec);
    doc.addObserver(&rec); // added once only

    doc.add(std::vector{makeItem("/c.cu"), makeItem("/d.cu"), makeItem("/e.cu")});
    doc.add(makeItem("/f.cu"));
    doc.update(3, makeItem("/D.cu"));
    doc.remove(1);
    doc.notifyChanged(-5, 99);
    doc.notifyChanged(3, 2);
    doc.removeAll();
    EXPECT_THAT(rec.take(), ElementsAre("before insert 2-4", "insert 2-4", "modified", "before insert 5-5",
                                        "insert 5-5", "change 3-3", "before remove 1-1", "remove 1-1",
                                        "change 0-4", "before remove 0-4", "remove 0-4"));
    EXPECT_THAT(rec.sizes, ElementsAre(2, 5, 5, 6, 6, 5, 5, 0));

    doc.removeObserver(&rec);
    doc.add(makeItem("/g.cu"));
    EXPECT_TRUE(rec.log.empty());
}

TEST(DefinitionDocument, DuplicateRuleComparesAsTheFileSystemDoes)
{
    DefinitionDocument doc;
    EXPECT_FALSE(doc.contains("/w/a.cu"));
    doc.add(makeItem("/Work/Kernel.cu"));
    doc.add(makeItem("/w/Ärger/Σ.cu"));
    EXPECT_TRUE(doc.contains("/Work/Kernel.cu"));
    EXPECT_TRUE(doc.contains("/w/Ärger/Σ.cu"));
    // Kernel.cu and kernel.cu are two files on Linux, one on Windows and macOS.
    const bool same = pathsIgnoreCase();
    EXPECT_EQ(doc.contains("/work/kernel.cu"), same);
    EXPECT_EQ(doc.contains("/WORK/KERNEL.CU"), same);
    EXPECT_EQ(doc.contains("/w/ärger/σ.cu"), same);
    EXPECT_EQ(doc.contains("/W/ÄRGER/Σ.CU"), same);
    EXPECT_FALSE(doc.contains("/Work/Kernel.cuh"));
    EXPECT_FALSE(doc.contains("/Work/Kernel"));
    EXPECT_FALSE(doc.contains("/w/arger/σ.cu"));

    // A removed or renamed item no longer counts; a path listed twice (a file read with a
    // duplicate section) counts until both are gone.
    doc.update(0, makeItem("/Work/Other.cu"));
    EXPECT_FALSE(doc.contains("/Work/Kernel.cu"));
    EXPECT_TRUE(doc.contains("/Work/Other.cu"));
    doc.add(makeItem("/Work/Other.cu"));
    doc.remove(0);
    EXPECT_TRUE(doc.contains("/Work/Other.cu"));
    doc.remove(doc.size() - 1);
    EXPECT_FALSE(doc.contains("/Work/Other.cu"));
    doc.removeAll();
    EXPECT_FALSE(doc.contains("/w/Ärger/Σ.cu"));
}

// The index of paths follows thousands of items in and out, undone and done again, and paths
// that change with an update of several rows.
TEST(DefinitionDocument, DuplicateRuleFollowsManyRowsInAndOut)
{
    DefinitionDocument doc;
    constexpr int kCount = 3000;
    std::vector<CDpctData> items;
    for (int i = 0; i < kCount; ++i)
        items.push_back(makeItem("/w/k" + std::to_string(i) + ".cu"));
    doc.add(std::move(items));
    std::vector<int> thirds;
    for (int i = 0; i < kCount; i += 3)
        thirds.push_back(i);
    const auto listed = [&](int from, int step) {
        int found = 0;
        for (int i = from; i < kCount; i += step)
            found += doc.contains("/w/k" + std::to_string(i) + ".cu") ? 1 : 0;
        return found;
    };
    ASSERT_TRUE(doc.remove(thirds));
    EXPECT_EQ(listed(0, 3), 0);
    EXPECT_EQ(listed(1, 3) + listed(2, 3), kCount - kCount / 3);
    doc.undo();
    EXPECT_EQ(listed(0, 1), kCount);
    doc.redo();
    EXPECT_EQ(listed(0, 3), 0);

    std::vector<std::pair<int, CDpctData>> renames;
    for (int row = 0; row < doc.size(); row += 2)
        renames.emplace_back(row, makeItem("/w/renamed" + std::to_string(row) + ".cu"));
    ASSERT_TRUE(doc.update(std::move(renames)));
    EXPECT_TRUE(doc.contains("/w/renamed0.cu"));
    EXPECT_FALSE(doc.contains("/w/k1.cu"));
    EXPECT_TRUE(doc.contains("/w/k2.cu"));
    doc.undo();
    EXPECT_FALSE(doc.contains("/w/renamed0.cu"));
    EXPECT_EQ(listed(1, 3) + listed(2, 3), kCount - kCount / 3);
}

// The window edits a copy of the item and hands it back: the item keeps its address and takes
// the new options together with what the copy carries of the last run.
TEST(DefinitionDocument, UpdateFromAnEditedCopyKeepsTheRunOutcome)
{
    DefinitionDocument doc;
    doc.add(makeItem("/w/a.cu"));
    CDpctData* item = doc.item(0);
    item->status = ItemStatus::ConvertedOk;
    item->exitCode = 3;
    item->resultText = "Processed 1 file(s)";
    item->changed[kOutRoot] = 1;

    CDpctData edited = *item;
    edited.setOn(kComments, true);
    ASSERT_TRUE(doc.update(0, edited));
    EXPECT_EQ(doc.item(0), item);
    EXPECT_TRUE(item->isOn(kComments));
    EXPECT_EQ(item->status, ItemStatus::ConvertedOk);
    EXPECT_EQ(item->exitCode, 3);
    EXPECT_EQ(item->resultText, "Processed 1 file(s)");
    EXPECT_EQ(item->changed[kOutRoot], 1);
}

TEST(DefinitionDocument, ItemAddressesStayWhileRowsComeAndGo)
{
    DefinitionDocument doc;
    doc.add(makeItem("/keep.cu"));
    CDpctData* kept = doc.item(0);
    doc.add(makeItem("/gone.cu"));
    const CDpctData* gone = doc.item(1);
    for (int batch = 0; batch < 20; ++batch) {
        std::vector<CDpctData> items;
        for (int i = 0; i < 100; ++i)
            items.push_back(makeItem("/b" + std::to_string(batch) + "_" + std::to_string(i) + ".cu"));
        doc.add(std::move(items));
        doc.add(makeItem("/single" + std::to_string(batch) + ".cu"));
    }
    ASSERT_EQ(doc.size(), 2 + 20 * 101);
    EXPECT_EQ(doc.item(0), kept);
    EXPECT_EQ(kept->path, "/keep.cu");

    const std::vector<CDpctData*> run = doc.runItems();
    ASSERT_EQ(run.size(), static_cast<std::size_t>(doc.size()));
    EXPECT_EQ(run[0], kept);
    EXPECT_EQ(doc.indexOf(run[1500]), 1500);

    // An update writes into the same item; removing a row before it renumbers but does not move it.
    CDpctData* later = doc.item(700);
    doc.update(700, makeItem("/updated.cu"));
    EXPECT_EQ(doc.item(700), later);
    EXPECT_EQ(later->path, "/updated.cu");
    doc.remove(1);
    EXPECT_EQ(doc.indexOf(gone), -1);
    EXPECT_EQ(doc.indexOf(later), 699);
    EXPECT_EQ(doc.item(699), later);
    EXPECT_EQ(doc.indexOf(nullptr), -1);
    EXPECT_EQ(doc.item(doc.size()), nullptr);
    EXPECT_EQ(doc.item(-1), nullptr);
}

namespace {

std::vector<std::string> pathsOf(const DefinitionDocument& doc)
{
    return doc.paths();
}

} // namespace

TEST(DefinitionDocumentHistory, EachEditIsUndoneAndRedoneWithTheSameItems)
{
    DefinitionDocument doc;
    doc.add(std::vector{makeItem("/a.cu"), makeItem("/b.cu"), makeItem("/c.cu")});
    doc.setModified(false);
    CDpctData* a = doc.item(0);
    CDpctData* b = doc.item(1);
    CDpctData* c = doc.item(2);

    // Add (one and a batch).
    doc.add(makeItem("/d.cu"));
    EXPECT_EQ(doc.undoKind(), EditKind::Add);
    EXPECT_EQ(doc.undo(), 2); // the row that now ends the list
    EXPECT_THAT(pathsOf(doc), ElementsAre("/a.cu", "/b.cu", "/c.cu"));
    EXPECT_FALSE(doc.contains("/d.cu"));
    EXPECT_EQ(doc.redoKind(), EditKind::Add);
    EXPECT_EQ(doc.redo(), 3);
    EXPECT_TRUE(doc.contains("/d.cu"));
    doc.undo();

    // Delete: the very item comes back at its row.
    EXPECT_TRUE(doc.remove(1));
    EXPECT_EQ(doc.undoKind(), EditKind::Delete);
    EXPECT_FALSE(doc.contains("/b.cu"));
    EXPECT_EQ(doc.undo(), 1);
    EXPECT_EQ(doc.item(1), b);
    EXPECT_TRUE(doc.contains("/b.cu"));
    EXPECT_EQ(doc.redo(), 1);
    EXPECT_THAT(pathsOf(doc), ElementsAre("/a.cu", "/c.cu"));
    doc.undo();

    // Delete all.
    doc.removeAll();
    EXPECT_EQ(doc.undoKind(), EditKind::DeleteAll);
    EXPECT_EQ(doc.undo(), 0);
    EXPECT_EQ(doc.item(0), a);
    EXPECT_EQ(doc.item(1), b);
    EXPECT_EQ(doc.item(2), c);
    EXPECT_EQ(doc.redo(), -1); // no row remains
    EXPECT_TRUE(doc.empty());
    doc.undo();

    // Update: the options go back, the address and the run outcome stay.
    CDpctData changed = *b;
    changed.path = "/b2.cu";
    changed.setOn(kComments, true);
    EXPECT_TRUE(doc.update(1, changed));
    b->status = ItemStatus::ConvertedOk;
    b->resultText = "done";
    EXPECT_EQ(doc.undoKind(), EditKind::Update);
    EXPECT_EQ(doc.undo(), 1);
    EXPECT_EQ(doc.item(1), b);
    EXPECT_EQ(b->path, "/b.cu");
    EXPECT_FALSE(b->isOn(kComments));
    EXPECT_EQ(b->status, ItemStatus::ConvertedOk);
    EXPECT_EQ(b->resultText, "done");
    EXPECT_TRUE(doc.contains("/b.cu"));
    EXPECT_FALSE(doc.contains("/b2.cu"));
    EXPECT_EQ(doc.redo(), 1);
    EXPECT_EQ(b->path, "/b2.cu");
    EXPECT_TRUE(b->isOn(kComments));
    EXPECT_EQ(b->resultText, "done");
    doc.undo();

    // A new edit drops what was undone.
    EXPECT_EQ(doc.redoKind(), EditKind::Update);
    doc.remove(0);
    EXPECT_FALSE(doc.canRedo());
    EXPECT_EQ(doc.redo(), -1);
}

TEST(DefinitionDocumentHistory, MovesReorderTheRunQueueAndAreUndone)
{
    DefinitionDocument doc;
    doc.add(std::vector{makeItem("/a.cu"), makeItem("/b.cu"), makeItem("/c.cu"), makeItem("/d.cu")});
    doc.setModified(false);
    const std::vector<CDpctData*> before = doc.runItems();
    struct MoveLog : Recorder
    {
        void rowAboutToBeMoved(int from, int to) override
        {
            log.push_back("before move " + std::to_string(from) + ">" + std::to_string(to));
        }
        void rowMoved(int from, int to) override
        {
            log.push_back("move " + std::to_string(from) + ">" + std::to_string(to));
        }
    } moves;
    doc.addObserver(&moves);

    EXPECT_FALSE(doc.move(1, 1));
    EXPECT_FALSE(doc.move(0, 4));
    EXPECT_FALSE(doc.move(-1, 0));
    EXPECT_FALSE(doc.isModified());

    EXPECT_TRUE(doc.move(0, 2)); // down
    EXPECT_THAT(pathsOf(doc), ElementsAre("/b.cu", "/c.cu", "/a.cu", "/d.cu"));
    EXPECT_EQ(doc.runItems()[2], before[0]);
    EXPECT_TRUE(doc.move(3, 0)); // up
    EXPECT_THAT(pathsOf(doc), ElementsAre("/d.cu", "/b.cu", "/c.cu", "/a.cu"));
    EXPECT_THAT(moves.take(),
                ElementsAre("before move 0>2", "move 0>2", "modified", "before move 3>0", "move 3>0"));
    EXPECT_EQ(doc.undoKind(), EditKind::Move);

    EXPECT_EQ(doc.undo(), 3);
    EXPECT_EQ(doc.undo(), 0);
    EXPECT_EQ(doc.runItems(), before);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.redo(), 2);
    EXPECT_EQ(doc.redo(), 0);
    EXPECT_THAT(pathsOf(doc), ElementsAre("/d.cu", "/b.cu", "/c.cu", "/a.cu"));
    doc.removeObserver(&moves);
}

TEST(DefinitionDocumentHistory, TheMarkClearsExactlyAtTheSavedPoint)
{
    DefinitionDocument doc;
    Recorder rec;
    doc.addObserver(&rec);
    EXPECT_FALSE(doc.canUndo());
    EXPECT_EQ(doc.undo(), -1);

    doc.add(makeItem("/a.cu"));
    doc.add(makeItem("/b.cu"));
    doc.setModified(false); // as a save does
    doc.remove(0);
    EXPECT_TRUE(doc.isModified());
    doc.undo();
    EXPECT_FALSE(doc.isModified());
    doc.undo(); // before the saved point
    EXPECT_TRUE(doc.isModified());
    doc.redo();
    EXPECT_FALSE(doc.isModified());
    EXPECT_THAT(rec.take(), testing::Contains("unmodified"));

    // Undo past the saved point, then a new edit: the saved state cannot come back.
    doc.undo();
    doc.add(makeItem("/c.cu"));
    doc.undo();
    EXPECT_TRUE(doc.isModified());

    // A mark set without an edit stays whatever is undone, until the next save.
    doc.setModified(false);
    doc.setModified(true);
    doc.add(makeItem("/d.cu"));
    doc.undo();
    EXPECT_TRUE(doc.isModified());

    // The oldest steps go beyond the limit.
    DefinitionDocument big;
    for (std::size_t i = 0; i < DefinitionDocument::kHistoryLimit + 5; ++i)
        big.add(makeItem("/f" + std::to_string(i) + ".cu"));
    int undone = 0;
    while (big.canUndo()) {
        big.undo();
        ++undone;
    }
    EXPECT_EQ(undone, static_cast<int>(DefinitionDocument::kHistoryLimit));
    EXPECT_EQ(big.size(), 5);
    EXPECT_TRUE(big.isModified()); // the empty, unsaved start is out of reach
    doc.removeObserver(&rec);
}

TEST_F(DefinitionDocumentFiles, LoadingStartsAFreshHistory)
{
    DefinitionDocument doc;
    doc.add(makeItem("/a.cu"));
    Message error;
    const std::string file = (dir_ / "list.txt").string();
    ASSERT_TRUE(doc.save(file, error)) << error;
    doc.remove(0);
    DefinitionDocument other;
    other.add(makeItem("/x.cu"));
    ASSERT_TRUE(other.load(file, error)) << error;
    EXPECT_FALSE(other.canUndo());
    EXPECT_FALSE(other.canRedo());
    EXPECT_FALSE(other.isModified());
    // Saving marks the present point clean; undoing from there marks the document again.
    EXPECT_TRUE(doc.canUndo());
    ASSERT_TRUE(doc.save(file, error)) << error;
    EXPECT_FALSE(doc.isModified());
    doc.undo();
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.size(), 1);
}

TEST(DefinitionDocumentHistory, SeveralRowsAreRemovedAndUpdatedInOneStep)
{
    DefinitionDocument doc;
    doc.add(std::vector{makeItem("/a.cu"), makeItem("/b.cu"), makeItem("/c.cu"), makeItem("/d.cu"),
                        makeItem("/e.cu"), makeItem("/f.cu")});
    doc.setModified(false);
    const CDpctData* b = doc.item(1);
    const CDpctData* e = doc.item(4);
    Recorder rec;
    doc.addObserver(&rec);
    const auto paths = [&] {
        std::string out;
        for (const std::string& p : doc.paths())
            out += p.substr(1, 1);
        return out;
    };

    // Rows in any order and twice: runs of neighbours go together, from the bottom up.
    EXPECT_FALSE(doc.remove(std::vector<int>{}));
    EXPECT_FALSE(doc.remove(std::vector{1, 9}));
    EXPECT_EQ(paths(), "abcdef");
    ASSERT_TRUE(doc.remove(std::vector{4, 1, 3, 4}));
    EXPECT_EQ(paths(), "acf");
    EXPECT_THAT(rec.take(), ElementsAre("before remove 3-4", "remove 3-4", "before remove 1-1", "remove 1-1",
                                        "modified"));
    EXPECT_EQ(doc.undoKind(), EditKind::Delete);
    EXPECT_EQ(doc.undo(), 1);
    EXPECT_EQ(paths(), "abcdef");
    EXPECT_EQ(doc.item(1), b); // the very same items, at their rows
    EXPECT_EQ(doc.item(4), e);
    EXPECT_EQ(doc.undoKind(), EditKind::Add); // only the items' add is left
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.redo(), 1);
    EXPECT_EQ(paths(), "acf");
    doc.undo();
    rec.take();

    // Several updates: one notification over their range, one step; the run outcome stays.
    doc.item(2)->status = ItemStatus::ConvertedOk;
    std::vector<std::pair<int, CDpctData>> changes;
    for (const int row : {4, 2}) {
        CDpctData changed = *doc.item(row);
        changed.setOn(kComments, true);
        changes.emplace_back(row, std::move(changed));
    }
    EXPECT_FALSE(
        doc.update(std::vector<std::pair<int, CDpctData>>{{1, makeItem("/x.cu")}, {1, makeItem("/y.cu")}}));
    ASSERT_TRUE(doc.update(changes));
    EXPECT_THAT(rec.take(), ElementsAre("change 2-4", "modified"));
    EXPECT_TRUE(doc.item(2)->isOn(kComments) && doc.item(4)->isOn(kComments));
    EXPECT_FALSE(doc.item(3)->isOn(kComments));
    doc.undo();
    EXPECT_THAT(rec.take(), ElementsAre("change 2-4", "unmodified"));
    EXPECT_FALSE(doc.item(2)->isOn(kComments) || doc.item(4)->isOn(kComments));
    EXPECT_EQ(doc.item(2)->status, ItemStatus::ConvertedOk);
    EXPECT_EQ(doc.undoKind(), EditKind::Add); // only the items' add is left
    doc.removeObserver(&rec);
}

TEST(DefinitionDocumentHistory, TouchedOptionsGoToEverySelectedItemAndNothingElse)
{
    DefinitionDocument doc;
    std::vector<CDpctData> items;
    for (int i = 0; i < 4; ++i) {
        CDpctData item = makeItem("/k" + std::to_string(i) + ".cu");
        item.setOn(kUsmLevel, true);
        item.setChoiceIndex(kUsmLevel, i % 2);
        item.setOn(kExtraArg, i == 0);
        item.setText(kExtraArg, i == 0 ? "-DA" : "");
        item.setOn(kNoDryPattern, true);
        items.push_back(std::move(item));
    }
    doc.add(std::move(items));
    doc.setModified(false);

    const CommonOptions common = commonOptions({doc.item(0), doc.item(1), doc.item(2)});
    EXPECT_FALSE(common.mixedOn[kUsmLevel]);
    EXPECT_TRUE(common.mixedValue[kUsmLevel]);
    EXPECT_TRUE(common.mixedOn[kExtraArg]);
    EXPECT_TRUE(common.mixedValue[kExtraArg]);
    EXPECT_FALSE(common.mixedOn[kNoDryPattern]);

    // Nothing touched: nothing changes, no step.
    EXPECT_EQ(updateTouchedOptions(doc, {0, 1, 2}, common.shown, {}), 0);
    EXPECT_EQ(doc.undoKind(), EditKind::Add); // only the items' add is left

    // --extra-arg switched on with a value, and the exclusive group's other member chosen.
    CDpctData edited = common.shown;
    edited.setOn(kExtraArg, true);
    edited.setText(kExtraArg, "-DX");
    edited.setOn(kOptimizeMigration, true);
    OptionTouches touches;
    touches.on.set(kExtraArg);
    touches.value.set(kExtraArg);
    touches.on.set(kOptimizeMigration);
    EXPECT_EQ(updateTouchedOptions(doc, {0, 1, 2}, edited, touches), 3);
    for (int r = 0; r < 3; ++r) {
        const CDpctData& item = *doc.item(r);
        EXPECT_TRUE(item.isOn(kExtraArg));
        EXPECT_EQ(item.text(kExtraArg), "-DX");
        EXPECT_EQ(item.choiceIndex(kUsmLevel), r % 2); // untouched: each keeps its own
        EXPECT_TRUE(item.isOn(kOptimizeMigration));
        EXPECT_FALSE(item.isOn(kNoDryPattern)); // dpct takes one of the group
        EXPECT_TRUE(item.isChanged(kOptimizeMigration));
        EXPECT_FALSE(item.isChanged(kUsmLevel));
    }
    EXPECT_FALSE(doc.item(3)->isOn(kExtraArg));
    EXPECT_EQ(doc.undo(), 0);
    EXPECT_EQ(doc.undoKind(), EditKind::Add); // only the items' add is left
    EXPECT_EQ(doc.item(0)->text(kExtraArg), "-DA");
    EXPECT_FALSE(doc.item(1)->isOn(kExtraArg));
}
