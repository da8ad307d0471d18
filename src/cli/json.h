#pragma once
// tovalo-cli writes its JSON with the core's writer.

#include "base/json.h"

namespace tovalo::cli {
using tovalo::jsonString;
using tovalo::JsonWriter;
} // namespace tovalo::cli
