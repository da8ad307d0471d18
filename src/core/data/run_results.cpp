#include "run_results.h"

#include "base/json.h"
#include "base/path_text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <unordered_map>

namespace tovalo {

namespace {

constexpr ItemStatus kAllStatuses[] = {ItemStatus::None,        ItemStatus::Waiting,
                                       ItemStatus::Converting,  ItemStatus::ConvertedOk,
                                       ItemStatus::ConvertedNg, ItemStatus::SyntaxError};

// A text cell of the CSV. A spreadsheet program reads a cell that starts with "=", "+", "-", "@",
// a tab or a carriage return as a formula (a file name "=HYPERLINK(...)" would become a live
// link), so such a cell gets a leading "'" that makes it text, as OWASP recommends. Numbers the
// export writes itself (a negative exit code) are not text cells and stay as they are.
std::string csvField(std::string_view text)
{
    std::string cell;
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        cell = "'";
    cell += text;
    if (cell.find_first_of(",\"\r\n") == std::string::npos)
        return cell;
    std::string out = "\"";
    for (const char c : cell) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

bool readInt(const JsonValue* v, std::int64_t& out)
{
    if (!v || v->type != JsonValue::Type::Number || !std::isfinite(v->number) ||
        std::floor(v->number) != v->number || std::fabs(v->number) > 9.0e15)
        return false;
    out = static_cast<std::int64_t>(v->number);
    return true;
}

const std::string* readString(const JsonValue* v)
{
    return v && v->type == JsonValue::Type::String ? &v->string : nullptr;
}

} // namespace

namespace {

void writeResults(JsonWriter& j, const std::vector<const CDpctData*>& items, const ResultsHeader& header,
                  OutputInResults output, ResultsLayout resultsLayout)
{
    const JsonWriter::Layout layout =
        resultsLayout == ResultsLayout::OneLine ? JsonWriter::Layout::Inline : JsonWriter::Layout::Lines;
    j.beginObject(layout);
    j.key("dpctVersion").string(header.dpctVersion);
    j.key("dpctCodebase").string(header.dpctCodebase);
    if (!header.error.empty())
        j.key("error").string(header.error);
    j.key("items").beginArray(layout);
    for (const CDpctData* item : items) {
        if (!item)
            continue;
        j.beginObject();
        j.key("path").string(item->path);
        j.key("status").string(itemStatusName(item->status));
        j.key("exitCode").number(item->exitCode);
        j.key("elapsedMs").number(item->elapsedMs);
        j.key("diagnosticCounts").beginObject();
        for (const DiagnosticCount& c : countByCode(item->diagnostics))
            j.key(c.key).number(c.count);
        j.endObject();
        j.key("diagnostics").beginArray();
        for (const DpctDiagnostic& d : item->diagnostics) {
            j.beginObject();
            j.key("file").string(d.file);
            j.key("line").number(d.line);
            j.key("column").number(d.column);
            j.key("severity").string(d.severity);
            j.key("code").string(d.code);
            j.key("message").string(d.message);
            j.endObject();
        }
        j.endArray();
        if (item->diagnosticsDropped > 0)
            j.key("diagnosticsDropped").number(item->diagnosticsDropped);
        if (output == OutputInResults::Included)
            j.key("output").string(item->resultText);
        j.endObject();
    }
    j.endArray().endObject();
}

} // namespace

std::string resultsJson(const std::vector<const CDpctData*>& items, const ResultsHeader& header,
                        OutputInResults output, ResultsLayout layout)
{
    JsonWriter j;
    // The text is written once into room made for it: an output of a hundred megabytes is not
    // copied again and again as the text grows.
    std::size_t estimate = 4096;
    for (const CDpctData* item : items) {
        if (item)
            estimate +=
                256 + item->path.size() * 2 + item->diagnostics.size() * 200 +
                (output == OutputInResults::Included ? item->resultText.size() + item->resultText.size() / 8
                                                     : 0);
    }
    j.reserve(estimate);
    writeResults(j, items, header, output, layout);
    std::string text = j.takeText();
    text += '\n';
    return text;
}

void writeResultsJson(const std::vector<const CDpctData*>& items, const ResultsHeader& header,
                      OutputInResults output, const std::function<void(std::string_view text)>& sink)
{
    JsonWriter j(sink);
    writeResults(j, items, header, output, ResultsLayout::OneLine);
    j.flush();
    sink("\n");
}

std::string resultsCsv(const std::vector<const CDpctData*>& items)
{
    std::set<std::string> keys;
    std::vector<std::vector<DiagnosticCount>> counts;
    for (const CDpctData* item : items) {
        counts.push_back(item ? countByCode(item->diagnostics) : std::vector<DiagnosticCount>{});
        for (const DiagnosticCount& c : counts.back())
            keys.insert(c.key);
    }
    std::string text = "\xEF\xBB\xBFpath,status,exitCode,elapsedMs,diagnostics";
    for (const std::string& k : keys)
        text += "," + csvField(k);
    text += "\r\n";
    for (std::size_t i = 0; i < items.size(); ++i) {
        const CDpctData* item = items[i];
        if (!item)
            continue;
        text += csvField(item->path) + "," + std::string(itemStatusName(item->status)) + "," +
                std::to_string(item->exitCode) + "," + std::to_string(item->elapsedMs) + "," +
                std::to_string(item->diagnosticCount());
        std::map<std::string, int> byKey;
        for (const DiagnosticCount& c : counts[i])
            byKey[c.key] = c.count;
        for (const std::string& k : keys) {
            const auto it = byKey.find(k);
            text += "," + std::to_string(it == byKey.end() ? 0 : it->second);
        }
        text += "\r\n";
    }
    return text;
}

bool itemStatusFromName(std::string_view name, ItemStatus& status)
{
    for (const ItemStatus s : kAllStatuses) {
        if (itemStatusName(s) == name) {
            status = s;
            return true;
        }
    }
    return false;
}

bool parseStatusList(std::string_view list, std::vector<ItemStatus>& statuses, std::string& error)
{
    statuses.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        std::string_view name =
            list.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        while (!name.empty() && name.front() == ' ')
            name.remove_prefix(1);
        while (!name.empty() && name.back() == ' ')
            name.remove_suffix(1);
        ItemStatus s{};
        if (!itemStatusFromName(name, s)) {
            error = "unknown status '" + std::string(name) +
                    "' (use none, waiting, converting, ok, ng, syntax-error)";
            return false;
        }
        statuses.push_back(s);
        if (comma == std::string_view::npos)
            return true;
        start = comma + 1;
    }
}

namespace {

// One diagnostic of an entry, read as a small tree; false with `error` when it is not one.
bool readDiagnostic(const JsonValue& dv, const std::string& at, DpctDiagnostic& d, std::string& error)
{
    std::int64_t line = 0, column = 0;
    const std::string* file = readString(dv.find("file"));
    if (!file) {
        error = at + "\"file\" needs the file's name as a string";
        return false;
    }
    constexpr std::int64_t kMost = std::numeric_limits<std::int32_t>::max();
    for (const auto& [name, value] : {std::pair{"line", &line}, std::pair{"column", &column}}) {
        if (!readInt(dv.find(name), *value) || *value < 0 || *value > kMost) {
            error = at + "\"" + name + "\" needs a whole number from 0 to " + std::to_string(kMost);
            return false;
        }
    }
    d.file = *file;
    d.line = static_cast<std::int32_t>(line);
    d.column = static_cast<std::int32_t>(column);
    if (const std::string* s = readString(dv.find("severity")))
        d.severity = *s;
    if (const std::string* s = readString(dv.find("code")))
        d.code = *s;
    if (const std::string* s = readString(dv.find("message")))
        d.message = *s;
    return true;
}

// One entry of "items", read member by member: the output goes straight into the item (or is
// passed over), each diagnostic is a small tree only while it is read.
bool readEntry(JsonCursor& c, std::size_t n, CDpctData& item, bool& hasOutput, ResultsOutput output,
               std::string& error)
{
    const std::string where = "item " + std::to_string(n);
    const std::string needs = where + ": needs \"path\" and a known \"status\"";
    if (!c.beginObject()) {
        if (!c.failed())
            error = needs;
        return false;
    }
    JsonValue path, status, exitCode, elapsed, dropped;
    std::string name;
    while (c.nextMember(name)) {
        if (name == "output") {
            hasOutput = c.peek() == JsonValue::Type::String;
            if (!(hasOutput && output == ResultsOutput::Read ? c.string(item.resultText) : c.skip()))
                return false;
        } else if (name == "diagnostics" && c.peek() == JsonValue::Type::Array) {
            item.diagnostics.clear();
            c.beginArray();
            JsonValue dv;
            while (c.nextElement()) {
                if (!c.value(dv))
                    return false;
                const std::string at =
                    where + ", diagnostic " + std::to_string(item.diagnostics.size() + 1) + ": ";
                if (!readDiagnostic(dv, at, item.diagnostics.emplace_back(), error))
                    return false;
            }
            item.diagnostics.shrink_to_fit();
        } else {
            JsonValue* into = name == "path"                 ? &path
                              : name == "status"             ? &status
                              : name == "exitCode"           ? &exitCode
                              : name == "elapsedMs"          ? &elapsed
                              : name == "diagnosticsDropped" ? &dropped
                                                             : nullptr;
            if (!(into ? c.value(*into) : c.skip()))
                return false;
        }
    }
    if (c.failed())
        return false;
    const std::string* pathText = readString(&path);
    const std::string* statusName = readString(&status);
    if (!pathText || !statusName || !itemStatusFromName(*statusName, item.status)) {
        error = needs;
        return false;
    }
    item.path = *pathText;
    std::int64_t code = 0, ms = -1;
    const auto present = [](const JsonValue& v) {
        return v.type != JsonValue::Type::Null;
    };
    if (present(exitCode) && !readInt(&exitCode, code)) {
        error = where + ": \"exitCode\" is not a whole number";
        return false;
    }
    if (present(elapsed) && !readInt(&elapsed, ms)) {
        error = where + ": \"elapsedMs\" is not a whole number";
        return false;
    }
    item.exitCode = static_cast<std::int32_t>(std::clamp<std::int64_t>(
        code, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
    item.elapsedMs = ms;
    if (present(dropped)) {
        std::int64_t count = 0;
        if (!readInt(&dropped, count) || count < 0) {
            error = where + ": \"diagnosticsDropped\" needs a whole number from 0";
            return false;
        }
        item.diagnosticsDropped = count;
    }
    return true;
}

// The entries of a results file as items; `hasOutput[i]` tells whether entry i lists "output".
// The text is read once, in order, without a tree of the whole file: what is kept is the items.
bool readEntries(std::string_view json, ResultsHeader& header, std::vector<CDpctData>& entries,
                 std::vector<bool>& hasOutput, ResultsOutput output, std::string& error,
                 const std::function<void(std::size_t)>& progress = {})
{
    const std::string_view file = json;
    // A byte-order mark, as editors on Windows save UTF-8, is not part of the text.
    if (json.starts_with("\xEF\xBB\xBF"))
        json.remove_prefix(3);
    const std::size_t first = json.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos || json[first] != '{') {
        error =
            first == std::string_view::npos
                ? "not a results file: it is empty, and a results file is a JSON object {\"items\": [...]}"
                : "not a results file: a JSON object {\"items\": [...]} was expected at its start";
        return false;
    }
    header = {};
    entries.clear();
    hasOutput.clear();
    bool listed = false;
    error.clear();
    JsonCursor c(json);
    if (progress)
        c.onProgress([&progress, bom = file.size() - json.size()](std::size_t at) { progress(bom + at); });
    c.beginObject();
    std::string name;
    while (c.nextMember(name)) {
        std::string* text = name == "dpctVersion"    ? &header.dpctVersion
                            : name == "dpctCodebase" ? &header.dpctCodebase
                            : name == "error"        ? &header.error
                                                     : nullptr;
        if (text) {
            text->clear();
            if (!(c.peek() == JsonValue::Type::String ? c.string(*text) : c.skip()))
                break;
        } else if (name == "items") {
            listed = c.peek() == JsonValue::Type::Array;
            entries.clear();
            hasOutput.clear();
            if (!listed) {
                if (!c.skip())
                    break;
                continue;
            }
            c.beginArray();
            while (c.nextElement()) {
                const std::size_t n = entries.size() + 1;
                bool has = false;
                const bool read = readEntry(c, n, entries.emplace_back(), has, output, error);
                hasOutput.push_back(has);
                if (!read) {
                    if (c.failed())
                        break;
                    return false;
                }
            }
        } else if (!c.skip()) {
            break;
        }
    }
    if (c.failed() || !c.atEnd()) {
        error = c.error();
        return false;
    }
    if (!listed) {
        error = "no \"items\" list";
        return false;
    }
    return true;
}

} // namespace

namespace {
bool applyEntries(std::string_view json, std::vector<CDpctData>& items, ResultsHeader& header,
                  std::vector<CDpctData>& unmatched, std::vector<bool>& listed, std::string& error,
                  const std::function<void(std::size_t)>& progress);
} // namespace

bool readResultsJson(std::string_view json, ResultsHeader& header, std::vector<CDpctData>& items,
                     std::string& error, ResultsOutput output)
{
    std::vector<bool> hasOutput;
    return readEntries(json, header, items, hasOutput, output, error);
}

namespace {

bool changedWhileRead(const FileView& file, std::string& error)
{
    if (!file.changedWhileRead())
        return false;
    error = "the file was cut short by another program while it was read";
    return true;
}

} // namespace

bool readResultsJson(FileView& file, ResultsHeader& header, std::vector<CDpctData>& items, std::string& error,
                     ResultsOutput output)
{
    std::vector<bool> hasOutput;
    const bool read = readEntries(file.bytes(), header, items, hasOutput, output, error,
                                  [&file](std::size_t at) { file.release(at); });
    // A file cut short reads as zero bytes past its new end: say why rather than where it broke.
    return !changedWhileRead(file, error) && read;
}

bool applyResultsJson(std::string_view json, std::vector<CDpctData>& items, std::string& error)
{
    ResultsHeader header;
    std::vector<CDpctData> unmatched;
    std::vector<bool> listed;
    return applyResultsJson(json, items, header, unmatched, listed, error);
}

bool applyResultsJson(std::string_view json, std::vector<CDpctData>& items, ResultsHeader& header,
                      std::vector<CDpctData>& unmatched, std::vector<bool>& listed, std::string& error)
{
    return applyEntries(json, items, header, unmatched, listed, error, {});
}

bool applyResultsJson(FileView& file, std::vector<CDpctData>& items, ResultsHeader& header,
                      std::vector<CDpctData>& unmatched, std::vector<bool>& listed, std::string& error)
{
    const bool read = applyEntries(file.bytes(), items, header, unmatched, listed, error,
                                   [&file](std::size_t at) { file.release(at); });
    // A file cut short reads as zero bytes past its new end: say why rather than where it broke.
    return !changedWhileRead(file, error) && read;
}

namespace {

bool applyEntries(std::string_view json, std::vector<CDpctData>& items, ResultsHeader& header,
                  std::vector<CDpctData>& unmatched, std::vector<bool>& listed, std::string& error,
                  const std::function<void(std::size_t)>& progress)
{
    std::vector<CDpctData> entries;
    std::vector<bool> hasOutput;
    unmatched.clear();
    listed.assign(items.size(), false);
    if (!readEntries(json, header, entries, hasOutput, ResultsOutput::Read, error, progress))
        return false;
    std::unordered_multimap<std::string, std::size_t> byKey;
    byKey.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        byKey.emplace(pathKey(items[i].path), i);
    for (std::size_t n = 0; n < entries.size(); ++n) {
        CDpctData& entry = entries[n];
        const auto [first, last] = byKey.equal_range(pathKey(entry.path));
        std::vector<std::size_t> matches;
        for (auto it = first; it != last; ++it) {
            if (samePathText(items[it->second].path, entry.path))
                matches.push_back(it->second);
        }
        if (matches.empty()) {
            unmatched.push_back(std::move(entry));
            continue;
        }
        // The entry's diagnostics and output are copied only for a path listed twice; the last
        // item with the path takes them over.
        for (std::size_t k = 0; k < matches.size(); ++k) {
            CDpctData& item = items[matches[k]];
            const bool last = k + 1 == matches.size();
            listed[matches[k]] = true;
            item.status = entry.status;
            item.exitCode = entry.exitCode;
            item.elapsedMs = entry.elapsedMs;
            item.diagnostics = last ? std::move(entry.diagnostics) : entry.diagnostics;
            item.diagnosticsDropped = entry.diagnosticsDropped;
            if (hasOutput[n])
                item.resultText = last ? std::move(entry.resultText) : entry.resultText;
        }
    }
    return true;
}

} // namespace

} // namespace tovalo
