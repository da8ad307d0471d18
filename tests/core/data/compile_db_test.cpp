// Importing compilation databases: the databases of tests/data/compile_db recorded with Bear,
// intercept-build and CMake from the fixture project there, and crafted ones for the edges.

#include "base/command_words.h"
#include "base/file_io.h"
#include "base/json.h"
#include "base/text.h"
#include "data/compile_db_import.h"
#include "data/definition_file.h"

#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

using namespace tovalo;
namespace fs = std::filesystem;

namespace {

std::string normal(const fs::path& p)
{
    return utf8FromPath(p.lexically_normal());
}

/// A copy of the fixture project in a fresh temporary folder, with a recorded database put in
/// with its placeholders replaced.
class CompileDbImport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("tovalo-compiledb-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::copy(fs::path(TOVALO_TEST_DATA_DIR) / "compile_db" / "project", dir_ / "project",
                 fs::copy_options::recursive);
        root_ = dir_ / "project";
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    // Puts the recorded database `recording` at `where` (relative to the project); returns its path.
    std::string placeDatabase(const char* recording, const fs::path& where)
    {
        std::string text;
        Message error;
        EXPECT_TRUE(readWholeFile(utf8FromPath(fs::path(TOVALO_TEST_DATA_DIR) / "compile_db" / recording),
                                  text, error))
            << error;
        // Forward slashes need no escaping in JSON, and Windows takes them too.
        std::string root = utf8FromPath(root_);
        std::replace(root.begin(), root.end(), '\\', '/');
        for (const auto& [placeholder, value] :
             {std::pair<std::string, std::string>{"@ROOT@", root}, {"@TOOLS@", "/opt/stand-in/bin"}}) {
            for (std::size_t at = text.find(placeholder); at != std::string::npos;
                 at = text.find(placeholder, at + value.size()))
                text.replace(at, placeholder.size(), value);
        }
        const fs::path file = root_ / where;
        fs::create_directories(file.parent_path());
        Message why;
        EXPECT_TRUE(writeFileAtomically(utf8FromPath(file), text, why)) << why;
        return utf8FromPath(file);
    }

    std::string source(const char* relative) const { return normal(root_ / relative); }

    std::vector<std::string> paths(const ImportResult& r) const
    {
        std::vector<std::string> out;
        for (const CDpctData& item : r.items)
            out.push_back(item.path);
        return out;
    }

    // Every item carries -p, --in-root and --out-root as given, and nothing else but `more`.
    void expectRoots(const ImportResult& r, const fs::path& database, const fs::path& inRoot,
                     const fs::path& outRoot) const
    {
        for (const CDpctData& item : r.items) {
            SCOPED_TRACE(item.path);
            EXPECT_TRUE(item.isOn(kCompilationDatabase) && item.isOn(kInRoot) && item.isOn(kOutRoot));
            EXPECT_EQ(item.text(kCompilationDatabase), normal(database));
            EXPECT_EQ(item.text(kInRoot), normal(inRoot));
            EXPECT_EQ(item.text(kOutRoot), normal(outRoot));
        }
    }

    fs::path dir_;
    fs::path root_;
};

ImportResult importOk(const std::string& database, const ImportSettings& settings = {})
{
    ImportResult result;
    Message error;
    EXPECT_TRUE(importCompileDb(database, settings, result, error)) << error;
    return result;
}

} // namespace

TEST_F(CompileDbImport, BearDatabaseGivesOneItemPerCudaSourceAndReadsBackFromTheList)
{
    // Bear: "arguments" arrays, the full path of each compiler; nvcc compiles main.cpp too,
    // clang++ compiles blur.cpp with -x cuda; vector_add.cu and reduce.cu come twice (the second
    // reduce.cu from another folder by a relative path). Bear leaves out Scale.CU.
    const std::string db = placeDatabase("bear.json", "compile_commands.json");
    const ImportResult r = importOk(db);
    EXPECT_EQ(paths(r),
              (std::vector<std::string>{source("src/kernels/vector_add.cu"), source("src/kernels/reduce.cu"),
                                        source("src/app/main.cpp"), source("src/legacy/blur.cpp")}));
    EXPECT_EQ(r.counts, (ImportCounts{4, 2, 2, 0}));
    expectRoots(r, root_, root_ / "src", root_ / "dpct_output");

    const std::string list = utf8FromPath(dir_ / "list.txt");
    Message error;
    ASSERT_TRUE(writeDefinitionFile(list, r.items, error)) << error;
    const ReadResult back = readDefinitionFile(list);
    ASSERT_TRUE(back.ok);
    EXPECT_TRUE(back.notes.empty());
    EXPECT_EQ(back.items, r.items);
}

