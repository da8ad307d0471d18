#pragma once
// The user's settings: interface language, application look, recently-used definition files,
// MDI tab layout, remembered folders, display colours and the default conversion item, with
// the values they have before anything is loaded, and their load and save through a
// SettingsStore.
//
// Loading never fails a setting loudly: a value that is missing, of another type or size, too
// long or out of range leaves its setting as it was (for an option of the default item: off,
// with its default index or empty text).

#include "data/dpct_data.h"
#include "settings_store.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tovalo {

/// The key below HKEY_CURRENT_USER that holds the groups, and the groups.
inline constexpr std::string_view kSettingsKey = "SOFTWARE\\mossbank\\Tovalo";
inline constexpr std::string_view kGroupCommon = "Common";
inline constexpr std::string_view kGroupDpct = "Dpct";
inline constexpr std::string_view kGroupDir = "Dir";
inline constexpr std::string_view kGroupColor = "Color";
/// The main window's layout. Files and registry keys written before it existed simply lack it.
inline constexpr std::string_view kGroupWindow = "Window";

/// What saveSettings writes: any combination of these bits.
enum SettingsGroup : unsigned
{
    kSaveLook = 0x01,      ///< "ApplicationLook"
    kSaveLanguage = 0x02,  ///< "Language"
    kSaveRecent = 0x04,    ///< "Recent01" ... "Recent16"
    kSaveTabMode = 0x08,   ///< "TabMode"
    kSaveDpct = 0x10,      ///< group "Dpct": the default item's options
    kSaveDirs = 0x20,      ///< group "Dir": the remembered folders
    kSaveColors = 0x40,    ///< group "Color"
    kSaveWindow = 0x80,    ///< group "Window": the main window's layout
    kSaveEditor = 0x100,   ///< "EditorCommand"
    kSaveParallel = 0x200, ///< "ParallelConversions"
    kSaveAll = 0x3FF,
};

inline constexpr std::int32_t kLanguageNotChosen = -1;
inline constexpr std::int32_t kLanguageCount = 5; ///< 0 ja, 1 en, 2 zh-CN, 3 zh-TW, 4 ko
inline constexpr std::int32_t kLookFirst = 205;
inline constexpr std::int32_t kLookLast = 215;
inline constexpr std::int32_t kLookDefault = 214;
inline constexpr std::size_t kRecentLimit = 16;
inline constexpr std::uint32_t kAutomaticColor = 0xFF000000;
inline constexpr std::uint32_t kVersionNotRead = 0xFFFFFFFF;
/// Parallel conversions: 0 is automatic (see automaticConsoleCount), else 1 to this many.
inline constexpr std::int32_t kParallelAutomatic = 0;
inline constexpr std::int32_t kParallelMost = 64;

/// The thirteen tab fields, in stored order.
enum TabField : int
{
    kTabMdiOn = 0,          ///< tabbed MDI on (1) or off (0)
    kTabLocation,           ///< 0 bottom, 1 top
    kTabStyle,              ///< index 0..5 of the style list
    kTabIcons,              ///< document icons on tabs
    kTabCloseButton,        ///< close button at the edge of the tab area
    kTabCustomTooltips,     ///< custom tool tips
    kTabAutoColor,          ///< a colour per tab
    kTabDocumentMenu,       ///< document menu
    kTabEnableSwap,         ///< tab swapping
    kTabFlatFrame,          ///< flat frame
    kTabActiveCloseButton,  ///< close button on each tab
    kTabBorderSize,         ///< tab border size; -1 is the look's own size
    kTabReuseRemovedGroups, ///< reuse of removed tab groups
    kTabFieldCount,
};

/// The ten remembered folders, in slot order; the names are the stored value names.
enum FolderSlot : int
{
    kDirTextOpen = 0,
    kDirTextSave,
    kDirCudaFile,
    kDirCudaDir,
    kDirCudaIncPath,
    kDirInRoot,
    kDirOutRoot,
    kDirOutputFile,
    kDirP,
    kDirVcxproj,
    kFolderCount,
};
inline constexpr std::array<std::string_view, kFolderCount> kFolderValueNames = {
    "TextOpen", "TextSave", "CudaFile",   "CudaDir", "CudaIncPath",
    "InRoot",   "OutRoot",  "OutputFile", "P",       "Vcxproj"};

