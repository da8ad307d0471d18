#include "dpct_data.h"

#include "base/path_text.h"
#include "base/text.h"

#include <algorithm>
#include <cassert>

namespace tovalo {

std::string_view itemStatusName(ItemStatus status)
{
    switch (status) {
    case ItemStatus::None:
        return "none";
    case ItemStatus::Waiting:
        return "waiting";
    case ItemStatus::Converting:
        return "converting";
    case ItemStatus::ConvertedOk:
        return "ok";
    case ItemStatus::ConvertedNg:
        return "ng";
    case ItemStatus::SyntaxError:
        return "syntax-error";
    }
    return "none";
}

CDpctData::CDpctData()
{
    reset();
}

void CDpctData::reset()
{
    kind = ItemKind::File;
    path.clear();
    includeSubdirs = true;
    enabled.reset();
    status = ItemStatus::None;
    exitCode = 0;
    resultText.clear();
    changed.reset();
    diagnostics.clear();
    diagnosticsDropped = 0;
    elapsedMs = -1;
    for (const OptionInfo& o : optionTable()) {
        if (o.kind == OptionKind::Choice)
            choices_[static_cast<std::size_t>(o.field)] = o.defaultIndex;
    }
    texts_.clear();
}

std::int32_t CDpctData::choiceIndex(int slot) const
{
    const OptionInfo& o = optionAt(slot);
    assert(o.kind == OptionKind::Choice);
    return choices_[static_cast<std::size_t>(o.field)];
}

void CDpctData::setChoiceIndex(int slot, std::int32_t index)
{
    const OptionInfo& o = optionAt(slot);
    assert(o.kind == OptionKind::Choice);
    choices_[static_cast<std::size_t>(o.field)] = index;
}

std::string_view CDpctData::choiceEntry(int slot) const
{
    return valueListEntry(optionAt(slot).valueList, choiceIndex(slot));
}

const std::string& CDpctData::text(int slot) const
{
    const OptionInfo& o = optionAt(slot);
    assert(o.kind == OptionKind::Text);
    static const std::string empty;
    for (const TextValue& t : texts_) {
        if (t.field == o.field)
            return t.value;
    }
    return empty;
}

void CDpctData::setText(int slot, std::string value)
{
    const OptionInfo& o = optionAt(slot);
    assert(o.kind == OptionKind::Text);
    auto it =
        std::find_if(texts_.begin(), texts_.end(), [&](const TextValue& t) { return t.field >= o.field; });
    if (it != texts_.end() && it->field == o.field) {
        if (value.empty())
            texts_.erase(it);
        else
            it->value = std::move(value);
    } else if (!value.empty()) {
        texts_.insert(it, TextValue{o.field, std::move(value)});
    }
}

void CDpctData::takeOptionsForNextAdd(const CDpctData& added)
{
    copyOptionsOf(added);
    kind = ItemKind::File;
    path.clear();
    includeSubdirs = false;
}

void CDpctData::copyOptionsOf(const CDpctData& from)
{
    kind = from.kind;
    path = from.path;
    includeSubdirs = from.includeSubdirs;
    enabled = from.enabled;
    changed = from.changed;
    choices_ = from.choices_;
    texts_ = from.texts_;
    status = ItemStatus::None;
    exitCode = 0;
    resultText.clear();
    diagnostics.clear();
    diagnosticsDropped = 0;
    elapsedMs = -1;
}

std::string describe(const CDpctData& item)
{
    std::string s = "{path=\"" + item.path + "\" kind=" + (item.kind == ItemKind::File ? "0" : "1") +
                    " subdirs=" + (item.includeSubdirs ? "1" : "0") +
                    " status=" + std::to_string(static_cast<int>(item.status)) +
                    " exit=" + std::to_string(item.exitCode) +
                    " result=" + std::to_string(item.resultText.size()) + "B" +
                    " diagnostics=" + std::to_string(item.diagnostics.size()) + " on=[";
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!item.isOn(slot) && !item.isChanged(slot))
            continue;
        s += slot < kFirstOptionSlot ? std::to_string(slot) : std::string(optionAt(slot).name);
        if (!item.isOn(slot))
            s += "(off)";
        if (item.isChanged(slot))
            s += "*";
        s += ' ';
    }
    s += "] values=[";
    for (const OptionInfo& o : optionTable()) {
        if (o.kind == OptionKind::Choice && o.defaultIndex != item.choiceIndex(o.slot))
            s += std::string(o.name) + "#" + std::to_string(item.choiceIndex(o.slot)) + " ";
        else if (o.kind == OptionKind::Text && !item.text(o.slot).empty())
            s += std::string(o.name) + "=" + item.text(o.slot) + " ";
    }
    return s + "]}";
}

bool findByPath(const std::vector<CDpctData>& items, std::string_view path)
{
    return std::any_of(items.begin(), items.end(),
                       [&](const CDpctData& item) { return samePathText(item.path, path); });
}

} // namespace tovalo
