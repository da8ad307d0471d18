#pragma once
// Names and descriptions of the option grid's rows (the two information rows and the 36 dpct
// options), translated through the "OptionHelp" context.

#include <QString>

namespace tovalo::gui {

/// The row name of a slot 0..37: "Directory name", "File name", or the option's own name.
QString optionRowName(int slot);

/// The description shown for a slot 0..37 (translated).
QString optionRowDescription(int slot);

} // namespace tovalo::gui
