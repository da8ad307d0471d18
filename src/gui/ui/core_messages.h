#pragma once
// The GUI's wording of the messages the core makes (tovalo::Message): each identifier's English
// template is a translation source in the context "tovalo::gui::CoreMessages", worded in the
// interface language through the installed catalog; literal arguments (paths, numbers, option
// names, the system's reasons) are shown as they are.

#include "base/message.h"

#include <QString>

namespace tovalo::gui {

/// The translation context of the core's messages.
inline constexpr char kCoreMessagesContext[] = "tovalo::gui::CoreMessages";

/// `message` in the interface language, its argument messages worded the same way.
QString wordMessage(const tovalo::Message& message);

/// The untranslated source text of `id` as the catalogs know it (empty for Text).
const char* coreMessageSource(tovalo::MessageId id);

} // namespace tovalo::gui
