#pragma once
// The 36 dpct options Tovalo knows, in slot order (slots 2 to 37 of a conversion item): their
// kinds, value lists and built-in defaults, how they go onto the command line and into definition
// files, and how the option-setting page checks and browses them. Every loop over options, every
// definition-file line and every command-line argument follows this order. The texts the user
// reads are worded by each front end (the core translates nothing): refusals by their reason,
// file filters by their FileFilter, descriptions and chooser titles by the option's slot.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace tovalo {

/// Number of option slots in a conversion item: two information slots, then the 36 options.
inline constexpr int kSlotCount = 38;
inline constexpr int kFirstOptionSlot = 2;
inline constexpr int kOptionCount = 36;

/// Slot numbers. Slots 0 and 1 are the directory-name and file-name rows of the option grid.
enum Slot : int
{
    kSlotDirName = 0,
    kSlotFileName = 1,
    kAlwaysUseAsyncHandler = 2,
    kAssumeNdRangeDim,
    kBuildScriptFile,
    kComments,
    kCudaIncludePath,
    kCustomHelperName,
    kEnableCtad,
    kExtraArg,
    kFormatRange,
    kFormatStyle,
    kGenBuildScript,
    kInRoot,
    kKeepOriginalCode,
    kNoClNamespaceInline,
    kNoDpcppExtensions,
    kNoDryPattern,
    kNoIncrementalMigration,
    kOptimizeMigration,
    kOutRoot,
    kOutputFile,
    kOutputVerbosity,
    kCompilationDatabase, // -p
    kProcessAll,
    kReportFilePrefix,
    kReportFormat,
    kReportOnly,
    kReportType,
    kStopOnParseErr,
    kSuppressWarnings,
    kSuppressWarningsAll,
    kSyclNamedLambda,
    kUseCustomHelper,
    kUseExperimentalFeatures,
    kUseExplicitNamespace,
    kUsmLevel,
    kVcxprojFile, // 37
};

enum class OptionKind
{
    Switch,
    Choice,
    Text
};

/// How an option's argument is formed on the dpct command line.
enum class ArgForm
{
    Bare,            ///< " --name"
    Choice,          ///< " --name=entry"
    ChoiceFirstChar, ///< " --name=e" with the first character of the entry
    Path,            ///< " --name=value", quoted when the value needs it
    Quoted,          ///< " --name=\"value\"" always
    Plain,           ///< " --name=value" exactly as typed
};

/// How an option's line looks in a definition file.
enum class FileForm
{
    NameOnly,   ///< "--name"
    NameEntry,  ///< "--name=entry"
    QuotedText, ///< "--name=\"text\"" (quotes removed again when read)
    PlainText,  ///< "--name=text" (kept unchanged, quotes included)
};

/// Value-list resource ids 600..610.
enum ValueList : int
{
    kNoList = -1,
    kListAssumeNdRangeDim = 600,
    kListFormatRange,
    kListFormatStyle,
    kListNoDpcppExtensions,
    kListOutputVerbosity,
    kListReportFormat,
    kListReportType,
    kListUseCustomHelper,
    kListUseExperimentalFeatures,
    kListUseExplicitNamespace,
    kListUsmLevel,
};

/// Whether a Text option's value names a file or folder, and which values the option-setting page
/// accepts (it paints a path it would refuse red).
enum class PathRule
{
    None,                ///< not a path: any value but an empty one
    Existing,            ///< empty, or a file or folder that exists
    ExistingOrNewFolder, ///< as Existing, or a new folder in an existing one (dpct creates it)
};

/// Why the option-setting page refuses the value of a checked option. Each front end words it;
/// the message shows under the option's own refusal number (OptionInfo::refusalId).
enum class RefusalReason
{
    None,                ///< a Switch: it has no value to refuse
    NoValidEntry,        ///< a Choice without an entry of its list
    NoValidEntryUnnamed, ///< the same, worded without the option's name
    InvalidName,
    InvalidPath,
    NoFolderOrParent, ///< neither the folder nor the one that would hold it exists
    InvalidFileName,
    EmptyValue,
};

/// What the browse button of an option on the option-setting page opens.
enum class Browse
{
    None,
    Folder,
    File
};

/// The file types a file chooser offers (each front end words the list).
enum class FileFilter
{
    None,
    TextFiles,
    VcxprojFiles,
};

/// How the option-setting page shows an option's row.
enum class PageRow
{
    Normal, ///< the user switches it; the check box's tip is the option's description
    Fixed,  ///< shown with its state, but the user cannot switch it there (deprecated)
    NoTip,  ///< as Normal, without a tip
};

struct OptionInfo
{
    int slot;
    std::string_view name;
    OptionKind kind;
    int valueList;    ///< ValueList id, kNoList unless kind is Choice
    int defaultIndex; ///< built-in default index of a Choice, 0 otherwise
    ArgForm argForm;
    FileForm fileForm;
    int field; ///< index into the item's choice or text value fields, -1 for a Switch
    PathRule path;
    RefusalReason refusal;
    int refusalId; ///< message number of the option-setting page's refusal; 0 for a Switch
    Browse browse;
    FileFilter filter;          ///< the file chooser's file types; None unless browse is File
    std::string_view folderKey; ///< remembered folder the chooser starts in and updates
    PageRow pageRow;
};

/// The option table, index 0 = slot 2.
std::span<const OptionInfo, kOptionCount> optionTable();

/// The row of a slot (2..37). Behaviour is undefined for other slots.
const OptionInfo& optionAt(int slot);

/// The option whose name equals `name` exactly (case-sensitive), or nullptr.
const OptionInfo* findOption(std::string_view name);

/// Entries of a value list, in index order. Empty for an unknown list id.
std::span<const std::string_view> valueListEntries(int valueList);

/// Index of the first entry that equals `text` exactly (case-sensitive), -1 when none does.
int valueListIndex(int valueList, std::string_view text);

/// Entry at `index`; empty for an index outside the list (including -1).
std::string_view valueListEntry(int valueList, int index);

/// The option slots in the order the option-setting page lists them: slot order, except that
/// --gen-build-script follows --extra-arg.
std::span<const int, kOptionCount> pageOrder();

/// The option slots in the order the option grid lists them: slot order, except that
/// --use-explicit-namespace comes before --use-experimental-features.
std::span<const int, kOptionCount> gridOrder();

/// The exclusive group: of these, only the first switched-on one is written and passed.
inline constexpr std::array<int, 3> kExclusiveGroup = {kNoDryPattern, kNoIncrementalMigration,
                                                       kOptimizeMigration};

/// Number of Choice and Text value fields of an item.
inline constexpr int kChoiceFieldCount = 11;
inline constexpr int kTextFieldCount = 11;

} // namespace tovalo