TEST_F(CompileDbImport, CMakeDatabaseInItsBuildFolderWithAMissingSource)
{
    // CMake: "command" strings, the .cu sources compiled as C++ with "-x c++ -x cu", blur.cpp with
    // -x cuda, util.cpp and log.c plain. The database lies in build/: so do -p and the out-root.
    fs::remove(root_ / "src/kernels/reduce.cu");
    const std::string db = placeDatabase("cmake.json", "build/compile_commands.json");
    const ImportResult r = importOk(db);
    EXPECT_EQ(paths(r),
              (std::vector<std::string>{source("src/kernels/vector_add.cu"), source("src/kernels/reduce.cu"),
                                        source("src/kernels/Scale.CU"), source("src/legacy/blur.cpp"),
                                        source("src/app/main.cpp")}));
    EXPECT_EQ(r.counts, (ImportCounts{5, 1, 2, 1}));
    EXPECT_EQ(r.missing, (std::vector<bool>{false, true, false, false, false}));
    expectRoots(r, root_ / "build", root_ / "src", root_ / "build" / "dpct_output");
    EXPECT_EQ(englishText(importSummary(r.counts)),
              "Imported 5 CUDA files (1 duplicate merged, 2 other entries skipped, 1 file missing)");
}

TEST_F(CompileDbImport, InterceptBuildDatabaseWithGivenRootsOptionsAndEveryEntry)
{
    // intercept-build: "command" strings with the compiler written as c++ or cc; it records no
    // .cu file and no nvcc. main.cpp and blur.cpp are compiled with -x cuda.
    const std::string db = placeDatabase("intercept.json", "compile_commands.json");
    ImportSettings settings;
    settings.inRoot = utf8FromPath(root_ / "src" / "");
    settings.outRoot = utf8FromPath(dir_ / "out");
    for (const char* text : {"comments", "--usm-level=none"}) {
        std::string problem;
        ASSERT_TRUE(parseOptionSetting(text, settings.options.emplace_back(), problem)) << problem;
    }
    const ImportResult r = importOk(db, settings);
    EXPECT_EQ(paths(r),
              (std::vector<std::string>{source("src/app/main.cpp"), source("src/legacy/blur.cpp")}));
    EXPECT_EQ(r.counts, (ImportCounts{2, 0, 2, 0}));
    expectRoots(r, root_, root_ / "src", dir_ / "out");
    for (const CDpctData& item : r.items) {
        EXPECT_TRUE(item.isOn(kComments));
        EXPECT_TRUE(item.isOn(kUsmLevel));
        EXPECT_EQ(item.choiceEntry(kUsmLevel), "none");
    }

    settings.allEntries = true;
    const ImportResult all = importOk(db, settings);
    EXPECT_EQ(all.counts, (ImportCounts{4, 0, 0, 0}));
    EXPECT_EQ(all.items.at(2).path, source("src/app/log.c"));
    EXPECT_EQ(englishText(importSummary(all.counts, true)),
              "Imported 4 source files (0 duplicates merged, 0 other entries skipped, 0 files missing)");
}

