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

std::string resultsJson(const std::vector<const CDpctData*>& items, const ResultsHeader& header,
                        bool withOutput, bool oneLine)
{
    const JsonWriter::Layout layout = oneLine ? JsonWriter::Layout::Inline : JsonWriter::Layout::Lines;
    JsonWriter j;
    // The text is written once into room made for it: an output of a hundred megabytes is not
    // copied again and again as the text grows.
    std::size_t estimate = 4096;
    for (const CDpctData* item : items) {
        if (item)
            estimate += 256 + item->path.size() * 2 + item->diagnostics.size() * 200 +
                        (withOutput ? item->resultText.size() + item->resultText.size() / 8 : 0);
    }
    j.reserve(estimate);
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
        if (withOutput)
            j.key("output").string(item->resultText);
        j.endObject();
    }
    j.endArray().endObject();
    std::string text = j.takeText();
    text += '\n';
    return text;
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

// The entries of a results file as items; `hasOutput[i]` tells whether entry i lists "output".
bool readEntries(std::string_view json, ResultsHeader& header, std::vector<CDpctData>& entries,
                 std::vector<bool>& hasOutput, std::string& error)
{
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
    JsonValue root;
    if (!parseJson(json, root, error))
        return false;
    JsonValue* list = root.find("items");
    if (!list || list->type != JsonValue::Type::Array) {
        error = "no \"items\" list";
        return false;
    }
    header = {};
    if (const std::string* s = readString(root.find("dpctVersion")))
        header.dpctVersion = *s;
    if (const std::string* s = readString(root.find("dpctCodebase")))
        header.dpctCodebase = *s;
    if (const std::string* s = readString(root.find("error")))
        header.error = *s;
    entries.clear();
    entries.reserve(list->array.size());
    hasOutput.assign(list->array.size(), false);
    for (std::size_t n = 0; n < list->array.size(); ++n) {
        JsonValue& r = list->array[n];
        const std::string where = "item " + std::to_string(n + 1);
        const std::string* path = readString(r.find("path"));
        const std::string* statusName = readString(r.find("status"));
        CDpctData& item = entries.emplace_back();
        if (!path || !statusName || !itemStatusFromName(*statusName, item.status)) {
            error = where + ": needs \"path\" and a known \"status\"";
            return false;
        }
        item.path = *path;
        std::int64_t exitCode = 0, elapsed = -1;
        if (r.find("exitCode") && !readInt(r.find("exitCode"), exitCode)) {
            error = where + ": \"exitCode\" is not a whole number";
            return false;
        }
        if (r.find("elapsedMs") && !readInt(r.find("elapsedMs"), elapsed)) {
            error = where + ": \"elapsedMs\" is not a whole number";
            return false;
        }
        item.exitCode = static_cast<std::int32_t>(std::clamp<std::int64_t>(
            exitCode, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
        item.elapsedMs = elapsed;
        if (const JsonValue* ds = r.find("diagnostics"); ds && ds->type == JsonValue::Type::Array) {
            item.diagnostics.reserve(ds->array.size());
            for (std::size_t k = 0; k < ds->array.size(); ++k) {
                const JsonValue& dv = ds->array[k];
                const std::string at = where + ", diagnostic " + std::to_string(k + 1) + ": ";
                DpctDiagnostic d;
                std::int64_t line = 0, column = 0;
                const std::string* file = readString(dv.find("file"));
                if (!file) {
                    error = at + "\"file\" needs the file's name as a string";
                    return false;
                }
                constexpr std::int64_t kMost = std::numeric_limits<std::int32_t>::max();
                for (const auto& [name, value] : {std::pair{"line", &line}, std::pair{"column", &column}}) {
                    if (!readInt(dv.find(name), *value) || *value < 0 || *value > kMost) {
                        error =
                            at + "\"" + name + "\" needs a whole number from 0 to " + std::to_string(kMost);
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
                item.diagnostics.push_back(std::move(d));
            }
        }
        if (r.find("diagnosticsDropped")) {
            std::int64_t dropped = 0;
            if (!readInt(r.find("diagnosticsDropped"), dropped) || dropped < 0) {
                error = where + ": \"diagnosticsDropped\" needs a whole number from 0";
                return false;
            }
            item.diagnosticsDropped = dropped;
        }
        if (JsonValue* out = r.find("output"); out && out->type == JsonValue::Type::String) {
            item.resultText = std::move(out->string); // the tree goes with this call
            hasOutput[n] = true;
        }
    }
    return true;
}

} // namespace

bool readResultsJson(std::string_view json, ResultsHeader& header, std::vector<CDpctData>& items,
                     std::string& error)
{
    std::vector<bool> hasOutput;
    return readEntries(json, header, items, hasOutput, error);
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
    std::vector<CDpctData> entries;
    std::vector<bool> hasOutput;
    unmatched.clear();
    listed.assign(items.size(), false);
    if (!readEntries(json, header, entries, hasOutput, error))
        return false;
    std::unordered_multimap<std::string, std::size_t> byKey;
    byKey.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        byKey.emplace(pathKey(items[i].path), i);
    for (std::size_t n = 0; n < entries.size(); ++n) {
        CDpctData& entry = entries[n];
        const auto [first, last] = byKey.equal_range(pathKey(entry.path));
        bool matched = false;
        for (auto it = first; it != last; ++it) {
            CDpctData& item = items[it->second];
            if (!samePathText(item.path, entry.path))
                continue;
            matched = true;
            listed[it->second] = true;
            item.status = entry.status;
            item.exitCode = entry.exitCode;
            item.elapsedMs = entry.elapsedMs;
            item.diagnostics = entry.diagnostics;
            item.diagnosticsDropped = entry.diagnosticsDropped;
            if (hasOutput[n])
                item.resultText = entry.resultText;
        }
        if (!matched)
            unmatched.push_back(std::move(entry));
    }
    return true;
}

} // namespace tovalo
