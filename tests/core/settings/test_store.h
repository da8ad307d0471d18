#pragma once
// A fresh, empty settings store of this platform's back end (a file in a temporary folder on
// POSIX, a registry key of its own on Windows), removed again when the test ends.

#include "settings/settings_store.h"

#include <memory>
#include <string>

namespace tovalo::test {

class TestStore
{
public:
    TestStore();
    ~TestStore();
    TestStore(const TestStore&) = delete;
    TestStore& operator=(const TestStore&) = delete;

    SettingsStore& store() { return *store_; }
    /// A second store object on the same place, as the next start of the program would open it.
    std::unique_ptr<SettingsStore> reopen() const;
    /// A temporary folder for files the test needs (removed with the store).
    const std::string& scratch() const { return scratch_; }

private:
    std::string place_;
    std::string scratch_;
    std::unique_ptr<SettingsStore> store_;
};

/// Writes one raw value through the store's write session.
void putRaw(SettingsStore& store, std::string_view group, std::string_view name, const RegValue& value);

/// Creates a file (empty) at `path`.
void touch(const std::string& path);

} // namespace tovalo::test
