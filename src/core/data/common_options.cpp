#include "common_options.h"

#include "definition_document.h"

#include <algorithm>
#include <array>
#include <string>

namespace tovalo {

namespace {

bool sameValue(const CDpctData& a, const CDpctData& b, const OptionInfo& o)
{
    if (o.kind == OptionKind::Choice)
        return a.choiceIndex(o.slot) == b.choiceIndex(o.slot);
    if (o.kind == OptionKind::Text)
        return a.text(o.slot) == b.text(o.slot);
    return true;
}

} // namespace

CommonOptions commonOptions(const std::vector<const CDpctData*>& items)
{
    CommonOptions common;
    common.shown = *items.front();
    for (const CDpctData* item : items) {
        for (const OptionInfo& o : optionTable()) {
            const auto s = static_cast<std::size_t>(o.slot);
            if (item->isOn(o.slot) != common.shown.isOn(o.slot))
                common.mixedOn.set(s);
            if (!common.mixedValue[s] && !sameValue(*item, common.shown, o))
                common.mixedValue.set(s);
        }
    }
    return common;
}

bool applyTouchedOptions(CDpctData& item, const CDpctData& edited, const OptionTouches& touches)
{
    // Only the touched slots and the exclusive group can change; their state before, slot by
    // slot (a copy of the whole item would cost more than the edit on a large list).
    SlotFlags may = touches.on | touches.value;
    for (const int slot : kExclusiveGroup)
        may.set(static_cast<std::size_t>(slot));
    struct Before
    {
        bool on = false;
        std::int32_t choice = 0;
        std::string text;
    };
    std::array<Before, kSlotCount> before;
    for (const OptionInfo& o : optionTable()) {
        const auto s = static_cast<std::size_t>(o.slot);
        if (!may[s])
            continue;
        before[s].on = item.isOn(o.slot);
        if (o.kind == OptionKind::Choice)
            before[s].choice = item.choiceIndex(o.slot);
        else if (o.kind == OptionKind::Text)
            before[s].text = item.text(o.slot);
    }
    for (const OptionInfo& o : optionTable()) {
        const auto s = static_cast<std::size_t>(o.slot);
        if (touches.value[s]) {
            if (o.kind == OptionKind::Choice)
                item.setChoiceIndex(o.slot, edited.choiceIndex(o.slot));
            else if (o.kind == OptionKind::Text)
                item.setText(o.slot, edited.text(o.slot));
        }
        if (touches.on[s]) {
            item.setOn(o.slot, edited.isOn(o.slot));
            const bool exclusive =
                std::find(kExclusiveGroup.begin(), kExclusiveGroup.end(), o.slot) != kExclusiveGroup.end();
            if (exclusive && edited.isOn(o.slot)) {
                for (const int other : kExclusiveGroup)
                    if (other != o.slot)
                        item.setOn(other, false);
            }
        }
    }
    SlotFlags changed;
    for (const OptionInfo& o : optionTable()) {
        const auto s = static_cast<std::size_t>(o.slot);
        if (!may[s])
            continue;
        bool differs = item.isOn(o.slot) != before[s].on;
        if (o.kind == OptionKind::Choice)
            differs = differs || item.choiceIndex(o.slot) != before[s].choice;
        else if (o.kind == OptionKind::Text)
            differs = differs || item.text(o.slot) != before[s].text;
        changed.set(s, differs);
    }
    if (changed.none())
        return false;
    item.changed = changed;
    return true;
}

int updateTouchedOptions(DefinitionDocument& document, const std::vector<int>& rows, const CDpctData& edited,
                         const OptionTouches& touches)
{
    std::vector<std::pair<int, CDpctData>> changes;
    changes.reserve(rows.size());
    for (const int row : rows) {
        const CDpctData* item = document.item(row);
        if (!item)
            continue;
        CDpctData changed = *item;
        if (applyTouchedOptions(changed, edited, touches))
            changes.emplace_back(row, std::move(changed));
    }
    const int n = static_cast<int>(changes.size());
    if (n > 0)
        document.update(std::move(changes));
    return n;
}

} // namespace tovalo
