// tovalo-cli merge-results: joins the results files of the shards of a run (run --shard I/N
// --json or --results) into one.

#include "base/file_io.h"
#include "base/json.h"
#include "base/path_text.h"
#include "cli.h"
#include "data/definition_file.h"
#include "data/run_results.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>

namespace tovalo::cli {

namespace {

constexpr std::string_view kHelp =
    "Usage: tovalo-cli merge-results [-o OUT.json] [--list FILE] RESULTS.json...\n\n"
    "Joins the results of the shards of a run ('tovalo-cli run --shard I/N --json', or its\n"
    "--results file) into one results file of the same form, each item once.\n\n"
    "  -o, --output OUT.json  write the joined results there (atomically); default: stdout\n"
    "  --list FILE            put the items in the order of the definition file FILE (items it\n"
    "                         does not hold follow, in the order they were read); default: the\n"
    "                         order of the files given, each file's items in its own order\n\n"
    "An item named by several files must have the same result in each (status, exit code and\n"
    "diagnostics; the first file's elapsed time and output are kept); otherwise nothing is\n"
    "written. The dpct version and codebase are the first ones given; files that name others\n"
    "are reported.\n\n"
    "Exit status: 0 written; 1 an item with different results; 2 usage errors, or a file that\n"
    "cannot be read or holds no results.\n";

struct Source
{
    std::string file;
    CDpctData item;
};

// The result of an item: what dpct decided, not how long it took or the text around it (a shard
// run twice gives the same results).
bool sameResult(const CDpctData& a, const CDpctData& b)
{
    return a.status == b.status && a.exitCode == b.exitCode && a.diagnostics == b.diagnostics;
}

// JSON text of a value read by parseJson (numbers that are whole stay whole).
std::string jsonText(const JsonValue& v)
{
    switch (v.type) {
    case JsonValue::Type::Null:
        return "null";
    case JsonValue::Type::Boolean:
        return v.boolean ? "true" : "false";
    case JsonValue::Type::Number: {
        char buf[40];
        if (v.number == static_cast<double>(static_cast<long long>(v.number)))
            std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(v.number));
        else
            std::snprintf(buf, sizeof buf, "%.17g", v.number);
        return buf;
    }
    case JsonValue::Type::String:
        return jsonString(v.string);
    case JsonValue::Type::Array: {
        std::string t = "[";
        for (const JsonValue& e : v.array)
            t += (t.size() > 1 ? "," : "") + jsonText(e);
        return t + "]";
    }
    case JsonValue::Type::Object: {
        std::string t = "{";
        for (const auto& [name, e] : v.object)
            t += (t.size() > 1 ? "," : "") + jsonString(name) + ":" + jsonText(e);
        return t + "}";
    }
    }
    return "null";
}

// The items of one results file, each entry with its own result, in the file's order. False
// with `error` when the text is not results.
bool readResults(const std::string& text, std::vector<CDpctData>& items, ResultsHeader& header,
                 std::string& error)
{
    JsonValue root;
    if (!parseJson(text, root, error))
        return false;
    const JsonValue* list = root.find("items");
    if (!list || list->type != JsonValue::Type::Array) {
        error = "no \"items\" list";
        return false;
    }
    items.clear();
    for (std::size_t n = 0; n < list->array.size(); ++n) {
        const JsonValue* path = list->array[n].find("path");
        std::vector<CDpctData> one(1);
        if (path && path->type == JsonValue::Type::String)
            one.front().path = path->string;
        // One entry at a time: a path the file names twice keeps each of its results apart.
        if (!applyResultsJson("{\"items\": [" + jsonText(list->array[n]) + "]}", one, error)) {
            error = "item " + std::to_string(n + 1) + ": " + error.substr(error.find(':') + 2);
            return false;
        }
        items.push_back(std::move(one.front()));
    }
    const auto textOf = [&](const char* name) {
        const JsonValue* v = root.find(name);
        return v && v->type == JsonValue::Type::String ? v->string : std::string();
    };
    header.dpctVersion = textOf("dpctVersion");
    header.dpctCodebase = textOf("dpctCodebase");
    header.error = textOf("error");
    return true;
}

} // namespace

