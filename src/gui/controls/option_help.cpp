#include "controls/option_help.h"

#include "data/option_table.h"

#include <array>

#include <QCoreApplication>

namespace tovalo::gui {

namespace {

// Descriptions in slot order, slot 0 first. Kept as source texts so that lupdate finds them.
constexpr std::array<const char*, tovalo::kSlotCount> kDescriptions = {
    QT_TRANSLATE_NOOP("OptionHelp", "Shows the directory of the source file."),
    QT_TRANSLATE_NOOP("OptionHelp", "Shows the file name of the source file."),
    QT_TRANSLATE_NOOP("OptionHelp", "Always creates cl::sycl::queue with an asynchronous exception handler."),
    QT_TRANSLATE_NOOP("OptionHelp",
                      "Gives the tool a hint about the dimension of nd_range to use in the generated code."),
    QT_TRANSLATE_NOOP("OptionHelp", "Specifies the name of the makefile generated for the migrated files."),
    QT_TRANSLATE_NOOP("OptionHelp", "Inserts comments that explain the generated code."),
    QT_TRANSLATE_NOOP("OptionHelp", "Specifies the directory path of the CUDA header files."),
    QT_TRANSLATE_NOOP("OptionHelp",
                      "Specifies the helper header folder name and the main helper header file name."),
    QT_TRANSLATE_NOOP("OptionHelp",
                      "Uses C++17 class template argument deduction (CTAD) in the generated code."),
    QT_TRANSLATE_NOOP("OptionHelp",
                      "Specifies an additional argument to append to the migration command line."),
    QT_TRANSLATE_NOOP("OptionHelp", "Sets the range of formatting."),
    QT_TRANSLATE_NOOP("OptionHelp", "Sets the formatting style."),
    QT_TRANSLATE_NOOP("OptionHelp",
                      "Generates a makefile for the migrated files in the --out-root directory."),
    QT_TRANSLATE_NOOP(
        "OptionHelp",
        "Directory path of the root of the source tree to migrate. Only files under this root are migrated."),
    QT_TRANSLATE_NOOP("OptionHelp", "Keeps the original code in comments of the generated DPC++ files."),
    QT_TRANSLATE_NOOP("OptionHelp", "(Deprecated) Do not use the cl:: namespace inline."),
    QT_TRANSLATE_NOOP("OptionHelp",
                      "Sets a comma-separated list of DPC++ extensions not to be used in the migrated code."),
    QT_TRANSLATE_NOOP("OptionHelp", "Does not use the Don't Repeat Yourself (DRY) pattern when functions of "
                                    "the dpct namespace are inserted."),
    QT_TRANSLATE_NOOP("OptionHelp", "Tells the tool not to migrate incrementally."),
    QT_TRANSLATE_NOOP(
        "OptionHelp",
        "Generates code that applies more aggressive assumptions, which may change the program's semantics."),
    QT_TRANSLATE_NOOP("OptionHelp", "Specifies the directory path of the root of the generated files. The "
                                    "directory is created if it does not exist."),
    QT_TRANSLATE_NOOP(
        "OptionHelp",
        "Redirects the stdout/stderr output to a file in the output directory given by --out-root."),
    QT_TRANSLATE_NOOP("OptionHelp", "Sets the level of detail of the output."),
    QT_TRANSLATE_NOOP(
        "OptionHelp",
        "Directory path of the compilation database (compile_commands.json). Without a path, "
        "compile_commands.json is searched for in every parent directory of the first input source file."),
    QT_TRANSLATE_NOOP("OptionHelp",
                      "Migrates or copies every file except hidden ones from the --in-root directory to the "
                      "--out-root directory. --in-root must be given explicitly."),
    QT_TRANSLATE_NOOP("OptionHelp", "Prefix of the report file names. The full name gets a suffix derived "
                                    "from report-type and an extension derived from report-format."),
    QT_TRANSLATE_NOOP("OptionHelp", "Sets the format of the reports."),
    QT_TRANSLATE_NOOP("OptionHelp", "Only reports are generated. No DPC++ code is generated."),
    QT_TRANSLATE_NOOP("OptionHelp", "Specifies the type of the report."),
    QT_TRANSLATE_NOOP("OptionHelp", "Stops migration and report generation when a parsing error occurs."),
    QT_TRANSLATE_NOOP("OptionHelp", "Specifies a comma-separated list of migration warnings to suppress. "
                                    "Valid warning IDs range from 1000 to 1047."),
    QT_TRANSLATE_NOOP("OptionHelp", "Suppresses all migration warnings."),
    QT_TRANSLATE_NOOP("OptionHelp", "Generates kernels with the kernel name."),
    QT_TRANSLATE_NOOP("OptionHelp", "Customizes the helper header files for the migrated code."),
    QT_TRANSLATE_NOOP("OptionHelp", "Sets a comma-separated list of experimental features to be used in the "
                                    "migrated code. By default no experimental features are used."),
    QT_TRANSLATE_NOOP("OptionHelp", "Defines the namespaces to use explicitly in the generated code."),
    QT_TRANSLATE_NOOP("OptionHelp",
                      "Sets the Unified Shared Memory (USM) level to use in source code generation."),
    QT_TRANSLATE_NOOP("OptionHelp", "Specifies the file path of the vcxproj file."),
};

} // namespace

QString optionRowName(int slot)
{
    if (slot == tovalo::kSlotDirName)
        return QCoreApplication::translate("OptionHelp", "Directory name");
    if (slot == tovalo::kSlotFileName)
        return QCoreApplication::translate("OptionHelp", "File name");
    if (slot < tovalo::kFirstOptionSlot || slot >= tovalo::kSlotCount)
        return {};
    const std::string_view name = tovalo::optionAt(slot).name;
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QString optionRowDescription(int slot)
{
    if (slot < 0 || slot >= tovalo::kSlotCount)
        return {};
    return QCoreApplication::translate("OptionHelp", kDescriptions[static_cast<std::size_t>(slot)]);
}

} // namespace tovalo::gui
