// tovalo-cli run: converts every item of a definition file with the run engine the GUI uses,
// over up to --jobs consoles side by side (RunScheduler).

#include "base/file_io.h"
#include "cli.h"
#include "data/definition_file.h"
#include "data/option_conflicts.h"
#include "data/run_results.h"
#include "runner/console.h"
#include "runner/run_capacity.h"
#include "runner/run_scheduler.h"
#include "settings/oneapi.h"
#include "settings/settings.h"
#include "settings/settings_store.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <unordered_set>

namespace tovalo::cli {

namespace {

// The host side of the engine: the reader thread, the engine and a Ctrl-C all wake this loop.
struct Host
{
    std::mutex mutex;
    std::condition_variable cv;
    bool woken = false;
    std::atomic<bool> interrupted{false};

    void wake()
    {
        {
            std::lock_guard lock(mutex);
            woken = true;
        }
        cv.notify_one();
    }
    // Waits for a wake until `deadline`; false when the deadline passed first.
    bool waitUntil(std::chrono::steady_clock::time_point deadline)
    {
        std::unique_lock lock(mutex);
        const bool ok = cv.wait_until(lock, deadline, [this] { return woken; });
        woken = false;
        return ok;
    }
    void wait()
    {
        std::unique_lock lock(mutex);
        cv.wait(lock, [this] { return woken; });
        woken = false;
    }
};

// The last part of a path (after the last "/" or "\\").
std::string_view fileNameOf(std::string_view path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

class CliObserver : public RunObserver
{
public:
    CliObserver(bool quiet, bool toStderr)
        : quiet_(quiet), toStderr_(toStderr), colours_(!quiet && useColours(toStderr ? stderr : stdout))
    {}
    void consoleText(std::string_view utf8) override
    {
        if (quiet_)
            return;
        std::FILE* f = toStderr_ ? stderr : stdout;
        std::fwrite(utf8.data(), 1, utf8.size(), f);
        std::fflush(f);
    }
    // Several consoles: each line gets the file name of its item (or the console's number for
    // its start-up), in a colour per console on a terminal.
    void consoleLines(int console, const CDpctData* item, std::string_view lines) override
    {
        if (quiet_)
            return;
        static constexpr const char* kColours[] = {"\033[36m", "\033[33m", "\033[35m",
                                                   "\033[32m", "\033[34m", "\033[31m"};
        std::string tag = "[";
        tag += item ? std::string(fileNameOf(item->path)) : "console " + std::to_string(console + 1);
        tag += "] ";
        if (colours_)
            tag = kColours[console % 6] + tag.substr(0, tag.size() - 1) + "\033[0m ";
        std::string text;
        while (!lines.empty()) {
            const std::size_t end = lines.find('\n');
            const std::size_t n = end == std::string_view::npos ? lines.size() : end + 1;
            text += tag;
            text += lines.substr(0, n);
            lines.remove_prefix(n);
        }
        consoleText(text);
    }
    void advance(bool nextItem) override
    {
        if (!nextItem)
            runEnded = true;
    }
    bool runEnded = false;

private:
    bool quiet_;
    bool toStderr_;
    bool colours_;
};

const char* stepName(RunPhase p)
{
    switch (p) {
    case RunPhase::AwaitPrompt:
        return "the command interpreter's first prompt";
    case RunPhase::SetvarsRequested:
    case RunPhase::SetvarsRunning:
        return "the oneAPI environment script (setvars)";
    case RunPhase::VersionRequested:
    case RunPhase::VersionRunning:
        return "the dpct version query";
    default:
        return "the start-up";
    }
}

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

// The one JSON object of --json, the items in list order; `error` (when not empty) says why no
// run took place.
void printJson(const std::vector<const CDpctData*>& items, const std::string& version,
               const std::string& codebase, const std::string& error)
{
    writeResultsJson(items, ResultsHeader{version, codebase, error}, OutputInResults::Included,
                     [](std::string_view text) { out(text); });
}

// --jobs's default: the settings' parallel conversions (automatic when they cannot be read).
int jobsFromSettings()
{
    const auto store = openUserSettingsStore();
    Settings settings;
    std::string error;
    return loadSettings(*store, settings, error) ? settings.parallelConversions : kParallelAutomatic;
}

} // namespace

// Ctrl-C handling, per platform: calls `onInterrupt` (on some thread) for each Ctrl-C.
void installInterruptHandler(void (*onInterrupt)(void*), void* context);

namespace {
Host* g_host = nullptr;
void onInterrupt(void*)
{
    if (g_host) {
        g_host->interrupted = true;
        g_host->wake();
    }
}
} // namespace

int cmdRun(const Args& args)
{
    if (wantsHelp(args)) {
        out("Usage: tovalo-cli run FILE [--oneapi-root DIR] [--jobs N|auto] [--shard I/N] [--json] "
            "[--quiet]\n"
            "                      [--startup-timeout SEC] [--results RESULTS [--only STATUS,...]]\n\n"
            "Converts every item of the definition file FILE with dpct, through command interpreters in\n"
            "which oneAPI's environment script has run (as Tovalo does). Up to N items run side by side,\n"
            "each in its own interpreter, but never two whose out-roots are the same folder: those run\n"
            "one after another in list order. The console text goes to stdout as it comes (while more\n"
            "than one interpreter is open, each line starts with the [file name] of its item, in a colour\n"
            "per interpreter on a terminal), then a summary table (path, status, exit code) in list "
            "order.\n\n"
            "  --oneapi-root DIR     the oneAPI folder holding setvars (default: the one Tovalo finds,\n"
            "                        see 'tovalo-cli settings --oneapi')\n"
            "  --jobs N|auto, -jN    at most N dpct runs at once (1 to 64); auto: the number of logical\n"
            "                        processors, at most the available memory / 2 GiB. Default: the\n"
            "                        settings' parallel conversions (automatic unless set)\n"
            "  --shard I/N           run only shard I of N (1 <= I <= N): the list's out-root groups\n"
            "                        dealt out whole, balanced by item count, the same for the same\n"
            "                        list every time. --json, --results and the table hold that\n"
            "                        shard's items; join the shards' results with merge-results\n"
            "  --json                print only one JSON object on stdout at the end:\n"
            "                        {\"dpctVersion\", \"dpctCodebase\", \"items\": [{\"path\", \"status\",\n"
            "                        \"exitCode\", \"elapsedMs\", \"diagnosticCounts\", \"diagnostics\": "
            "[{\"file\",\n"
            "                        \"line\", \"column\", \"severity\", \"code\", \"message\"}], "
            "\"output\"}]},\n"
            "                        items in list order, with \"error\" when Ctrl-C came before the run\n"
            "                        started; the console text goes to stderr\n"
            "  --results RESULTS     the last run's results: read from RESULTS when it exists (the\n"
            "                        JSON of --json), and written to it (atomically) after this run;\n"
            "                        it is also written once before the run, so that a file that\n"
            "                        cannot be written stops the run before it starts. Entries of\n"
            "                        items outside this run (another list's) are kept as they are\n"
            "  --only STATUS,...     run only the items whose last result in RESULTS has one of these\n"
            "                        statuses (e.g. ng,syntax-error,converting); the others keep\n"
            "                        their results. Needs --results\n"
            "  --quiet               do not show the console text\n"
            "  --startup-timeout SEC how long the start-up may take (default 300)\n\n"
            "Status: none, waiting, converting, ok, ng, syntax-error. An item keeps its last result\n"
            "until it starts; Ctrl-C stops every running dpct, and a stopped item keeps its output.\n"
            "Exit status: 0 every item ok, 1 some item not ok or the run was stopped (Ctrl-C),\n"
            "2 usage error, unreadable file, no oneAPI, or a start-up that did not finish.\n");
        return kExitOk;
    }
    std::string file, root, resultsFile;
    bool json = false, quiet = false, haveRoot = false, haveOnly = false;
    std::vector<ItemStatus> only;
    int startupSeconds = 300;
    int jobs = -1; // -1: from the settings; 0: automatic
    int shardIndex = 0, shardCount = 1;
    const auto takeJobs = [&](const std::string* v) -> std::string {
        if (v && *v == "auto") {
            jobs = kParallelAutomatic;
            return {};
        }
        char* end = nullptr;
        const long n = v && !v->empty() ? std::strtol(v->c_str(), &end, 10) : 0;
        if (!v || v->empty() || *end != '\0' || n < 1 || n > RunScheduler::kMaxConsoles)
            return "--jobs needs a number from 1 to 64, or auto";
        jobs = static_cast<int>(n);
        return {};
    };
    const auto takeShard = [&](const std::string* v) -> std::string {
        if (!v || !parseShard(*v, shardIndex, shardCount))
            return "--shard needs I/N with 1 <= I <= N, e.g. --shard 2/4";
        return {};
    };
    const auto takeRoot = [&](const std::string* v) -> std::string {
        if (!v || v->empty())
            return "--oneapi-root needs a folder";
        root = *v;
        haveRoot = true;
        return {};
    };
    const auto takeTimeout = [&](const std::string* v) -> std::string {
        if (!v || v->empty())
            return "--startup-timeout needs a number of seconds";
        char* end = nullptr;
        const long n = std::strtol(v->c_str(), &end, 10);
        if (*end != '\0' || n <= 0 || n > 86400)
            return "--startup-timeout needs a number of seconds from 1 to 86400";
        startupSeconds = static_cast<int>(n);
        return {};
    };
    const auto takeResults = [&](const std::string* v) -> std::string {
        if (!v || v->empty())
            return "--results needs a file";
        resultsFile = *v;
        return {};
    };
    const auto takeOnly = [&](const std::string* v) -> std::string {
        if (!v || v->empty())
            return "--only needs a list of statuses, e.g. ng,syntax-error,converting";
        std::string error;
        if (!parseStatusList(*v, only, error))
            return "--only: " + error;
        haveOnly = true;
        return {};
    };
    const std::vector<ArgOption> options = {
        switchOption("--json", {}, json),      {"--results", {}, true, takeResults},
        {"--only", {}, true, takeOnly},        switchOption("--quiet", "-q", quiet),
        {"--oneapi-root", {}, true, takeRoot}, {"--startup-timeout", {}, true, takeTimeout},
        {"--jobs", "-j", true, takeJobs},      {"--shard", {}, true, takeShard},
    };
    // "-j4" as make takes it: the short option with its value attached.
    Args spelled;
    for (const std::string& a : args) {
        if (a.size() > 2 && a.starts_with("-j") && a[2] != '-') {
            spelled.push_back("-j");
            spelled.push_back(a.substr(2));
        } else {
            spelled.push_back(a);
        }
    }
    if (const int usage = parseArguments("run", spelled, options, file); usage != kExitOk)
        return usage;

    if (haveOnly && resultsFile.empty())
        return usageError("run", "--only needs --results RESULTS with the last run's results");

    ReadResult doc = readDefinitionFile(file);
    if (!doc.ok) {
        err("tovalo-cli: cannot read '" + file + "': " + englishText(doc.error) + "\n");
        return kExitUsage;
    }
    // The entries of the results file: those of this list's items give them their last results;
    // the others (another list's items, items since renamed or removed) are written back as they
    // were.
    std::vector<CDpctData> entries;
    std::vector<bool> listedInResults(doc.items.size(), false);
    ResultsHeader lastHeader;
    if (!resultsFile.empty() && pathExists(resultsFile)) {
        std::string error;
        Message why;
        FileView text;
        const bool read = text.open(resultsFile, why);
        if (!read || !applyResultsJson(text, doc.items, lastHeader, entries, listedInResults, error)) {
            err("tovalo-cli run: cannot read the results '" + terminalSafe(resultsFile) +
                "': " + (read ? error : englishText(why)) + "\n");
            return kExitUsage;
        }
    } else if (haveOnly) {
        err("tovalo-cli run: '" + resultsFile +
            "' does not exist, so no item has a last result to select by\n");
        return kExitUsage;
    }

    if (!haveRoot) {
        const OneApiDiscovery found = discoverOneApi();
        root = found.root;
        if (root.empty()) {
            std::string looked;
            for (const std::string& place : found.looked)
                looked += "\n  " + place;
            err("tovalo-cli run: no oneAPI installation found; give --oneapi-root DIR. Looked at:" + looked +
                "\n");
            return kExitUsage;
        }
    }
    if (!isSeparator(root.back()))
        root += platformDialect() == Dialect::Cmd ? '\\' : '/';
    const std::string script = root + (platformDialect() == Dialect::Cmd ? "setvars.bat" : "setvars.sh");
    if (!pathExists(script)) {
        err("tovalo-cli run: oneAPI not found: '" + script + "' does not exist\n");
        return kExitUsage;
    }

    // The items this run reports on: the whole list, or the items of one shard.
    // Relative paths of a list count from the list's own folder, where each command runs.
    const std::string base = folderOfFile(file);
    std::vector<CDpctData*> listed;
    {
        std::vector<const CDpctData*> all;
        for (const CDpctData& item : doc.items)
            all.push_back(&item);
        for (const std::size_t i : shardItems(groupByOutRoot(all, base), shardIndex, shardCount))
            listed.push_back(&doc.items[i]);
    }
    const std::vector<const CDpctData*> reported(listed.begin(), listed.end());
    // Items of the list outside this shard that the file lists, and the file's other entries.
    std::vector<const CDpctData*> others;
    {
        const std::unordered_set<const CDpctData*> inRun(reported.begin(), reported.end());
        for (std::size_t i = 0; i < doc.items.size(); ++i) {
            if (listedInResults[i] && !inRun.contains(&doc.items[i]))
                others.push_back(&doc.items[i]);
        }
    }
    for (const CDpctData& entry : entries)
        others.push_back(&entry);
    // What goes into the results file: this run's items in list order, then the entries kept,
    // written to the file as the text is made.
    const auto writeResults = [&](const std::string& version, const std::string& codebase, Message& error) {
        std::vector<const CDpctData*> all = reported;
        all.insert(all.end(), others.begin(), others.end());
        return writeFileAtomically(
            resultsFile,
            [&](const ByteSink& sink) {
                writeResultsJson(all, ResultsHeader{version, codebase, {}}, OutputInResults::Included,
                                 [&sink](std::string_view text) { sink(text); });
            },
            error);
    };
    // The results file is written once before the run (the items' last results, unchanged), so
    // that a file that cannot be written stops the run before it starts, not after it.
    if (!resultsFile.empty()) {
        Message error;
        if (!writeResults(lastHeader.dpctVersion, lastHeader.dpctCodebase, error)) {
            err("tovalo-cli run: cannot write the results '" + terminalSafe(resultsFile) +
                "': " + englishText(error) + "\n");
            return kExitUsage;
        }
    }
    const int consoles = consoleCountFor(jobs >= 0 ? jobs : jobsFromSettings());

    Host host;
    g_host = &host;
    installInterruptHandler(&onInterrupt, nullptr);
    CliObserver observer(quiet, json);
    int status = kExitOk;
    {
        // An interpreter that ends during the run is not started again by its engine: this
        // program ends with the run (in a run over several consoles the scheduler opens it again
        // for the items still to come).
        RunEngineConfig config{root, 3};
        config.restartAfterRun = false;
        RunScheduler scheduler([] { return createPlatformConsole(); }, observer, config,
                               [&host] { host.wake(); });
        scheduler.setConsoleLimit(consoles);
        // A run stopped with Ctrl-C before it started still gives --json its object, as a run
        // stopped later does: every item none, with why. (A start-up that fails is an error
        // of the setup, exit status 2, with nothing on stdout.)
        const auto notStarted = [&](const std::string& why) {
            if (json) {
                for (CDpctData* item : listed) {
                    item->status = ItemStatus::None;
                    item->exitCode = 0;
                    item->resultText.clear();
                }
                printJson(reported, scheduler.dpctVersion(), scheduler.dpctCodebase(), why);
            }
        };
        Message error;
        if (!scheduler.startUp(error)) {
            err("tovalo-cli run: cannot start the command interpreter: " + englishText(error) + "\n");
            g_host = nullptr;
            return kExitUsage;
        }

        // Start-up: first prompt, environment script, version query; bounded.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(startupSeconds);
        for (;;) {
            scheduler.processPending();
            if (scheduler.startUpDone() && scheduler.phase() == RunPhase::Idle)
                break;
            std::string why;
            if (host.interrupted)
                why = "interrupted";
            else if (scheduler.versionQueryUnanswered())
                why = "the dpct version query came back without a version line (is dpct on the path that "
                      "the environment script sets?)";
            else if (scheduler.consoleLost())
                why = "the command interpreter keeps ending";
            else if (!host.waitUntil(deadline) && std::chrono::steady_clock::now() >= deadline)
                why = std::string(stepName(scheduler.phase())) + " did not finish within " +
                      std::to_string(startupSeconds) + " s";
            if (!why.empty()) {
                err("\ntovalo-cli run: the start-up did not finish: " + why + "\n");
                scheduler.closeConsoles();
                if (host.interrupted)
                    notStarted("the start-up did not finish: " + why);
                g_host = nullptr;
                return host.interrupted ? kExitFindings : kExitUsage;
            }
        }

        std::vector<CDpctData*> items;
        for (CDpctData* item : listed) {
            if (!haveOnly || std::find(only.begin(), only.end(), item->status) != only.end())
                items.push_back(item);
        }
        // dpct refuses (-37) a migration into an out-root that an earlier one with other options
        // used: said before the run, which goes on anyway (the user may mean it). The whole list
        // is looked at, since an item not run now (--only, --shard) may have migrated there
        // before; what is said is about the items that run.
        {
            std::vector<const CDpctData*> run;
            for (const CDpctData& item : doc.items)
                run.push_back(&item);
            for (const OutRootConflict& c : findOutRootConflicts(run, base)) {
                if (std::find(items.begin(), items.end(), run[c.item]) == items.end())
                    continue;
                std::string names;
                for (const std::string& n : c.options)
                    names += (names.empty() ? "" : ", ") + n;
                err("tovalo-cli run: warning: '" + terminalSafe(run[c.item]->path) +
                    "' writes into the out-root '" + terminalSafe(c.outRoot) + "' as '" +
                    terminalSafe(run[c.reference]->path) + "' does, with other values of " + names +
                    "; dpct may refuse it with exit code -37\n");
            }
        }
        if (!items.empty() && scheduler.start(items, base)) {
            bool stopping = false;
            const auto stopDeadline = std::chrono::seconds(10);
            std::chrono::steady_clock::time_point stopUntil{};
            for (;;) {
                scheduler.processPending();
                if (host.interrupted && !stopping) {
                    // Ctrl-C: the run's stop, which interrupts every running dpct so that their
                    // prompts come back soon.
                    stopping = true;
                    scheduler.stop();
                    stopUntil = std::chrono::steady_clock::now() + stopDeadline;
                    continue;
                }
                if (stopping) {
                    if (scheduler.phase() == RunPhase::Idle && !scheduler.stoppedCommandRunning())
                        break;
                    if (!host.waitUntil(stopUntil) && std::chrono::steady_clock::now() >= stopUntil)
                        break;
                    continue;
                }
                if (observer.runEnded && !isRunPhase(scheduler.phase()))
                    break;
                host.wait();
            }
            if (stopping) {
                err("\ntovalo-cli run: stopped\n");
                status = kExitFindings;
            }
        }
        scheduler.closeConsoles();
        for (const CDpctData* item : reported)
            if (item->status != ItemStatus::ConvertedOk)
                status = kExitFindings;
        if (!resultsFile.empty()) {
            Message error;
            if (!writeResults(scheduler.dpctVersion(), scheduler.dpctCodebase(), error)) {
                err("tovalo-cli run: cannot write the results '" + terminalSafe(resultsFile) +
                    "': " + englishText(error) + "\n");
                status = kExitUsage;
            }
        }

        if (json) {
            printJson(reported, scheduler.dpctVersion(), scheduler.dpctCodebase(), {});
        } else {
            // Control characters in a path are shown escaped: the table goes to a terminal.
            std::vector<std::string> paths;
            std::size_t width = 4;
            for (const CDpctData* item : reported) {
                paths.push_back(terminalSafe(item->path));
                width = std::max(width, paths.back().size());
            }
            auto pad = [](std::string s, std::size_t w) {
                s.resize(std::max(s.size(), w), ' ');
                return s;
            };
            std::string text = "\n" + pad("path", width) + "  " + pad("status", 12) + "  " +
                               pad("exit code", 9) + "  diagnostics\n";
            for (std::size_t i = 0; i < reported.size(); ++i) {
                const CDpctData* item = reported[i];
                text += pad(paths[i], width) + "  " + pad(std::string(itemStatusName(item->status)), 12) +
                        "  " + pad(std::to_string(item->exitCode), 9) + "  " +
                        std::to_string(item->diagnosticCount()) +
                        (item->diagnostics.empty()
                             ? ""
                             : " (" + describeCounts(countByCode(item->diagnostics)) +
                                   (item->diagnosticsDropped > 0
                                        ? "; " + std::to_string(item->diagnosticsDropped) + " more not kept"
                                        : "") +
                                   ")") +
                        "\n";
            }
            out(text);
        }
    }
    g_host = nullptr;
    return status;
}

} // namespace tovalo::cli