int cmdMergeResults(const Args& args)
{
    if (wantsHelp(args)) {
        out(kHelp);
        return kExitOk;
    }
    std::string output, listFile;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::string* target = nullptr;
        std::string value;
        if (a == "-o" || a == "--output")
            target = &output;
        else if (a == "--list")
            target = &listFile;
        else if (a.starts_with("--output="))
            output = a.substr(9);
        else if (a.starts_with("--list="))
            listFile = a.substr(7);
        else if (a.size() > 1 && a.front() == '-')
            return usageError("merge-results", "unknown option '" + a + "'");
        else
            files.push_back(a);
        if (target) {
            if (i + 1 >= args.size() || args[i + 1].empty())
                return usageError("merge-results", a + " needs a file");
            *target = args[++i];
        }
    }
    if (files.empty())
        return usageError("merge-results", "no results files given");

    std::vector<Source> merged;
    std::unordered_multimap<std::string, std::size_t> byKey;
    ResultsHeader header;
    std::string errors;
    for (const std::string& file : files) {
        std::string text, error;
        std::vector<CDpctData> items;
        ResultsHeader h;
        Message why;
        if (!readWholeFile(file, text, why))
            error = englishText(why);
        if (!error.empty() || !readResults(text, items, h, error)) {
            err("tovalo-cli merge-results: '" + file + "' is not a results file: " + error + "\n");
            return kExitUsage;
        }
        if (header.dpctVersion.empty()) {
            header.dpctVersion = h.dpctVersion;
            header.dpctCodebase = h.dpctCodebase;
        } else if (!h.dpctVersion.empty() &&
                   (h.dpctVersion != header.dpctVersion || h.dpctCodebase != header.dpctCodebase)) {
            err("tovalo-cli merge-results: warning: '" + file + "' comes from dpct " + h.dpctVersion +
                " (codebase " + h.dpctCodebase + "), not " + header.dpctVersion + " (codebase " +
                header.dpctCodebase + ")\n");
        }
        if (!h.error.empty())
            errors += (errors.empty() ? "" : "; ") + file + ": " + h.error;
        for (CDpctData& item : items) {
            const std::string key = pathKey(item.path);
            bool known = false;
            const auto [first, last] = byKey.equal_range(key);
            for (auto it = first; it != last && !known; ++it) {
                const Source& earlier = merged[it->second];
                if (!samePathText(earlier.item.path, item.path))
                    continue;
                known = true;
                if (!sameResult(earlier.item, item)) {
                    err("tovalo-cli merge-results: '" + item.path + "' has different results in '" +
                        earlier.file + "' (" + std::string(itemStatusName(earlier.item.status)) + ") and '" +
                        file + "' (" + std::string(itemStatusName(item.status)) + "); nothing written\n");
                    return kExitFindings;
                }
            }
            if (!known) {
                byKey.emplace(key, merged.size());
                merged.push_back({file, std::move(item)});
            }
        }
    }
    header.error = errors;

    std::vector<const CDpctData*> list;
    for (const Source& s : merged)
        list.push_back(&s.item);
    if (!listFile.empty()) {
        const ReadResult doc = readDefinitionFile(listFile);
        if (!doc.ok) {
            err("tovalo-cli merge-results: cannot read '" + listFile + "': " + englishText(doc.error) + "\n");
            return kExitUsage;
        }
        std::unordered_multimap<std::string, std::size_t> position;
        for (std::size_t i = 0; i < doc.items.size(); ++i)
            position.emplace(pathKey(doc.items[i].path), i);
        const auto rank = [&](const CDpctData* item) {
            const auto [first, last] = position.equal_range(pathKey(item->path));
            for (auto it = first; it != last; ++it)
                if (samePathText(doc.items[it->second].path, item->path))
                    return it->second;
            return doc.items.size();
        };
        std::stable_sort(list.begin(), list.end(),
                         [&](const CDpctData* a, const CDpctData* b) { return rank(a) < rank(b); });
    }

    const std::string json = resultsJson(list, header, OutputInResults::Included);
    if (output.empty()) {
        out(json);
        return kExitOk;
    }
    if (Message why; !writeFileAtomically(output, json, why)) {
        err("tovalo-cli merge-results: cannot write '" + output + "': " + englishText(why) + "\n");
        return kExitUsage;
    }
    return kExitOk;
}

} // namespace tovalo::cli
