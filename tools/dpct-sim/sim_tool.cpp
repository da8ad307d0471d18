#include "sim_tool.h"

#include "base/file_io.h"
#include "base/text.h"
#include "sim_directives.h"
#include "sim_help.h"
#include "sim_options.h"
#include "sim_output.h"
#include "sim_paths.h"
#include "sim_platform.h"
#include "sim_rewrite.h"
#include "sim_status.h"
#include "sim_version.h"
#include "sim_warnings.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

namespace dpctsim {

namespace {

namespace fs = std::filesystem;

constexpr const char* kOldDocsUrl =
    "https://software.intel.com/content/www/us/en/develop/documentation/"
    "intel-dpcpp-compatibility-tool-user-guide/top/diagnostics-reference.html";
constexpr const char* kNewDocsUrl = "https://www.intel.com/content/www/us/en/docs/dpcpp-compatibility-tool/"
                                    "developer-guide-reference/current/diagnostics-reference.html";

// The options an incremental migration must repeat, as the real tool records them in
// MainSourceFiles.yaml: "--name" or "--name=value" for each one given with a value other than
// the tool's default, in name order.
std::string recordedOptionSet(const CommandLine& cl)
{
    struct Recorded
    {
        const char* name;
        const char* defaultValue; ///< nullptr: a switch
    };
    static constexpr Recorded kRecorded[] = {
        {"always-use-async-handler", nullptr},
        {"assume-nd-range-dim", "3"},
        {"build-script-file", ""},
        {"comments", nullptr},
        {"custom-helper-name", ""},
        {"enable-ctad", nullptr},
        {"no-cl-namespace-inline", nullptr},
        {"no-dpcpp-extensions", ""},
        {"no-dry-pattern", nullptr},
        {"optimize-migration", nullptr},
        {"p", ""},
        {"process-all", nullptr},
        {"sycl-named-lambda", nullptr},
        {"use-custom-helper", "none"},
        {"use-experimental-features", ""},
        {"use-explicit-namespace", "sycl,dpct"},
        {"usm-level", "restricted"},
        {"vcxprojfile", ""},
    };
    std::string set;
    for (const Recorded& r : kRecorded) {
        std::string arg;
        if (!r.defaultValue) {
            if (cl.isOn(r.name))
                arg = std::string("--") + r.name;
        } else if (cl.has(r.name) && cl.value(r.name) != r.defaultValue) {
            arg = std::string("--") + r.name + "=" + cl.value(r.name);
        }
        if (!arg.empty())
            set += (set.empty() ? "" : " ") + arg;
    }
    return set;
}

// The option set an earlier migration recorded in `yaml`; false when it recorded none.
bool recordedInYaml(const std::string& yaml, std::string& set)
{
    const std::string key = "\nOptionSet:       '";
    const std::size_t at = yaml.find(key);
    if (at == std::string::npos)
        return false;
    const std::size_t start = at + key.size();
    const std::size_t end = yaml.find("'\n", start);
    if (end == std::string::npos)
        return false;
    set = yaml.substr(start, end - start);
    return true;
}

void sleepMs(int ms)
{
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Computes until this thread has used `ms` of processor time, so that N runs side by side on
// fewer than N processors take longer than one. Bounded in wall time too, in case the system
// does not count a thread's time.
void busyMs(int ms)
{
    if (ms <= 0)
        return;
    const double until = threadCpuMs() + ms;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms) * 50;
    volatile std::uint64_t x = 88172645463325252ULL;
    while (threadCpuMs() < until && std::chrono::steady_clock::now() < deadline) {
        for (int i = 0; i < 20000; ++i) {
            std::uint64_t v = x;
            v ^= v << 13;
            v ^= v >> 7;
            v ^= v << 17;
            x = v;
        }
    }
}

// The exit status of a dpct-sim that finds another one working in its out-root: two migrations
// into one out-root at once race on MainSourceFiles.yaml, which no scheduler may allow.
constexpr int kOutRootShared = 97;

// The lock that marks an out-root as being worked in: a file in the temporary folder named
// after the out-root's absolute path, so the out-root itself stays as dpct leaves it.
std::string outRootLockPath(const std::string& outRoot)
{
    std::error_code ec;
    fs::path p = fs::weakly_canonical(fs::absolute(tovalo::pathFromUtf8(outRoot), ec), ec);
    std::string key = tovalo::utf8FromPath(p.lexically_normal());
    while (key.size() > 1 && (key.back() == '/' || key.back() == '\\'))
        key.pop_back();
    if (pathSeparator() == '\\') {
        for (char& c : key)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c + 32);
    }
    std::uint64_t h = 14695981039346656037ULL; // FNV-1a
    for (const char c : key)
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    char name[48];
    std::snprintf(name, sizeof name, "dpct-sim-out-root-%016llx.lock", static_cast<unsigned long long>(h));
    return tovalo::utf8FromPath(fs::temp_directory_path(ec) / name);
}

class Run
{
public:
    Run(const CommandLine& cl, const VersionStyle& style, Output& out) : cl_(cl), style_(style), out_(out) {}

