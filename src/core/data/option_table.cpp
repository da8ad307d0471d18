#include "option_table.h"

#include <algorithm>

namespace tovalo {
namespace {

using K = OptionKind;
using A = ArgForm;
using F = FileForm;
using B = Browse;
using P = PathRule;
using R = RefusalReason;
using FF = FileFilter;
using PR = PageRow;

// Value fields: Choice options use fields 0..10 of the index array, Text options 0..10 of
// the text array, each in slot order.
// One table row per line: slot, name, kind, value list, default index, argument form, file form,
// value field, path rule, refusal reason and number, browse, file filter, remembered folder,
// page row.
// clang-format off
constexpr std::array<OptionInfo, kOptionCount> kOptions = {{
    {kAlwaysUseAsyncHandler, "--always-use-async-handler", K::Switch, kNoList, 0, A::Bare, F::NameOnly, -1, P::None, R::None, 0, B::None, FF::None, {}, PR::Normal},
    {kAssumeNdRangeDim, "--assume-nd-range-dim", K::Choice, kListAssumeNdRangeDim, 1, A::ChoiceFirstChar, F::NameEntry, 0, P::None, R::NoValidEntry, 703, B::None, FF::None, {}, PR::Normal},
    {kBuildScriptFile, "--build-script-file", K::Text, kNoList, 0, A::Quoted, F::PlainText, 0, P::Existing, R::InvalidName, 704, B::None, FF::None, {}, PR::Normal},
    {kComments, "--comments", K::Switch, kNoList, 0, A::Bare, F::NameOnly, -1, P::None, R::None, 0, B::None, FF::None, {}, PR::Normal},
    {kCudaIncludePath, "--cuda-include-path", K::Text, kNoList, 0, A::Path, F::QuotedText, 1, P::Existing, R::InvalidPath, 705, B::Folder, FF::None, "CudaIncPath", PR::Normal},
    {kCustomHelperName, "--custom-helper-name", K::Text, kNoList, 0, A::Quoted, F::PlainText, 2, P::None, R::EmptyValue, 706, B::None, FF::None, {}, PR::Normal},
    {kEnableCtad, "--enable-ctad", K::Switch, kNoList, 0, A::Bare, F::NameOnly, -1, P::None, R::None, 0, B::None, FF::None, {}, PR::Normal},
    {kExtraArg, "--extra-arg", K::Text, kNoList, 0, A::Plain, F::PlainText, 3, P::None, R::EmptyValue, 707, B::None, FF::None, {}, PR::Normal},
    {kFormatRange, "--format-range", K::Choice, kListFormatRange, 0, A::Choice, F::NameEntry, 1, P::None, R::NoValidEntry, 708, B::None, FF::None, {}, PR::Normal},
    {kFormatStyle, "--format-style", K::Choice, kListFormatStyle, 2, A::Choice, F::NameEntry, 2, P::None, R::NoValidEntry, 709, B::None, FF::None, {}, PR::Normal},
    {kGenBuildScript, "--gen-build-script", K::Switch, kNoList, 0, A::Bare, F::NameOnly, -1, P::None, R::None, 0, B::None, FF::None, {}, PR::Normal},
    {kInRoot, "--in-root", K::Text, kNoList, 0, A::Path, F::QuotedText, 4, P::Existing, R::InvalidPath, 710, B::Folder, FF::None, "InRoot", PR::Normal},
    {kKeepOriginalCode, "--keep-original-code", K::Switch, kNoList, 0, A::Bare, F::NameOnly, -1, P::None, R::None, 0, B::None, FF::None, {}, PR::Normal},
    {kNoClNamespaceInline, "--no-cl-namespace-inline", K::Switch, kNoList, 0, A::Bare, F::NameOnly, -1, P::None, R::None, 0, B::None, FF::None, {}, PR::Fixed},
    {kNoDpcppExtensions, "--no-dpcpp-extensions", K::Choice, kListNoDpcppExtensions, 0, A::Choice, F::NameEntry, 3, P::None, R::NoValidEntry, 711, B::None, FF::None, {}, PR::Normal},
    {kNoDryPattern, "--no-dry-pattern", K::Switch, kNoList, 0, A::Bare, F::NameOnly, -1, P::None, R::None, 0, B::None, FF::None, {}, PR::Normal},
    {kNoIncrementalMigration, "--no-incremental-migration", K::Switch, kNoList, 0, A::Bare, F::NameOnly, -1, P::None, R::None, 0, B::None, FF::None, {}, PR::NoTip},
    {kOptimizeMigration, "--optimize-migration", K::Switch, kNoList, 0, A::Bare, F::NameOnly, -1, P::None, R::None, 0, B::None, FF::None, {}, PR::NoTip},
    {kOutRoot, "--out-root", K::Text, kNoList, 0, A::Path, F::QuotedText, 5, P::ExistingOrNewFolder, R::NoFolderOrParent, 712, B::Folder, FF::None, "OutRoot", PR::Normal},
    {kOutputFile, "--output-file", K::Text, kNoList, 0, A::Quoted, F::QuotedText, 6, P::Existing, R::InvalidFileName, 713, B::File, FF::TextFiles, "OutputFile", PR::Normal},
    {kOutputVerbosity, "--output-verbosity", K::Choice, kListOutputVerbosity, 3, A::Choice, F::NameEntry, 4, P::None, R::NoValidEntry, 715, B::None, FF::None, {}, PR::Normal},
    {kCompilationDatabase, "-p", K::Text, kNoList, 0, A::Path, F::QuotedText, 7, P::Existing, R::InvalidPath, 714, B::Folder, FF::None, "P", PR::Normal},
    {kProcessAll, "--process-all", K::Switch, kNoList, 0, A::Bare, F::NameOnly, -1, P::None, R::None, 0, B::None, FF::None, {}, PR::Normal},
    {kReportFilePrefix, "--report-file-prefix", K::Text, kNoList, 0, A::Plain, F::PlainText, 8, P::None, R::EmptyValue, 716, B::None, FF::None, {}, PR::Normal},
    {kReportFormat, "--report-format", K::Choice, kListReportFormat, 0, A::Choice, F::NameEntry, 5, P::None, R::NoValidEntry, 717, B::None, FF::None, {}, PR::Normal},
    {kReportOnly, "--report-only", K::Switch, kNoList, 0, A::Bare, F::NameOnly, -1, P::None, R::None, 0, B::None, FF::None, {}, PR::Normal},
    {kReportType, "--report-type", K::Choice, kListReportType, 1, A::Choice, F::NameEntry, 6, P::None, R::NoValidEntry, 718, B::None, FF::None, {}, PR::Normal},
    {kStopOnParseErr, "--stop-on-parse-err", K::Switch, kNoList, 0, A::Bare, F::NameOnly, -1, P::None, R::None, 0, B::None, FF::None, {}, PR::Normal},
    {kSuppressWarnings, "--suppress-warnings", K::Text, kNoList, 0, A::Plain, F::PlainText, 9, P::None, R::EmptyValue, 719, B::None, FF::None, {}, PR::Normal},
    {kSuppressWarningsAll, "--suppress-warnings-all", K::Switch, kNoList, 0, A::Bare, F::NameOnly, -1, P::None, R::None, 0, B::None, FF::None, {}, PR::Normal},
    {kSyclNamedLambda, "--sycl-named-lambda", K::Switch, kNoList, 0, A::Bare, F::NameOnly, -1, P::None, R::None, 0, B::None, FF::None, {}, PR::Normal},
    {kUseCustomHelper, "--use-custom-helper", K::Choice, kListUseCustomHelper, 0, A::Choice, F::NameEntry, 7, P::None, R::NoValidEntry, 720, B::None, FF::None, {}, PR::Normal},
    {kUseExperimentalFeatures, "--use-experimental-features", K::Choice, kListUseExperimentalFeatures, 0, A::Choice, F::NameEntry, 8, P::None, R::NoValidEntry, 721, B::None, FF::None, {}, PR::Normal},
    {kUseExplicitNamespace, "--use-explicit-namespace", K::Choice, kListUseExplicitNamespace, 2, A::Choice, F::NameEntry, 9, P::None, R::NoValidEntry, 722, B::None, FF::None, {}, PR::Normal},
    {kUsmLevel, "--usm-level", K::Choice, kListUsmLevel, 0, A::Choice, F::NameEntry, 10, P::None, R::NoValidEntryUnnamed, 726, B::None, FF::None, {}, PR::Normal},
    {kVcxprojFile, "--vcxprojfile", K::Text, kNoList, 0, A::Path, F::QuotedText, 10, P::Existing, R::InvalidFileName, 723, B::File, FF::VcxprojFiles, "Vcxproj", PR::Normal},
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

// The page's checks rest on these: every option with a value can be refused under a number of
// its own, and only a path browses, with a remembered folder.
constexpr bool rowsAreConsistent()
{
    for (const OptionInfo& o : kOptions) {
        const bool hasValue = o.kind != OptionKind::Switch;
        if (hasValue != (o.refusal != RefusalReason::None) || hasValue != (o.refusalId != 0))
            return false;
        if (o.path != PathRule::None && o.kind != OptionKind::Text)
            return false;
        if (o.browse != Browse::None && (o.path == PathRule::None || o.folderKey.empty()))
            return false;
        if ((o.browse == Browse::File) != (o.filter != FileFilter::None))
            return false;
    }
    return true;
}
static_assert(rowsAreConsistent());

// Slot order with one option moved to just after another.
constexpr std::array<int, kOptionCount> slotOrderMoving(int moved, int after)
{
    std::array<int, kOptionCount> order{};
    std::size_t n = 0;
    for (int slot = kFirstOptionSlot; slot < kSlotCount; ++slot) {
        if (slot == moved)
            continue;
        order[n++] = slot;
        if (slot == after)
            order[n++] = moved;
    }
    return order;
}

constexpr std::array<int, kOptionCount> kPageOrder = slotOrderMoving(kGenBuildScript, kExtraArg);
constexpr std::array<int, kOptionCount> kGridOrder =
    slotOrderMoving(kUseExperimentalFeatures, kUseExplicitNamespace);

} // namespace

std::span<const OptionInfo, kOptionCount> optionTable()
{
    return kOptions;
}

std::span<const int, kOptionCount> pageOrder()
{
    return kPageOrder;
}

std::span<const int, kOptionCount> gridOrder()
{
    return kGridOrder;
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
