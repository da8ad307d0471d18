#include "sim_tool.h"

#include "base/file_io.h"
#include "base/text.h"
#include "sim_directives.h"
#include "sim_options.h"
#include "sim_output.h"
#include "sim_platform.h"
#include "sim_version.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <thread>

namespace dpctsim {

namespace {

namespace fs = std::filesystem;

constexpr const char* kOldDocsUrl =
    "https://software.intel.com/content/www/us/en/develop/documentation/"
    "intel-dpcpp-compatibility-tool-user-guide/top/diagnostics-reference.html";
constexpr const char* kNewDocsUrl = "https://www.intel.com/content/www/us/en/docs/dpcpp-compatibility-tool/"
                                    "developer-guide-reference/current/diagnostics-reference.html";

// Exit statuses and texts of the real tool's status report.
constexpr int kOptionParsingError = -16;
constexpr int kFileParseError = -17;
constexpr int kSaveOutFail = -2;
constexpr int kInvalidWarningId = -15;
constexpr int kSpecialCharacter = -23;
constexpr int kPrefixTooLong = -25;
constexpr int kNoCodeChange = 1;
constexpr int kNoExplicitInRoot = -21;
constexpr int kInvalidInRootPath = -7;
constexpr int kInvalidInRootOrOutRoot = -6;
constexpr int kNoFileTypeAvail = -27;
constexpr int kInvalidCudaIncludePath = -5;
constexpr int kCannotFindDatabase = -19;

std::string statusText(long long code)
{
    switch (code) {
    case -1:
        return "An error has occurred during migration";
    case -2:
        return "Error: Unable to save the output to the specified directory";
    case -3:
        return "Error: Input folder specified by --in-root or --analysis-scope-path option is in the "
               "CUDA_PATH folder";
    case -4:
        return "Error: Input folder specified by --in-root or --analysis-scope-path option is the parent of, "
               "or the same folder as, the installation directory of the dpct";
    case -5:
        return "Error: Path for CUDA header files specified by --cuda-include-path is invalid.";
    case -6:
        return "Error: The path for --in-root or --out-root is not valid";
    case -7:
        return "Error: The path for --in-root is not valid";
    case -9:
        return "Error: The value(s) provided for report option(s) is incorrect.";
    case -15:
        return "Error: Invalid warning ID or range; valid warning IDs range from 1000 to 1132";
    case -16:
        return "Option parsing error, run 'dpct --help' to see supported options and values";
    case -17:
        return "Error: Cannot parse input file(s)";
    case -19:
        return "Error: Cannot find compilation database";
    case -20:
        return "Error: Cannot parse compilation database";
    case -21:
        return "Error: The option --process-all requires that the --in-root be specified explicitly. Use the "
               "--in-root option to specify the directory to be migrated.";
    case -23:
        return "Error: Prefix contains special characters; only alphabetical characters, digits and "
               "underscore character are allowed";
    case -25:
        return "Error: Prefix is too long; should be less than 128 characters";
    case -27:
        return "Error: File Type not available for input file";
    case -43:
        return "Error: The API mapping query for this API is not available yet. You may get the API mapping "
               "by migrating sample code from this CUDA API to the SYCL API with the tool.";
    case 1:
        return "Migration not necessary; no CUDA code detected";
    case 2:
        return "Some migration rules were skipped";
    default:
        return "An error has occurred during migration";
    }
}

std::string exitLine(long long code, const std::string& message)
{
    return "dpct exited with code: " + std::to_string(code) + " (" + message + ")\n";
}

// What a source line looks like to the warning generator.
struct SourceLine
{
    int number;
    std::string text;
};

struct Diagnostic
{
    int line;
    int column;
    int id;
    std::string message;
    bool migrationPass; ///< printed while "Migrating" (else while "Analyzing")
};

struct WarningRule
{
    const char* needle;
    int id;
    const char* message;
    bool migrationPass;
};

constexpr WarningRule kRules[] = {
    {"<<<", 1049,
     "The work-group size passed to the SYCL kernel may exceed the limit. To get the device limit, query "
     "info::device::max_work_group_size. Adjust the work-group size if needed.",
     false},
    {"__syncthreads", 1118,
     "SYCL group functions and algorithms must be encountered in converged control flow. You may need to "
     "adjust "
     "the code.",
     false},
    {"cudaMalloc", 1003,
     "Migrated API does not return error code. (*, 0) is inserted. You may need to rewrite this code.", true},
    {"cudaMemcpy", 1003,
     "Migrated API does not return error code. (*, 0) is inserted. You may need to rewrite this code.", true},
    {"cudaFree", 1003,
     "Migrated API does not return error code. (*, 0) is inserted. You may need to rewrite this code.", true},
    {"cudaDeviceSynchronize", 1003,
     "Migrated API does not return error code. (*, 0) is inserted. You may need to rewrite this code.", true},
    {"clock(", 1008,
     "clock function is not defined in SYCL. This is a hardware-specific feature. Consult with your hardware "
     "vendor to find a replacement.",
     true},
    {"cudaGetErrorString", 1009,
     "SYCL uses exceptions to report errors and does not use the error codes. The call was replaced by a "
     "placeholder string. You need to rewrite this code.",
     true},
    {"cudaGetLastError", 1010,
     "SYCL uses exceptions to report errors and does not use the error codes. The call was replaced with 0. "
     "You "
     "need to rewrite this code.",
     true},
    {"atomicAdd", 1039,
     "The generated code assumes that the first argument points to the global memory address space. If it "
     "points to a local memory address space, replace \"dpct::atomic_fetch_add\" with "
     "\"dpct::atomic_fetch_add<sycl::access::address_space::local_space>\".",
     true},
    {"__shared__", 1101,
     "The size of the local memory array was replaced with a value. Modify the code to use the original "
     "expression, provided in comments, if it is correct.",
     true},
};

std::vector<SourceLine> splitLines(const std::string& text)
{
    std::vector<SourceLine> lines;
    std::size_t start = 0;
    int number = 1;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back({number++, std::move(line)});
        if (end == text.size())
            break;
        start = end + 1;
    }
    return lines;
}

bool isCommentLine(const std::string& line)
{
    const auto first = line.find_first_not_of(" \t");
    return first == std::string::npos || line.compare(first, 2, "//") == 0 ||
           line.compare(first, 2, "/*") == 0 || line.compare(first, 1, "*") == 0 ||
           line.compare(first, 1, "#") == 0;
}

// Warnings placed on the lines of the file that the real tool would warn about, cycling
// through them when more warnings are asked for than the file gives reasons for.
std::vector<Diagnostic> makeWarnings(const std::vector<SourceLine>& lines, int count)
{
    std::vector<Diagnostic> candidates;
    for (const SourceLine& l : lines) {
        if (isCommentLine(l.text))
            continue;
        for (const WarningRule& r : kRules) {
            auto at = l.text.find(r.needle);
            if (at == std::string::npos)
                continue;
            // A launch is reported at the kernel's name, not at the "<<<".
            while (r.id == 1049 && at > 0 &&
                   (std::isalnum(static_cast<unsigned char>(l.text[at - 1])) != 0 || l.text[at - 1] == '_'))
                --at;
            candidates.push_back({l.number, static_cast<int>(at) + 1, r.id, r.message, r.migrationPass});
        }
    }
    // More warnings than the file gives reasons for: other code lines get a generic one, so
    // that no line is reported twice until every line has been used.
    for (const SourceLine& l : lines) {
        if (static_cast<int>(candidates.size()) >= count)
            break;
        if (isCommentLine(l.text) || l.text.find_first_not_of(" \t{}") == std::string::npos)
            continue;
        bool used = false;
        for (const Diagnostic& c : candidates)
            used = used || c.line == l.number;
        if (!used)
            candidates.push_back({l.number, static_cast<int>(l.text.find_first_not_of(" \t")) + 1, 1007,
                                  "Migration of this CUDA API is not supported by the Intel(R) DPC++ "
                                  "Compatibility Tool.",
                                  true});
    }
    if (candidates.empty())
        candidates.push_back({1, 1, 1003, kRules[2].message, true});
    std::vector<Diagnostic> result;
    for (int i = 0; i < count; ++i)
        result.push_back(candidates[static_cast<std::size_t>(i) % candidates.size()]);
    // The analysis pass reports first, then the migration pass, each in file order.
    std::stable_sort(result.begin(), result.end(), [](const Diagnostic& a, const Diagnostic& b) {
        if (a.migrationPass != b.migrationPass)
            return !a.migrationPass;
        return a.line < b.line;
    });
    return result;
}

// The source snippet under a diagnostic, in the layout of the clang the release is built on.
std::string snippet(const std::vector<SourceLine>& lines, int line, int column, bool gutters)
{
    const std::string& text = line >= 1 && static_cast<std::size_t>(line) <= lines.size()
                                  ? lines[static_cast<std::size_t>(line) - 1].text
                                  : std::string();
    std::string caret;
    for (int i = 0; i + 1 < column && static_cast<std::size_t>(i) < text.size(); ++i)
        caret += text[static_cast<std::size_t>(i)] == '\t' ? '\t' : ' ';
    caret += '^';
    if (!gutters)
        return text + "\n" + caret + "\n";
    std::string number = std::to_string(line);
    const std::size_t width = std::max<std::size_t>(5, number.size());
    number.insert(0, width - number.size(), ' ');
    return number + " | " + text + "\n" + std::string(width, ' ') + " | " + caret + "\n";
}

std::string fileNameOf(const std::string& path)
{
    const auto slash = path.find_last_of(pathSeparator() == '\\' ? "\\/" : "/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of(pathSeparator() == '\\' ? "\\/" : "/");
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return path.substr(0, 1);
    // Keep "C:\" for a file in the root of a drive.
    if (slash == 2 && path.size() > 1 && path[1] == ':')
        return path.substr(0, 3);
    return path.substr(0, slash);
}

bool hasCompilationDatabase(const std::string& folder)
{
    std::error_code ec;
    fs::path p = tovalo::pathFromUtf8(folder);
    for (int depth = 0; depth < 64; ++depth) {
        if (fs::exists(p / "compile_commands.json", ec))
            return true;
        const fs::path parent = p.parent_path();
        if (parent == p || parent.empty())
            break;
        p = parent;
    }
    return false;
}

bool isFolder(const std::string& path)
{
    std::error_code ec;
    return fs::is_directory(tovalo::pathFromUtf8(path), ec);
}

// -p names the folder of compile_commands.json, or the file itself.
bool hasDatabaseAt(const std::string& path)
{
    std::error_code ec;
    const fs::path p = tovalo::pathFromUtf8(path);
    if (fs::is_directory(p, ec))
        return fs::is_regular_file(p / "compile_commands.json", ec);
    return p.filename() == "compile_commands.json" && fs::is_regular_file(p, ec);
}

// "1003,1049-1051": the warning ids named by --suppress-warnings; false when the value is bad.
bool parseWarningIds(const std::string& text, std::vector<std::pair<int, int>>& ranges)
{
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string item = text.substr(start, end - start);
        const auto dash = item.find('-');
        try {
            std::size_t used = 0;
            const int low = std::stoi(item.substr(0, dash), &used);
            if (used != (dash == std::string::npos ? item.size() : dash))
                return false;
            int high = low;
            if (dash != std::string::npos) {
                const std::string rest = item.substr(dash + 1);
                high = std::stoi(rest, &used);
                if (used != rest.size())
                    return false;
            }
            if (low < 1000 || high > 1132 || high < low)
                return false;
            ranges.emplace_back(low, high);
        } catch (...) {
            return false;
        }
        if (end == text.size())
            break;
        start = end + 1;
    }
    return true;
}

// The migrated text: SYCL headers instead of the CUDA runtime, the kernel built-ins rewritten,
// and a comment with each diagnostic above the line it concerns, as the real tool writes them.
std::string migratedText(const std::vector<SourceLine>& lines, const std::vector<Diagnostic>& diags,
                         const VersionStyle& style)
{
    static const std::pair<const char*, const char*> kReplacements[] = {
        {"#include <cuda_runtime.h>", nullptr},
        {"__global__ ", ""},
        {"__syncthreads()", "item_ct1.barrier()"},
        {"threadIdx.x", "item_ct1.get_local_id(2)"},
        {"threadIdx.y", "item_ct1.get_local_id(1)"},
        {"blockIdx.x", "item_ct1.get_group(2)"},
        {"blockIdx.y", "item_ct1.get_group(1)"},
        {"blockDim.x", "item_ct1.get_local_range(2)"},
        {"cudaDeviceSynchronize()", "dpct::get_current_device().queues_wait_and_throw()"},
        {"cudaFree(", "dpct::dpct_free("},
    };
    std::string out = style.clSyclHeader ? "#include <CL/sycl.hpp>\n" : "#include <sycl/sycl.hpp>\n";
    out += "#include <dpct/dpct.hpp>\n";
    // Diagnostics are numbered in the order they were reported; the comments go in line order.
    std::vector<std::size_t> order(diags.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return diags[a].line < diags[b].line; });
    std::size_t next = 0;
    for (const SourceLine& l : lines) {
        for (; next < order.size() && diags[order[next]].line <= l.number; ++next) {
            const Diagnostic& d = diags[order[next]];
            out += "/*\nDPCT" + std::to_string(d.id) + ":" + std::to_string(order[next]) + ": " + d.message +
                   "\n*/\n";
        }
        std::string text = l.text;
        bool drop = false;
        for (const auto& [from, to] : kReplacements) {
            for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
                if (to == nullptr) {
                    drop = true;
                    break;
                }
                text.replace(at, std::string_view(from).size(), to);
                at += std::string_view(to).size();
            }
        }
        if (!drop)
            out += text + "\n";
    }
    return out;
}

