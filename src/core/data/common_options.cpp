#include "common_options.h"

#include "definition_document.h"

#include <algorithm>

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
    const CDpctData before = item;
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
    item.changed.reset();
    for (const OptionInfo& o : optionTable())
        item.setChanged(o.slot, item.isOn(o.slot) != before.isOn(o.slot) || !sameValue(item, before, o));
    return item.changed.any();
}

int updateTouchedOptions(DefinitionDocument& document, const std::vector<int>& rows, const CDpctData& edited,
                         const OptionTouches& touches)
{
    std::vector<std::pair<int, CDpctData>> changes;
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
