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
    // Every record starts from these: a list of hundreds of thousands of items makes as many.
    static const auto defaultChoices = [] {
        std::array<std::int32_t, kChoiceFieldCount> choices{};
        for (const OptionInfo& o : optionTable()) {
            if (o.kind == OptionKind::Choice)
                choices[static_cast<std::size_t>(o.field)] = o.defaultIndex;
        }
        return choices;
    }();
    choices_ = defaultChoices;
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
    const std::string* value = texts_.find(o.field);
    return value ? *value : empty;
}

void CDpctData::setText(int slot, std::string value)
{
    const OptionInfo& o = optionAt(slot);
    assert(o.kind == OptionKind::Text);
    texts_.set(o.field, std::move(value));
}

void CDpctData::takeTextsOf(const CDpctData& other)
{
    texts_ = other.texts_;
}

const std::string* CDpctData::Texts::find(std::int32_t field) const
{
    if (!values_)
        return nullptr;
    for (const TextValue& t : *values_) {
        if (t.field == field)
            return &t.value;
    }
    return nullptr;
}

void CDpctData::Texts::set(std::int32_t field, std::string value)
{
    const std::string* now = find(field);
    if (now ? *now == value : value.empty())
        return;
    // A set that other records share is copied before it changes.
    if (!values_)
        values_ = std::make_shared<std::vector<TextValue>>();
    else if (values_.use_count() > 1)
        values_ = std::make_shared<std::vector<TextValue>>(*values_);
    std::vector<TextValue>& values = *values_;
    auto it =
        std::find_if(values.begin(), values.end(), [&](const TextValue& t) { return t.field >= field; });
    if (it != values.end() && it->field == field) {
        if (value.empty())
            values.erase(it);
        else
            it->value = std::move(value);
    } else {
        // Small steps: an item holds at most kTextFieldCount texts, and a long list of items that
        // share none keeps every spare place.
        if (values.size() == values.capacity()) {
            const auto at = it - values.begin();
            values.reserve(values.size() + 4);
            it = values.begin() + at;
        }
        values.insert(it, TextValue{field, std::move(value)});
    }
    if (values.empty())
        values_.reset();
}

bool CDpctData::Texts::operator==(const Texts& other) const
{
    if (values_ == other.values_)
        return true;
    if (!values_ || !other.values_)
        return false;
    return *values_ == *other.values_;
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
