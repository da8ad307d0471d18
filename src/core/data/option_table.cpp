#include "option_table.h"

#include <algorithm>

namespace tovalo {
namespace {

using K = OptionKind;
using A = ArgForm;
using F = FileForm;
using B = Browse;

// Value fields: Choice options use fields 0..10 of the index array, Text options 0..10 of
// the text array, each in slot order.
// One table row per line.
// clang-format off
constexpr std::array<OptionInfo, kOptionCount> kOptions = {{
    {kAlwaysUseAsyncHandler, "--always-use-async-handler", K::Switch, kNoList, 0, 409, A::Bare, F::NameOnly, -1, 1007, 0, 0, B::None},
    {kAssumeNdRangeDim, "--assume-nd-range-dim", K::Choice, kListAssumeNdRangeDim, 1, 410, A::ChoiceFirstChar, F::NameEntry, 0, 1008, 1009, 0, B::None},
    {kBuildScriptFile, "--build-script-file", K::Text, kNoList, 0, 411, A::Quoted, F::PlainText, 0, 1068, 1034, 0, B::None},
    {kComments, "--comments", K::Switch, kNoList, 0, 412, A::Bare, F::NameOnly, -1, 1010, 0, 0, B::None},
    {kCudaIncludePath, "--cuda-include-path", K::Text, kNoList, 0, 413, A::Path, F::QuotedText, 1, 1011, 1012, 1013, B::Folder},
    {kCustomHelperName, "--custom-helper-name", K::Text, kNoList, 0, 414, A::Quoted, F::PlainText, 2, 1014, 1015, 0, B::None},
    {kEnableCtad, "--enable-ctad", K::Switch, kNoList, 0, 415, A::Bare, F::NameOnly, -1, 1016, 0, 0, B::None},
    {kExtraArg, "--extra-arg", K::Text, kNoList, 0, 416, A::Plain, F::PlainText, 3, 1017, 1018, 0, B::None},
    {kFormatRange, "--format-range", K::Choice, kListFormatRange, 0, 417, A::Choice, F::NameEntry, 1, 1019, 1020, 0, B::None},
    {kFormatStyle, "--format-style", K::Choice, kListFormatStyle, 2, 418, A::Choice, F::NameEntry, 2, 1021, 1022, 0, B::None},
    {kGenBuildScript, "--gen-build-script", K::Switch, kNoList, 0, 419, A::Bare, F::NameOnly, -1, 1070, 0, 0, B::None},
    {kInRoot, "--in-root", K::Text, kNoList, 0, 420, A::Path, F::QuotedText, 4, 1023, 1024, 1025, B::Folder},
    {kKeepOriginalCode, "--keep-original-code", K::Switch, kNoList, 0, 421, A::Bare, F::NameOnly, -1, 1026, 0, 0, B::None},
    {kNoClNamespaceInline, "--no-cl-namespace-inline", K::Switch, kNoList, 0, 422, A::Bare, F::NameOnly, -1, 1027, 0, 0, B::None},
    {kNoDpcppExtensions, "--no-dpcpp-extensions", K::Choice, kListNoDpcppExtensions, 0, 423, A::Choice, F::NameEntry, 3, 1028, 1029, 0, B::None},
    {kNoDryPattern, "--no-dry-pattern", K::Switch, kNoList, 0, 424, A::Bare, F::NameOnly, -1, 1030, 0, 0, B::None},
    {kNoIncrementalMigration, "--no-incremental-migration", K::Switch, kNoList, 0, 425, A::Bare, F::NameOnly, -1, 1067, 0, 0, B::None},
    {kOptimizeMigration, "--optimize-migration", K::Switch, kNoList, 0, 426, A::Bare, F::NameOnly, -1, 1069, 0, 0, B::None},
    {kOutRoot, "--out-root", K::Text, kNoList, 0, 427, A::Path, F::QuotedText, 5, 1031, 1032, 1033, B::Folder},
    {kOutputFile, "--output-file", K::Text, kNoList, 0, 428, A::Quoted, F::QuotedText, 6, 1035, 1036, 1037, B::File},
    {kOutputVerbosity, "--output-verbosity", K::Choice, kListOutputVerbosity, 3, 429, A::Choice, F::NameEntry, 4, 1038, 1039, 0, B::None},
    {kCompilationDatabase, "-p", K::Text, kNoList, 0, 430, A::Path, F::QuotedText, 7, 1040, 1041, 1042, B::Folder},
    {kProcessAll, "--process-all", K::Switch, kNoList, 0, 431, A::Bare, F::NameOnly, -1, 1043, 0, 0, B::None},
    {kReportFilePrefix, "--report-file-prefix", K::Text, kNoList, 0, 432, A::Plain, F::PlainText, 8, 1044, 1063, 0, B::None},
    {kReportFormat, "--report-format", K::Choice, kListReportFormat, 0, 433, A::Choice, F::NameEntry, 5, 1046, 1045, 0, B::None},
    {kReportOnly, "--report-only", K::Switch, kNoList, 0, 434, A::Bare, F::NameOnly, -1, 1047, 0, 0, B::None},
    {kReportType, "--report-type", K::Choice, kListReportType, 1, 435, A::Choice, F::NameEntry, 6, 1048, 1049, 0, B::None},
    {kStopOnParseErr, "--stop-on-parse-err", K::Switch, kNoList, 0, 436, A::Bare, F::NameOnly, -1, 1050, 0, 0, B::None},
    {kSuppressWarnings, "--suppress-warnings", K::Text, kNoList, 0, 437, A::Plain, F::PlainText, 9, 1051, 1052, 0, B::None},
    {kSuppressWarningsAll, "--suppress-warnings-all", K::Switch, kNoList, 0, 438, A::Bare, F::NameOnly, -1, 1053, 0, 0, B::None},
    {kSyclNamedLambda, "--sycl-named-lambda", K::Switch, kNoList, 0, 439, A::Bare, F::NameOnly, -1, 1054, 0, 0, B::None},
    {kUseCustomHelper, "--use-custom-helper", K::Choice, kListUseCustomHelper, 0, 440, A::Choice, F::NameEntry, 7, 1055, 1056, 0, B::None},
    {kUseExperimentalFeatures, "--use-experimental-features", K::Choice, kListUseExperimentalFeatures, 0, 441, A::Choice, F::NameEntry, 8, 1057, 1058, 0, B::None},
    {kUseExplicitNamespace, "--use-explicit-namespace", K::Choice, kListUseExplicitNamespace, 2, 442, A::Choice, F::NameEntry, 9, 1064, 1065, 0, B::None},
    {kUsmLevel, "--usm-level", K::Choice, kListUsmLevel, 0, 443, A::Choice, F::NameEntry, 10, 1059, 1066, 0, B::None},
    {kVcxprojFile, "--vcxprojfile", K::Text, kNoList, 0, 444, A::Path, F::QuotedText, 10, 1060, 1061, 1062, B::File},
}};
// clang-format on

constexpr std::string_view kList600[] = {"1", "3"};
constexpr std::string_view kList601[] = {"migrated", "all", "none"};
constexpr std::string_view kList602[] = {"llvm", "google", "custom"};
constexpr std::string_view kList603[] = {"enqueued_barriers"};
constexpr std::string_view kList604[] = {"silent", "normal", "detailed", "diagnostics"};
constexpr std::string_view kList605[] = {"csv", "formatted"};
constexpr std::string_view kList606[] = {"apis", "stats", "ALL"};
constexpr std::string_view kList607[] = {"none", "file", "all"};
constexpr std::string_view kList608[] = {"nd_range_barrier"};
constexpr std::string_view kList609[] = {"none", "cl", "dpct", "sycl", "sycl-math"};
constexpr std::string_view kList610[] = {"restricted", "none"};

constexpr std::array<std::span<const std::string_view>, 11> kLists = {
    kList600, kList601, kList602, kList603, kList604, kList605,
    kList606, kList607, kList608, kList609, kList610,
};

// The table is indexed by slot; guard against a row out of place.
constexpr bool tableIsInSlotOrder()
{
    for (int i = 0; i < kOptionCount; ++i) {
        if (kOptions[static_cast<std::size_t>(i)].slot != kFirstOptionSlot + i)
            return false;
    }
    return true;
}
static_assert(tableIsInSlotOrder());

} // namespace

std::span<const OptionInfo, kOptionCount> optionTable()
{
    return kOptions;
}

const OptionInfo& optionAt(int slot)
{
    return kOptions[static_cast<std::size_t>(slot - kFirstOptionSlot)];
}

const OptionInfo* findOption(std::string_view name)
{
    for (const OptionInfo& o : kOptions) {
        if (o.name == name)
            return &o;
    }
    return nullptr;
}

std::span<const std::string_view> valueListEntries(int valueList)
{
    if (valueList < kListAssumeNdRangeDim || valueList > kListUsmLevel)
        return {};
    return kLists[static_cast<std::size_t>(valueList - kListAssumeNdRangeDim)];
}

int valueListIndex(int valueList, std::string_view text)
{
    const auto entries = valueListEntries(valueList);
    const auto it = std::find(entries.begin(), entries.end(), text);
    return it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
}

std::string_view valueListEntry(int valueList, int index)
{
    const auto entries = valueListEntries(valueList);
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size())
        return {};
    return entries[static_cast<std::size_t>(index)];
}

} // namespace tovalo
