#pragma once
// A change of one option asked for by name, as tovalo-cli takes it ("--option NAME=VALUE",
// "--option NAME", "--off NAME") and an import applies it to every item it makes.
//
// NAME is an option's name with or without its leading dashes ("comments", "--comments", "p",
// "-p"). A value is read as it would be on the option's line of a definition file (see
// applyOptionLine), but what the reader would only note is refused here: an unknown name, a
// value for a switch, a missing value, a value that is not an entry of a choice's list.

#include "dpct_data.h"

#include <string>
#include <string_view>

namespace tovalo {

struct OptionSetting
{
    const OptionInfo* option = nullptr;
    bool on = true;    ///< false: switch the option off (its value is kept)
    std::string value; ///< for a Choice or Text option switched on
};

/// Parses "NAME=VALUE" or, for a switch, "NAME" (switching the option on). Returns false with
/// `error` (English, for the command line) when it names no option or the value does not fit.
bool parseOptionSetting(std::string_view text, OptionSetting& setting, std::string& error);

/// Parses "NAME" for switching the option off. Returns false with `error` for an unknown name.
bool parseOptionOff(std::string_view name, OptionSetting& setting, std::string& error);

/// The option named `name` with or without its leading dashes, or nullptr.
const OptionInfo* findOptionByName(std::string_view name);

/// Applies `setting` to `item`. Switching on a member of the exclusive group (kExclusiveGroup)
/// switches the other members off, since dpct takes only one of them. Returns true when the
/// item changed.
bool applyOptionSetting(CDpctData& item, const OptionSetting& setting);

} // namespace tovalo
