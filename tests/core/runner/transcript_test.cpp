// Golden cases made from real dpct and setvars output: each folder under transcripts/ holds the
// output of one command and the result the engine must give for it.

#include "fake_console.h"
#include "read_all.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include <gtest/gtest.h>

using namespace tovalo;
using namespace tovalo::test;

namespace {

std::map<std::string, std::string> readExpected(const std::filesystem::path& p)
{
    std::map<std::string, std::string> m;
    std::istringstream in(readAll(p));
    std::string line;
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        if (eq != std::string::npos)
            m[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return m;
}

// The console text of one command as the interpreter of `dialect` shows it: the echoed command,
// the output, and the prompt on a line of its own.
std::string framed(Dialect dialect, const std::string& command, const std::string& output)
{
    if (dialect == Dialect::Cmd)
        return command + "\r\n" + output + "\r\nC:\\work>";
    return command + "\n" + output + "\ntovalo> ";
}

} // namespace

TEST(Transcripts, EveryCaseGivesItsResult)
{
    const std::filesystem::path root = std::filesystem::path(TOVALO_TEST_DATA_DIR) / "transcripts";
    int cases = 0;
    for (const auto& dir : std::filesystem::directory_iterator(root)) {
        const auto expected = readExpected(dir.path() / "expected.txt");
        const std::string output = readAll(dir.path() / "output.txt");
        const std::string name = dir.path().filename().string();
        SCOPED_TRACE(name);
        ++cases;
        for (Dialect dialect : {Dialect::Sh, Dialect::Cmd}) {
            FakeConsole console(dialect);
            RecordingObserver obs;
            RunEngine engine(console, obs, RunEngineConfig{"/opt/intel/oneapi/", 3}, [] {});
            Message error;
            ASSERT_TRUE(engine.startUp(error));
            const std::string prompt = dialect == Dialect::Cmd ? "\r\nC:\\work>" : "\ntovalo> ";
            engine.handleConsoleText(prompt);
            engine.processPending();
            const std::string& kind = expected.at("kind");
            const std::string setvars =
                kind == "setvars" ? output : std::string(":: oneAPI environment initialized ::\n");
            engine.handleConsoleText(framed(dialect, console.written.back(), setvars));
            engine.processPending();
            ASSERT_EQ(engine.phase(), RunPhase::VersionRunning);
            const std::string version = kind == "version"
                                            ? output
                                            : std::string("\nIntel(R) DPC++ Compatibility Tool version "
                                                          "2024.2.0. Codebase:(abc). clang version 19.0.0\n");
            engine.handleConsoleText(framed(dialect, console.written.back(), version));
            engine.processPending();
            if (kind == "version") {
                EXPECT_EQ(engine.dpctVersion(), expected.at("version"));
                if (expected.at("version").empty()) {
                    EXPECT_EQ(engine.phase(), RunPhase::VersionRunning);
                    EXPECT_TRUE(engine.versionQueryUnanswered());
                    EXPECT_FALSE(engine.canStart());
                } else {
                    EXPECT_EQ(engine.dpctCodebase(), expected.at("codebase"));
                    EXPECT_EQ(obs.version, expected.at("version"));
                    EXPECT_TRUE(engine.canStart());
                }
                continue;
            }
            ASSERT_TRUE(engine.canStart());
            if (kind == "setvars")
                continue;
            CDpctData item;
            item.path = "/src/a.cu";
            ASSERT_TRUE(engine.start({&item}));
            engine.processPending();
            // Deliver the output in small pieces, as reads from a pipe come.
            const std::string text = framed(dialect, console.written.back(), output);
            for (std::size_t i = 0; i < text.size(); i += 97) {
                engine.handleConsoleText(std::string_view(text).substr(i, 97));
                engine.processPending();
            }
            EXPECT_EQ(itemStatusName(item.status), expected.at("status"));
            std::string diagnostics;
            for (const DpctDiagnostic& d : item.diagnostics)
                diagnostics += (diagnostics.empty() ? "" : ",") + countKey(d) + "@" + std::to_string(d.line) +
                               ":" + std::to_string(d.column);
            EXPECT_EQ(diagnostics, expected.at("diagnostics"));
            EXPECT_GE(item.elapsedMs, 0);
            EXPECT_EQ(item.exitCode, std::stoi(expected.at("exitCode")));
            EXPECT_EQ(engine.phase(), RunPhase::Idle);
            EXPECT_EQ(item.resultText.find(dialect == Dialect::Cmd ? "C:\\work>" : "tovalo> "),
                      std::string::npos);
            EXPECT_NE(item.resultText.find(output.substr(0, 20)), std::string::npos);
        }
    }
    EXPECT_GE(cases, 15);
}
