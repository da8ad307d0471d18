#pragma once
// The options of several conversion items seen and edited as one: what they have in common, and
// applying to each of them only what the user changed. The item dialog and the option grid show
// a selection of items this way; every item keeps the options nobody touched.

#include "dpct_data.h"

#include <vector>

namespace tovalo {

struct CommonOptions
{
    /// The first item's options; where the items differ, the flags below say so.
    CDpctData shown;
    /// Slots whose on/off switch differs between the items.
    SlotFlags mixedOn;
    /// Slots (Choice and Text) whose value differs between the items.
    SlotFlags mixedValue;
};

/// What the items have in common. `items` must not be empty and holds no null.
CommonOptions commonOptions(const std::vector<const CDpctData*>& items);

/// The parts of options the user touched: its switch, its value (Choice and Text options).
struct OptionTouches
{
    SlotFlags on;
    SlotFlags value;
    bool any() const { return on.any() || value.any(); }
};

/// Gives `item` the touched parts of `edited`'s options and leaves the rest as they are. An
/// exclusive-group option (kExclusiveGroup) switched on switches the other members off, since
/// dpct takes only one of them. The item's `changed` marks name the slots that changed. Returns
/// true when anything changed.
bool applyTouchedOptions(CDpctData& item, const CDpctData& edited, const OptionTouches& touches);

class DefinitionDocument;

/// Applies the touched options to the items of `rows` of `document` as one step of its history
/// (applyTouchedOptions for each); items that would not change are left out. Returns the number
/// of items changed.
int updateTouchedOptions(DefinitionDocument& document, const std::vector<int>& rows, const CDpctData& edited,
                         const OptionTouches& touches);

} // namespace tovalo