inline constexpr int kColorCount = 10;

/// Where the main window was and how it was laid out, as the window system left it. The two
/// byte strings are opaque here (the window side makes and reads them); an empty string or a 0
/// means "not remembered": the window then takes its defaults.
struct WindowLayout
{
    std::string placement;            ///< size, position and state (maximised, screen)
    std::string docks;                ///< toolbars and docked panes
    std::int32_t outputHeight = 0;    ///< the output pane's height in pixels
    std::int32_t listWidthShare = 0;  ///< a document window's list column, per mille of its width
    std::int32_t listHeightShare = 0; ///< a document window's list, per mille of its height

    bool operator==(const WindowLayout&) const = default;
};

struct Settings
{
    /// Every setting at its initial value; each remembered folder is `programFolder` (the
    /// folder of the running program, one trailing separator removed).
    explicit Settings(std::string_view programFolder = {});

    std::int32_t language = kLanguageNotChosen;
    std::int32_t applicationLook = kLookDefault;
    CDpctData defaultItem;
    std::vector<std::string> recent; ///< most recent first, at most kRecentLimit
    std::array<std::string, kFolderCount> folders;
    std::array<std::int32_t, kTabFieldCount> tabMode = {0, 1, 0, 1, 0, 0, 0, 0, 1, 1, 0, -1, 0};
    std::array<std::uint32_t, kColorCount> colors = {
        kAutomaticColor, kAutomaticColor, kAutomaticColor, kAutomaticColor, kAutomaticColor,
        kAutomaticColor, kAutomaticColor, kAutomaticColor, kAutomaticColor, kAutomaticColor};
    /// The command line that opens a source file at a line ("code --goto {file}:{line}:{column}");
    /// empty: the platform's default program for the file. Run without a shell.
    std::string editorCommand;
    /// How many dpct runs may go on side by side: kParallelAutomatic or 1 to kParallelMost.
    std::int32_t parallelConversions = kParallelAutomatic;
    std::string oneapiRoot; ///< ends with the platform's separator; empty: oneAPI not found
    std::string dpctVersion;
    std::string dpctCodebase;
    std::uint32_t programVersion = 0x01000000;
    WindowLayout window;
    std::array<std::uint32_t, 5> languagePackVersions = {kVersionNotRead, kVersionNotRead, kVersionNotRead,
                                                         kVersionNotRead, kVersionNotRead};

    /// Puts a definition file at the head of the recently-used list: an entry equal to it with
    /// case ignored is removed first, and the list is cut to kRecentLimit entries.
    void addRecent(std::string_view path);
};

/// The value names of the stored lists: "Recent01" (position 1) ... and "Color01" (slot 0) ...
std::string recentValueName(int position);
std::string colorValueName(int slot);

/// A path with one trailing separator removed (not from a root such as "/" or "C:\").
std::string withoutTrailingSeparator(std::string_view folder);

/// Tells whether a recently-used file still exists; recent entries whose file is gone are
/// skipped at load.
using FileExists = std::function<bool(const std::string&)>;

/// Loads every group of the store into `settings`. Returns false with `error` only when the
/// store exists but cannot be read; `settings` then keeps what it had.
bool loadSettings(SettingsStore& store, Settings& settings, std::string& error,
                  const FileExists& fileExists = {});

/// Writes the groups selected by `groups` (SettingsGroup bits). A group that cannot be opened
/// is skipped and the others are still written. Returns false with `error` when something was
/// not written.
bool saveSettings(SettingsStore& store, const Settings& settings, unsigned groups, std::string& error);

/// Adds `path` to the recently-used list and writes the list to the store at once.
bool rememberRecentFile(SettingsStore& store, Settings& settings, std::string_view path, std::string& error);

} // namespace tovalo