TEST_F(CompileDbImport, CraftedEntriesRelativePathsSpellingsAndTheCommonFolder)
{
    // Relative "file" against "directory", a relative "directory" against the database's
    // folder, one source in three spellings, headers and object files that a list cannot hold.
    const std::string text = R"([
  {"directory": "src/legacy", "file": "../kernels/reduce.cu", "command": "ccache nvcc -c ../kernels/reduce.cu"},
  {"directory": "src", "file": "./kernels//reduce.cu", "arguments": ["clang++", "-xcuda", "-c", "x"]},
  {"directory": "src", "file": "kernels/reduce.cu", "command": "g++ -c kernels/reduce.cu"},
  {"directory": "other/place", "file": "k.CU", "arguments": []},
  {"directory": "src", "file": "kernels/common.cuh", "arguments": ["nvcc", "-x", "cu", "-c", "x"]},
  {"directory": "src", "file": "app/util.cpp", "command": "g++ -c app/util.cpp"}
])";
    CompileDb db;
    Message error;
    ASSERT_TRUE(parseCompileDb(text, utf8FromPath(root_), db, error)) << error;
    EXPECT_EQ(db.entries.at(0).directory, source("src/legacy"));
    EXPECT_EQ(db.entries.at(0).arguments,
              (std::vector<std::string>{"ccache", "nvcc", "-c", "../kernels/reduce.cu"}));
    const ImportResult r = importEntries(db, {});
    EXPECT_EQ(paths(r),
              (std::vector<std::string>{source("src/kernels/reduce.cu"), source("other/place/k.CU")}));
    EXPECT_EQ(r.counts, (ImportCounts{2, 2, 2, 1}));
    EXPECT_EQ(r.inRoot, normal(root_));

    // Joining a list that holds reduce.cu already: it counts as one more duplicate.
    ImportResult joined = r;
    EXPECT_EQ(
        dropListed(joined, [&](std::string_view path) { return path == source("src/kernels/reduce.cu"); }),
        1u);
    EXPECT_EQ(paths(joined), std::vector<std::string>{source("other/place/k.CU")});
    EXPECT_EQ(joined.counts, (ImportCounts{1, 3, 2, 1}));
    EXPECT_EQ(joined.missing, std::vector<bool>{true});
}

TEST(CompileDb, WhichEntriesCompileCuda)
{
    const std::vector<std::pair<std::vector<std::string>, bool>> cases = {
        {{"/usr/local/cuda/bin/nvcc", "-c", "a.cpp"}, true},
        {{"C:\\CUDA\\bin\\NVCC.EXE", "-c", "a.cpp"}, true},
        {{"ccache", "sccache", "nvcc", "-c", "a.cpp"}, true},
        {{"clang++", "-x", "cuda", "-c", "a.cpp"}, true},
        {{"c++", "-x", "c++", "-x", "cu", "-c", "a.cpp"}, true},
        {{"c++", "--x", "cu", "a.cpp"}, true},
        {{"c++", "--x=cu", "a.cpp"}, true},
        {{"clang", "-xcuda", "a.cpp"}, true},
        {{"clang", "--language=cuda", "a.cpp"}, true},
        {{"c++", "-x", "c++", "a.cu.cpp"}, false},
        {{"c++", "-xc++", "-DX=-x", "cu"}, false},
        {{"nvcc-wrapper", "a.cpp"}, false},
        {{"ccache"}, false},
        {{}, false},
    };
    for (const auto& [arguments, cuda] : cases) {
        std::string joined;
        for (const std::string& a : arguments)
            joined += a + " ";
        EXPECT_EQ(compilesCuda(arguments), cuda) << joined;
    }
}