std::string migratedFileName(const std::string& name)
{
    const auto dot = name.find_last_of('.');
    const std::string ext = dot == std::string::npos ? std::string() : name.substr(dot);
    if (ext == ".cu")
        return name.substr(0, dot) + ".dp.cpp";
    if (ext == ".cuh")
        return name.substr(0, dot) + ".dp.hpp";
    return name;
}

void sleepMs(int ms)
{
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::string versionText(const VersionStyle& style)
{
    return style.line.empty() ? std::string() : "\n" + style.line + "\n\n";
}

std::string helpText(const std::string& program)
{
    return "USAGE: " + program +
           " [options] [<source0> ... <sourceN>]\n\n"
           "OPTIONS:\n\n"
           "  --always-use-async-handler      - Use async exception handler when creating new sycl::queue.\n"
           "  --assume-nd-range-dim=<value>   - Provides a hint to the tool on the dimensionality of "
           "nd_range.\n"
           "  --comments                      - Insert comments explaining the generated code.\n"
           "  --cuda-include-path=<dir>       - The directory path of the CUDA header files.\n"
           "  --extra-arg=<string>            - Additional argument to append to the migration command "
           "line.\n"
           "  --format-range=<value>          - Sets the range of formatting.\n"
           "  --format-style=<value>          - Sets the formatting style.\n"
           "  --in-root=<dir>                 - The directory path for the root of the source tree.\n"
           "  --out-root=<dir>                - The directory path for root of generated files.\n"
           "  --output-verbosity=<value>      - Sets the output verbosity level.\n"
           "  -p <dir>                        - The directory path for the compilation database.\n"
           "  --process-all                   - Migrates or copies all files from the --in-root directory.\n"
           "  --stop-on-parse-err             - Stop migration and generation of reports if parsing errors "
           "happened.\n"
           "  --suppress-warnings=<value>     - A comma separated list of migration warnings to suppress.\n"
           "  --suppress-warnings-all         - Suppresses all migration warnings.\n"
           "  --usm-level=<value>             - Sets the Unified Shared Memory (USM) level to use in source "
           "code generation.\n"
           "  --version                       - Shows the version of the tool.\n\n"
           "See " +
           program + " --help-hidden for the complete list of options.\n";
}

std::string programName(const std::string& argv0)
{
    std::string name = fileNameOf(argv0);
    if (const auto slash = name.find_last_of("/\\"); slash != std::string::npos)
        name = name.substr(slash + 1);
    if (name.size() > 4) {
        std::string ext = name.substr(name.size() - 4);
        for (char& c : ext)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        if (ext == ".exe")
            name.resize(name.size() - 4);
    }
    return name.empty() ? "dpct" : name;
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
    int fail(long long code, const std::string& message)
    {
        out_.err(exitLine(code, message));
        return static_cast<int>(code);
    }
    bool writeOutputs(const std::string& migrated, std::string& error);

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
    const std::string line = realPath_ + ":1:1: warning: DPCT1003:0: " + kRules[2].message + "\n";
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

bool Run::writeOutputs(const std::string& migrated, std::string& error)
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
                             "'\nDpctVersion:     " + style_.releaseToken + "\n...\n";
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
    std::string readError;
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
    if (d_.result == Result::Silent) {
        sleepMs(d_.delayMs);
        return 0;
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

    if (d_.result == Result::ExitCode) {
        sleepMs(d_.delayMs);
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
            sleepMs(d_.delayMs);
            return fail(kFileParseError, statusText(kFileParseError));
        }
    }
    if (parsingStyle)
        progress("Analyzing");
    printWarnings(diags, false, counter);
    if (d_.result == Result::Crash) {
        sleepMs(d_.delayMs);
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
        crashHard();
    }
    if (parsingStyle)
        progress("Migrating");
    printWarnings(diags, true, counter);
    if (d_.outputBytes > 0)
        printExtraOutput(d_.outputBytes);
    sleepMs(d_.delayMs);

    if (d_.result == Result::NoCuda)
        return fail(kNoCodeChange,
                    std::string(statusText(kNoCodeChange)) + (style_.periodAfterNoCuda ? "." : ""));

    std::string error;
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
        out.out("To get help on the tool usage, run \"" + program +
                " --help\"\n"
                "Visit https://www.intel.com/content/www/us/en/docs/dpcpp-compatibility-tool/"
                "developer-guide-reference/current/overview.html for more details.\n");
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
