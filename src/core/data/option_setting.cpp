#include "option_setting.h"

#include "definition_file.h"

#include <algorithm>

namespace tovalo {

namespace {

// The state of the options a setting of `slot` can change.
struct Snapshot
{
    std::array<bool, kExclusiveGroup.size() + 1> on{};
    std::int32_t choice = 0;
    std::string text;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const CDpctData& item, const OptionInfo& o)
{
    Snapshot s;
    s.on[0] = item.isOn(o.slot);
    for (std::size_t i = 0; i < kExclusiveGroup.size(); ++i)
        s.on[i + 1] = item.isOn(kExclusiveGroup[i]);
    if (o.kind == OptionKind::Choice)
        s.choice = item.choiceIndex(o.slot);
    else if (o.kind == OptionKind::Text)
        s.text = item.text(o.slot);
    return s;
}

std::string entryList(const OptionInfo& o)
{
    std::string list;
    for (const std::string_view e : valueListEntries(o.valueList))
        list += (list.empty() ? "" : ", ") + std::string(e);
    return list;
}

} // namespace

const OptionInfo* findOptionByName(std::string_view name)
{
    const std::size_t dashes = std::min(name.find_first_not_of('-'), name.size());
    const std::string_view bare = name.substr(dashes);
    if (bare.empty())
        return nullptr;
    for (const std::string_view prefix : {"--", "-"}) {
        if (const OptionInfo* o = findOption(std::string(prefix) + std::string(bare)))
            return o;
    }
    return nullptr;
}

bool parseOptionOff(std::string_view name, OptionSetting& setting, std::string& error)
{
    setting = OptionSetting{};
    setting.option = findOptionByName(name);
    if (!setting.option) {
        error = "unknown option '" + std::string(name) + "'";
        return false;
    }
    setting.on = false;
    return true;
}

bool parseOptionSetting(std::string_view text, OptionSetting& setting, std::string& error)
{
    setting = OptionSetting{};
    const std::size_t eq = text.find('=');
    const std::string_view name = text.substr(0, eq);
    const OptionInfo* o = findOptionByName(name);
    if (!o) {
        error = "unknown option '" + std::string(name) + "'";
        return false;
    }
    const std::string oname(o->name);
    if (o->kind == OptionKind::Switch) {
        if (eq != std::string_view::npos) {
            error = oname + " is a switch and takes no value (use --off " + oname + " to switch it off)";
            return false;
        }
    } else {
        if (eq == std::string_view::npos || eq + 1 == text.size()) {
            error = oname + " needs a value (" + std::string(name) + "=" +
                    (o->kind == OptionKind::Choice ? entryList(*o) : std::string("VALUE")) + ")";
            return false;
        }
        setting.value = std::string(text.substr(eq + 1));
        // Read the value as the definition-file reader would; what it only notes is refused.
        CDpctData trial;
        std::vector<ReadNote> notes;
        applyOptionLine(trial, *o, setting.value, 0, notes);
        if (!notes.empty() || !trial.isOn(o->slot)) {
            error = "'" + setting.value + "' is not a value of " + oname + " (" + entryList(*o) + ")";
            return false;
        }
    }
    setting.option = o;
    return true;
}

bool applyOptionSetting(CDpctData& item, const OptionSetting& setting)
{
    const OptionInfo& o = *setting.option;
    const Snapshot before = snapshot(item, o);
    if (!setting.on) {
        item.setOn(o.slot, false);
    } else {
        if (o.kind == OptionKind::Switch) {
            item.setOn(o.slot, true);
        } else {
            std::vector<ReadNote> notes;
            applyOptionLine(item, o, setting.value, 0, notes);
        }
        if (std::find(kExclusiveGroup.begin(), kExclusiveGroup.end(), o.slot) != kExclusiveGroup.end()) {
            for (const int other : kExclusiveGroup)
                item.setOn(other, other == o.slot);
        }
    }
    return !(snapshot(item, o) == before);
}

} // namespace tovalo