TEST(CompileDb, MalformedDatabasesSayWhereTheyWentWrong)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"[\n  {\"directory\": \"/w\", \"file\": \"a.cu\"}\n  {\"directory\": \"/w\"}\n]",
         "not valid JSON: expected ',' or ']' at line 3, column 3"},
        {"[{\"directory\": \"/\xC3\xA9\xC3\xA9\", \"file\": \"a.cu\" \"x\"}]",
         "not valid JSON: expected ',' or '}' at line 1, column 38"},
        {"[\"unterminated", "not valid JSON: unterminated string at line 1, column 15"},
        {"", "not valid JSON: unexpected end at line 1, column 1"},
        {"[Common]\nVersion=01.00.00.00\n", "not valid JSON: unexpected text at line 1, column 2"},
        {"{\"file\": \"a.cu\"}", "not a compilation database: the JSON text is not an array of entries"},
        {"[{\"directory\": \"/w\", \"file\": \"a.cu\"}, 1]",
         "entry 2 of the compilation database is not an object"},
        {"[{\"directory\": \"/w\", \"arguments\": []}]",
         "entry 1 of the compilation database has no \"file\""},
        {"[{\"file\": \"a.cu\"}]", "entry 1 of the compilation database has no \"directory\""},
        {"[{\"directory\": 5, \"file\": \"a.cu\"}]",
         "entry 1 of the compilation database: \"directory\" is not a string"},
        {"[{\"directory\": \"/w\", \"file\": \"a.cu\", \"arguments\": [\"nvcc\", 1]}]",
         "entry 1 of the compilation database: \"arguments\" is not an array of strings"},
        {"[{\"directory\": \"/w\", \"file\": \"a.cu\", \"command\": [\"nvcc\"]}]",
         "entry 1 of the compilation database: \"command\" is not a string"},
    };
    for (const auto& [text, expected] : cases) {
        CompileDb db;
        Message error;
        EXPECT_FALSE(parseCompileDb(text, "/w", db, error)) << text;
        EXPECT_EQ(englishText(error), expected) << text;
    }
    ImportResult result;
    Message error;
    EXPECT_FALSE(importCompileDb(utf8FromPath(fs::temp_directory_path() / "tovalo-no-such-db.json"), {},
                                 result, error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(result.items.empty());
}

TEST(CompileDb, SummaryCountsWithThousandsSeparatorsAndSingulars)
{
    EXPECT_EQ(englishText(importSummary({212, 3, 1040, 2})),
              "Imported 212 CUDA files (3 duplicates merged, 1,040 other entries skipped, 2 files missing)");
    EXPECT_EQ(englishText(importSummary({1, 1, 1, 1})),
              "Imported 1 CUDA file (1 duplicate merged, 1 other entry skipped, 1 file missing)");
    EXPECT_EQ(groupThousands(1234567), "1,234,567");
    EXPECT_EQ(groupThousands(999), "999");
}

TEST(CompileDb, CommandsSplitAsTheShellWould)
{
    // POSIX: what CMake and intercept-build write on Linux.
    EXPECT_EQ(splitPosixCommand(R"(/usr/bin/c++ -DGREETING="\"hello world\"" -x  cu 'a b'\ c x\"y)"),
              (std::vector<std::string>{"/usr/bin/c++", "-DGREETING=\"hello world\"", "-x", "cu", "a b c",
                                        "x\"y"}));
    EXPECT_EQ(splitPosixCommand("nvcc '' \"\" -c \\\n a.cu \"open"),
              (std::vector<std::string>{"nvcc", "", "", "-c", "a.cu", "open"}));
    EXPECT_EQ(splitPosixCommand("nvcc \"$HOME\\$ \\\\\" 'it''s'"),
              (std::vector<std::string>{"nvcc", "$HOME$ \\", "its"}));
    // Windows: backslashes are text but before a double quote.
    EXPECT_EQ(splitWindowsCommand(
                  R"(C:\CUDA\bin\nvcc.exe -I"C:\Program Files\x" "a \"b\"" c\\"d e" f"""g" h\\\"i)"),
              (std::vector<std::string>{"C:\\CUDA\\bin\\nvcc.exe", "-IC:\\Program Files\\x", "a \"b\"",
                                        "c\\d e", "f\"g", "h\\\"i"}));
}

TEST(CompileDb, DeepestCommonFolder)
{
    EXPECT_EQ(commonFolder({"/w/p/src/a.cu", "/w/p/src/k/b.cu", "/w/p/tests/c.cu"}), "/w/p");
    EXPECT_EQ(commonFolder({"/w/p/src/a.cu"}), "/w/p/src");
    EXPECT_EQ(commonFolder({"/w/p/src/a.cu", "/w/pp/b.cu"}), "/w");
    EXPECT_EQ(commonFolder({"/a.cu", "/w/b.cu"}), "/");
    EXPECT_EQ(commonFolder({}), "");
}
