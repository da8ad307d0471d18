#include "diagnostic.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <unordered_map>

namespace tovalo {

namespace {

// The texts alive, by their contents. An entry goes when the last SharedText of its text does
// (the text's deleter takes it out), so the table holds only what is in use.
struct TextTable
{
    std::mutex mutex;
    std::unordered_map<std::string_view, std::weak_ptr<const std::string>> texts;
};

TextTable& textTable()
{
    // Never destroyed: texts held by other static objects may go after it would.
    static TextTable* table = new TextTable;
    return *table;
}

struct ForgetText
{
    void operator()(const std::string* text) const
    {
        TextTable& table = textTable();
        {
            const std::lock_guard lock(table.mutex);
            // The entry may already name a newer copy of the same text (made while this one was
            // on its way out): only this text's own entry goes.
            const auto it = table.texts.find(*text);
            if (it != table.texts.end() && it->first.data() == text->data())
                table.texts.erase(it);
        }
        delete text;
    }
};

} // namespace

SharedText::SharedText(std::string_view text)
{
    if (text.empty())
        return;
    TextTable& table = textTable();
    const std::lock_guard lock(table.mutex);
    const auto it = table.texts.find(text);
    if (it != table.texts.end()) {
        if ((text_ = it->second.lock()))
            return;
        table.texts.erase(it);
    }
    text_ = std::shared_ptr<const std::string>(new std::string(text), ForgetText{});
    table.texts.emplace(*text_, text_);
}

const std::string& SharedText::emptyText()
{
    static const std::string empty;
    return empty;
}

const std::string& countKey(const DpctDiagnostic& d)
{
    return d.code.empty() ? d.severity : d.code;
}

std::vector<DiagnosticCount> countByCode(const std::vector<DpctDiagnostic>& diagnostics)
{
    std::map<std::string, DiagnosticCount> byKey;
    for (std::size_t i = 0; i < diagnostics.size(); ++i) {
        const std::string& key = countKey(diagnostics[i]);
        auto [it, fresh] = byKey.try_emplace(key, DiagnosticCount{key, 0, i});
        ++it->second.count;
    }
    std::vector<DiagnosticCount> result;
    result.reserve(byKey.size());
    for (auto& [key, count] : byKey)
        result.push_back(std::move(count));
    return result;
}

std::string describeCounts(const std::vector<DiagnosticCount>& counts)
{
    std::string text;
    for (const DiagnosticCount& c : counts) {
        if (!text.empty())
            text += ", ";
        text += c.key + " \xC3\x97" + std::to_string(c.count); // U+00D7 MULTIPLICATION SIGN
    }
    return text;
}

} // namespace tovalo
