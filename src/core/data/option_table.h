#pragma once
// The 36 dpct options Tovalo knows, in slot order (slots 2 to 37 of a conversion item), with
// their value lists and built-in defaults. Every loop over options, every definition-file line
// and every command-line argument follows this order.

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

/// What a folder or file browse button of the option-setting page opens.
enum class Browse
{
    None,
    Folder,
    File
};

struct OptionInfo
{
    int slot;
    std::string_view name;
    OptionKind kind;
    int valueList;    ///< ValueList id, kNoList unless kind is Choice
    int defaultIndex; ///< built-in default index of a Choice, 0 otherwise
    int helpId;       ///< help-text resource id (two lines: name, description)
    ArgForm argForm;
    FileForm fileForm;
    int field;   ///< index into the item's choice or text value fields, -1 for a Switch
    int checkId; ///< control ids of the option-setting page
    int valueId; ///< 0 when the option has no value control
    int browseId;
    Browse browse;
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

/// The exclusive group: of these, only the first switched-on one is written and passed.
inline constexpr std::array<int, 3> kExclusiveGroup = {kNoDryPattern, kNoIncrementalMigration,
                                                       kOptimizeMigration};

/// Number of Choice and Text value fields of an item.
inline constexpr int kChoiceFieldCount = 11;
inline constexpr int kTextFieldCount = 11;

} // namespace tovalo