    int migrate(const std::string& source);

private:
    void progress(const char* label) { say(std::string(label) + ": " + typedPath_ + "\n"); }
    // Messages of the tool itself, subject to --output-verbosity.
    void say(const std::string& text)
    {
        if (silent_)
            return;
        log_ += text;
        out_.out(text);
    }
    void printWarnings(const std::vector<Diagnostic>& diags, bool migrationPass, int& counter);
    void printExtraOutput(long long bytes);
    void printParseErrors(int count);
    std::string summary() const;
    // The time the outcome takes: computing (busy-ms), then waiting (delay-ms).
    void work() const
    {
        busyMs(d_.busyMs);
        sleepMs(d_.delayMs);
    }
    int fail(long long code, const std::string& message)
    {
        out_.err(exitLine(code, message));
        return static_cast<int>(code);
    }
    bool writeOutputs(const std::string& migrated, tovalo::Message& error);

    const CommandLine& cl_;
    const VersionStyle& style_;
    Output& out_;
    Directives d_;
    std::vector<SourceLine> lines_;
    std::string typedPath_; ///< the source as typed, made absolute
    std::string realPath_;  ///< the source as the file system names it
    std::string inRoot_;
    std::string outRoot_;
    std::vector<std::pair<int, int>> suppressed_;
    bool suppressAll_ = false;
    bool silent_ = false;
    bool gutters_ = true;
    std::string log_; ///< everything said, for --output-file
};

void Run::printWarnings(const std::vector<Diagnostic>& diags, bool migrationPass, int& counter)
{
    for (const Diagnostic& w : diags) {
        if (w.migrationPass != migrationPass)
            continue;
        const int n = counter++;
        if (suppressAll_ || silent_)
            continue;
        bool hidden = false;
        for (const auto& [low, high] : suppressed_)
            hidden = hidden || (w.id >= low && w.id <= high);
        if (hidden)
            continue;
        const std::string text = realPath_ + ":" + std::to_string(w.line) + ":" + std::to_string(w.column) +
                                 ": warning: DPCT" + std::to_string(w.id) + ":" + std::to_string(n) + ": " +
                                 w.message + "\n" + snippet(lines_, w.line, w.column, gutters_);
        log_ += text;
        out_.err(text);
    }
}

void Run::printExtraOutput(long long bytes)
{
    // Warning-like lines in large writes, as a big project's migration produces them.
    const std::string line = realPath_ + ":1:1: warning: DPCT1003:0: " + kNoErrorCodeMessage + "\n";
    std::string chunk;
    while (chunk.size() < 65536)
        chunk += line;
    while (bytes > 0) {
        const std::size_t n =
            bytes >= static_cast<long long>(chunk.size()) ? chunk.size() : static_cast<std::size_t>(bytes);
        out_.err(std::string_view(chunk).substr(0, n));
        bytes -= static_cast<long long>(n);
    }
}

void Run::printParseErrors(int count)
{
    static const char* const kErrors[] = {
        "unknown type name 'float4_t'",
        "expected ';' after expression",
        "use of undeclared identifier 'blockSize'",
        "expected expression",
    };
    int shown = 0;
    for (const SourceLine& l : lines_) {
        if (shown >= count)
            break;
        if (isCommentLine(l.text))
            continue;
        const int column = static_cast<int>(l.text.find_first_not_of(" \t")) + 1;
        out_.err(realPath_ + ":" + std::to_string(l.number) + ":" + std::to_string(column) +
                 ": error: " + kErrors[shown % 4] + "\n" + snippet(lines_, l.number, column, gutters_));
        ++shown;
    }
    for (; shown < count; ++shown)
        out_.err(realPath_ + ":1:1: error: " + kErrors[shown % 4] + "\n");
    out_.err(std::to_string(count) + (count == 1 ? " error" : " errors") + " generated.\n");
}

std::string Run::summary() const
{
    std::string text = "Processed 1 file(s) in -in-root folder \"" + inRoot_ + "\"";
    if (d_.result == Result::ParseError) {
        text += ", 1 file(s) with error(s):\n  " + realPath_ + ": " + std::to_string(d_.parseErrors) +
                " parsing error(s)";
        if (d_.parseErrorFormat == 2)
            text += ", 1 segmentation fault(s) ";
    }
    text += "\n\nSee Diagnostics Reference to resolve warnings and complete the migration:\n";
    text += style_.newDocsUrl ? kNewDocsUrl : kOldDocsUrl;
    text += "\n";
    return text;
}

bool Run::writeOutputs(const std::string& migrated, tovalo::Message& error)
{
    std::error_code ec;
    const fs::path outRoot = tovalo::pathFromUtf8(outRoot_);
    fs::path relative = tovalo::pathFromUtf8(realPath_).lexically_relative(tovalo::pathFromUtf8(inRoot_));
    if (relative.empty() || *relative.begin() == "..")
        relative = tovalo::pathFromUtf8(fileNameOf(realPath_));
    const fs::path target = outRoot / relative.parent_path() /
                            tovalo::pathFromUtf8(migratedFileName(tovalo::utf8FromPath(relative.filename())));
    fs::create_directories(target.parent_path(), ec);
    if (ec) {
        error = ec.message();
        return false;
    }
    if (!cl_.isOn("report-only") &&
        !tovalo::writeFileAtomically(tovalo::utf8FromPath(target), migrated, error))
        return false;
    const std::string yaml = "---\nMainSourceFile:  '" + tovalo::utf8FromPath(fs::absolute(outRoot, ec)) +
                             "/MainSrcFiles_placehold'\nReplacements:    []\nMainSourceFilesDigest:\n"
                             "  - MainSourceFile:  '" +
                             realPath_ + "'\n    Digest:          '" +
                             std::to_string(std::hash<std::string>{}(migrated)) +
                             "'\nDpctVersion:     " + style_.releaseToken + "\nOptionSet:       '" +
                             recordedOptionSet(cl_) + "'\n...\n";
    if (!tovalo::writeFileAtomically(tovalo::utf8FromPath(outRoot / "MainSourceFiles.yaml"), yaml, error))
        return false;
    return true;
}

int Run::migrate(const std::string& source)
{
    typedPath_ = absolutePath(source);
    realPath_ = realPath(source);
    if (fileNameOf(typedPath_).find('.') == std::string::npos)
        return fail(kNoFileTypeAvail, statusText(kNoFileTypeAvail));
    std::string bytes;
    tovalo::Message readError;
    if (!tovalo::readWholeFile(source, bytes, readError)) {
        out_.err("error: no such file or directory: '" + typedPath_ + "'\n");
        out_.err("Error while processing " + typedPath_ + ".\n");
        return fail(kFileParseError, statusText(kFileParseError));
    }
    d_ = readDirectives(bytes);
    if (!d_.problems.empty())
        out_.err(d_.problems);
    out_.setAnsi(d_.ansi);
    lines_ = splitLines(bytes);
    gutters_ = style_.gutters;
    {
        const std::string outRoot = cl_.value("out-root").empty() ? "dpct_output" : cl_.value("out-root");
        if (!lockForLifetime(outRootLockPath(outRoot))) {
            out_.err("dpct-sim: OUT-ROOT SHARED: another dpct-sim is working in the out-root '" +
                     absolutePath(outRoot) + "' at this moment\n");
            return fail(kOutRootShared, "Error: the out-root is in use by another migration");
        }
    }
    if (d_.result == Result::Silent) {
        work();
        return d_.exitCodeGiven ? static_cast<int>(d_.exitCode) : 0;
    }

    const std::string inRootArg = cl_.value("in-root");
    inRoot_ = inRootArg.empty() ? folderOf(realPath_) : realPath(inRootArg);
    const std::string outRootArg = cl_.value("out-root");
    outRoot_ = outRootArg.empty() ? "dpct_output" : outRootArg;
    silent_ = cl_.value("output-verbosity") == "silent";
    suppressAll_ = cl_.isOn("suppress-warnings-all");

    if (d_.fast && (d_.result == Result::Ok || d_.result == Result::Warnings)) {
        out_.out("Processing: " + typedPath_ + "\n");
        out_.out("Processed 1 file(s) in -in-root folder \"" + inRoot_ + "\"\n");
        return 0;
    }

    // The paths the real tool checks before it parses anything.
    if (!inRootArg.empty() && !isFolder(inRootArg))
        return fail(kInvalidInRootPath, statusText(kInvalidInRootPath));
    if (const std::string cudaPath = cl_.value("cuda-include-path"); !cudaPath.empty() && !isFolder(cudaPath))
        return fail(kInvalidCudaIncludePath, statusText(kInvalidCudaIncludePath));
    if (cl_.has("p") && !hasDatabaseAt(cl_.value("p")))
        return fail(kCannotFindDatabase, statusText(kCannotFindDatabase));
    if (cl_.isOn("process-all") && inRootArg.empty())
        return fail(kNoExplicitInRoot, statusText(kNoExplicitInRoot));
    if (cl_.has("suppress-warnings") && !parseWarningIds(cl_.value("suppress-warnings"), suppressed_))
        return fail(kInvalidWarningId, statusText(kInvalidWarningId));
    if (const std::string prefix = cl_.value("report-file-prefix"); !prefix.empty()) {
        if (prefix.size() >= 128)
            return fail(kPrefixTooLong, statusText(kPrefixTooLong));
        for (const char c : prefix) {
            const bool plain =
                (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
            if (!plain)
                return fail(kSpecialCharacter, statusText(kSpecialCharacter));
        }
    }

    // The note names the folder as typed (transcripts keep the user's letter case there).
    if (!cl_.has("p") && !hasCompilationDatabase(folderOf(realPath_)))
        say("NOTE: Could not auto-detect compilation database for file '" + fileNameOf(typedPath_) +
            "' in '" + folderOf(typedPath_) + "' or any parent directory.\n");
    if (outRootArg.empty()) {
        // The default out-root must be new or empty, unless it holds an earlier migration.
        std::error_code ec;
        const fs::path defaultRoot = fs::current_path(ec) / "dpct_output";
        if (fs::is_directory(defaultRoot, ec) && !fs::is_empty(defaultRoot, ec) &&
            !fs::exists(defaultRoot / "MainSourceFiles.yaml", ec)) {
            out_.err("dpct_output directory is not empty. Please use option \"--out-root\" to set output "
                     "directory.\n");
            return fail(kInvalidInRootOrOutRoot, statusText(kInvalidInRootOrOutRoot));
        }
        say("The directory \"dpct_output\" is used as \"out-root\"\n");
    }

    // An incremental migration into an out-root that holds an earlier one must use the same options.
    if (!cl_.isOn("no-incremental-migration")) {
        std::string yaml, earlier;
        tovalo::Message error;
        if (tovalo::readWholeFile(
                tovalo::utf8FromPath(tovalo::pathFromUtf8(outRoot_) / "MainSourceFiles.yaml"), yaml, error) &&
            recordedInYaml(yaml, earlier) && earlier != recordedOptionSet(cl_))
            return fail(
                kDifferentOptSet,
                "Error: Incremental migration requires the same option sets used across different dpct "
                "invocations. Specify --no-incremental-migration to disable incremental migration or use "
                "the same option set as in previous migration: \"" +
                    earlier +
                    "\". See https://www.intel.com/content/www/us/en/docs/dpcpp-compatibility-tool/"
                    "developer-guide-reference/current/overview.html for more details.");
    }

    if (d_.result == Result::ExitCode) {
        work();
        return fail(d_.exitCode, d_.message.empty() ? statusText(d_.exitCode) : d_.message);
    }

    const bool parsingStyle = d_.progress == Progress::Parsing;
    const int warningCount = d_.warnings >= 0 ? d_.warnings : (d_.result == Result::Warnings ? 3 : 0);
    const std::vector<Diagnostic> diags = makeWarnings(lines_, warningCount);
    int counter = 0;

    progress(parsingStyle ? "Parsing" : "Processing");
    if (d_.result == Result::ParseError) {
        printParseErrors(d_.parseErrors);
        if (cl_.isOn("stop-on-parse-err") || !d_.processed) {
            work();
            return fail(kFileParseError, statusText(kFileParseError));
        }
    }
    if (parsingStyle)
        progress("Analyzing");
    printWarnings(diags, false, counter);
    if (d_.result == Result::Crash) {
        work();
        std::string arguments;
        for (const std::string& a : cl_.rawArguments)
            arguments += (arguments.empty() ? "" : " ") + a;
        out_.err("PLEASE submit a bug report to https://github.com/llvm/llvm-project/issues/ and include the "
                 "crash "
                 "backtrace.\nStack dump:\n0.\tProgram arguments: " +
                 arguments + "\n" +
                 " #0 0x00005601a4c3e1b7 llvm::sys::PrintStackTrace(llvm::raw_ostream&, int)\n"
                 " #1 0x00005601a4c3bf0e llvm::sys::RunSignalHandlers()\n"
                 " #2 0x00005601a4c3e86a SignalHandler(int)\n"
                 " #3 0x00007f3b8a642520 (/lib/x86_64-linux-gnu/libc.so.6+0x42520)\n"
                 " #4 0x00005601a3f9d2c4 clang::dpct::ExprAnalysis::analyzeExpr(clang::CallExpr const*)\n");
        out_.discard();
        // A tool whose crash handler ends it with a status of its own, instead of dying of the signal.
        if (d_.exitCodeGiven)
            return static_cast<int>(d_.exitCode);
        crashHard();
    }
    if (parsingStyle)
        progress("Migrating");
    printWarnings(diags, true, counter);
    if (d_.outputBytes > 0)
        printExtraOutput(d_.outputBytes);
    work();

    if (d_.result == Result::NoCuda)
        return fail(kNoCodeChange,
                    std::string(statusText(kNoCodeChange)) + (style_.periodAfterNoCuda ? "." : ""));

    tovalo::Message error;
    if (!writeOutputs(migratedText(lines_, diags, style_), error))
        return fail(kSaveOutFail, statusText(kSaveOutFail));
    say(summary());
    // --output-file: what was said, in the out-root, written when the run is over.
    if (const std::string logName = cl_.value("output-file"); !logName.empty()) {
        const fs::path logPath = tovalo::pathFromUtf8(outRoot_) / tovalo::pathFromUtf8(logName);
        if (!tovalo::writeFileAtomically(tovalo::utf8FromPath(logPath), log_, error))
            return fail(kSaveOutFail, statusText(kSaveOutFail));
    }
    return 0;
}

} // namespace

int runTool(const std::vector<std::string>& args)
{
    // For tests of the command lines given to the tool: every argument after the program, each
    // in brackets, one invocation per line.
    if (const char* record = std::getenv("DPCT_SIM_ARGS_FILE"); record != nullptr && *record != '\0') {
        std::string line;
        for (std::size_t i = 1; i < args.size(); ++i)
            line += (i > 1 ? " [" : "[") + args[i] + "]";
        std::ofstream(tovalo::pathFromUtf8(record), std::ios::binary | std::ios::app) << line << '\n';
    }
    Output out;
    const std::string program = programName(args.empty() ? std::string("dpct") : args.front());
    const VersionStyle style = currentVersionStyle();
    const std::vector<std::string> rest(args.empty() ? args.end() : args.begin() + 1, args.end());

    // LLVM handles --version and --help while it reads the arguments, before anything else.
    for (const std::string& a : rest) {
        if (a == "--")
            break;
        if (a == "--version" || a == "-version") {
            out.out(versionText(style));
            out.flush();
            return 0;
        }
        if (a == "--help" || a == "-help" || a == "--help-hidden" || a == "-help-hidden") {
            out.out(helpText(program));
            out.flush();
            return 0;
        }
    }
    if (rest.empty()) {
        out.out(usageHint(program));
        out.flush();
        return -18;
    }

    CommandLine cl;
    cl.rawArguments = args;
    cl.rawArguments.front() = program;
    std::string errors;
    if (!parseCommandLine(rest, program, cl, errors)) {
        out.err(errors);
        out.err(exitLine(kOptionParsingError, statusText(kOptionParsingError)));
        return kOptionParsingError;
    }
    if (cl.sources.empty()) {
        out.err(program +
                ": Not enough positional command line arguments specified!\n"
                "Must specify at least 1 positional argument: See: " +
                program + " --help\n");
        out.err(exitLine(kOptionParsingError, statusText(kOptionParsingError)));
        return kOptionParsingError;
    }

    Run run(cl, style, out);
    const int status = run.migrate(cl.sources.front());
    out.flush();
    return status;
}

} // namespace dpctsim
