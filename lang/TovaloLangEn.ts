<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DirectoryScan</name>
    <message>
        <source>Searching for CUDA files...</source>
        <translation>Searching for CUDA files...</translation>
    </message>
    <message>
        <source>Searching for CUDA files...
%1 folders, %2 files found</source>
        <translation>Searching for CUDA files...
Folders searched: %1, files found: %2</translation>
    </message>
    <message>
        <source>Add Data</source>
        <translation>Add Item</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>There were no items to add.</source>
        <translation>There were no items to add.</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... and %1 more</translation>
    </message>
    <message>
        <source>%1 CUDA files were left out: their names contain a line break, which a definition file cannot hold.

%2</source>
        <translation>CUDA files left out: %1. Their names contain a line break, which a definition file cannot hold.

%2</translation>
    </message>
    <message>
        <source>%1 with a line break in the name</source>
        <translation>files with a line break in the name (%1)</translation>
    </message>
    <message>
        <source>%1 folders could not be read</source>
        <translation>folders that could not be read (%1)</translation>
    </message>
    <message>
        <source>%1 links to folders not followed</source>
        <translation>links to folders, not followed (%1)</translation>
    </message>
    <message>
        <source>Folder scan: %1 added, %2 already in the list</source>
        <translation>Folder scan: %1 added, %2 already in the list</translation>
    </message>
    <message>
        <source>, skipped: %1</source>
        <translation>; skipped: %1</translation>
    </message>
</context>
<context>
    <name>LogContextMenu</name>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>Clear &amp;All</translation>
    </message>
    <message>
        <source>Select A&amp;ll</source>
        <translation>Select A&amp;ll</translation>
    </message>
</context>
<context>
    <name>OptionHelp</name>
    <message>
        <source>Shows the directory of the source file.</source>
        <translation>Shows the directory of the source file.</translation>
    </message>
    <message>
        <source>Shows the file name of the source file.</source>
        <translation>Shows the file name of the source file.</translation>
    </message>
    <message>
        <source>Always creates cl::sycl::queue with an asynchronous exception handler.</source>
        <translation>Always creates cl::sycl::queue with an asynchronous exception handler.</translation>
    </message>
    <message>
        <source>Gives the tool a hint about the dimension of nd_range to use in the generated code.</source>
        <translation>Gives the tool a hint about the dimension of nd_range to use in the generated code.</translation>
    </message>
    <message>
        <source>Specifies the name of the makefile generated for the migrated files.</source>
        <translation>Specifies the name of the makefile generated for the migrated files.</translation>
    </message>
    <message>
        <source>Inserts comments that explain the generated code.</source>
        <translation>Inserts comments that explain the generated code.</translation>
    </message>
    <message>
        <source>Specifies the directory path of the CUDA header files.</source>
        <translation>Specifies the directory path of the CUDA header files.</translation>
    </message>
    <message>
        <source>Specifies the helper header folder name and the main helper header file name.</source>
        <translation>Specifies the helper header folder name and the main helper header file name.</translation>
    </message>
    <message>
        <source>Uses C++17 class template argument deduction (CTAD) in the generated code.</source>
        <translation>Uses C++17 class template argument deduction (CTAD) in the generated code.</translation>
    </message>
    <message>
        <source>Specifies an additional argument to append to the migration command line.</source>
        <translation>Specifies an additional argument to append to the migration command line.</translation>
    </message>
    <message>
        <source>Sets the range of formatting.</source>
        <translation>Sets the range of formatting.</translation>
    </message>
    <message>
        <source>Sets the formatting style.</source>
        <translation>Sets the formatting style.</translation>
    </message>
    <message>
        <source>Generates a makefile for the migrated files in the --out-root directory.</source>
        <translation>Generates a makefile for the migrated files in the --out-root directory.</translation>
    </message>
    <message>
        <source>Directory path of the root of the source tree to migrate. Only files under this root are migrated.</source>
        <translation>Directory path of the root of the source tree to migrate. Only files under this root are migrated.</translation>
    </message>
    <message>
        <source>Keeps the original code in comments of the generated DPC++ files.</source>
        <translation>Keeps the original code in comments of the generated DPC++ files.</translation>
    </message>
    <message>
        <source>(Deprecated) Do not use the cl:: namespace inline.</source>
        <translation>(Deprecated) Do not use the cl:: namespace inline.</translation>
    </message>
    <message>
        <source>Sets a comma-separated list of DPC++ extensions not to be used in the migrated code.</source>
        <translation>Sets a comma-separated list of DPC++ extensions not to be used in the migrated code.</translation>
    </message>
    <message>
        <source>Does not use the Don&apos;t Repeat Yourself (DRY) pattern when functions of the dpct namespace are inserted.</source>
        <translation>Does not use the Don&apos;t Repeat Yourself (DRY) pattern when functions of the dpct namespace are inserted.</translation>
    </message>
    <message>
        <source>Tells the tool not to migrate incrementally.</source>
        <translation>Tells the tool not to migrate incrementally.</translation>
    </message>
    <message>
        <source>Generates code that applies more aggressive assumptions, which may change the program&apos;s semantics.</source>
        <translation>Generates code that applies more aggressive assumptions, which may change the program&apos;s semantics.</translation>
    </message>
    <message>
        <source>Specifies the directory path of the root of the generated files. The directory is created if it does not exist.</source>
        <translation>Specifies the directory path of the root of the generated files. The directory is created if it does not exist.</translation>
    </message>
    <message>
        <source>Redirects the stdout/stderr output to a file in the output directory given by --out-root.</source>
        <translation>Redirects the stdout/stderr output to a file in the output directory given by --out-root.</translation>
    </message>
    <message>
        <source>Sets the level of detail of the output.</source>
        <translation>Sets the level of detail of the output.</translation>
    </message>
    <message>
        <source>Directory path of the compilation database (compile_commands.json). Without a path, compile_commands.json is searched for in every parent directory of the first input source file.</source>
        <translation>Directory path of the compilation database (compile_commands.json). Without a path, compile_commands.json is searched for in every parent directory of the first input source file.</translation>
    </message>
    <message>
        <source>Migrates or copies every file except hidden ones from the --in-root directory to the --out-root directory. --in-root must be given explicitly.</source>
        <translation>Migrates or copies every file except hidden ones from the --in-root directory to the --out-root directory. --in-root must be given explicitly.</translation>
    </message>
    <message>
        <source>Prefix of the report file names. The full name gets a suffix derived from report-type and an extension derived from report-format.</source>
        <translation>Prefix of the report file names. The full name gets a suffix derived from report-type and an extension derived from report-format.</translation>
    </message>
    <message>
        <source>Sets the format of the reports.</source>
        <translation>Sets the format of the reports.</translation>
    </message>
    <message>
        <source>Only reports are generated. No DPC++ code is generated.</source>
        <translation>Only reports are generated. No DPC++ code is generated.</translation>
    </message>
    <message>
        <source>Specifies the type of the report.</source>
        <translation>Specifies the type of the report.</translation>
    </message>
    <message>
        <source>Stops migration and report generation when a parsing error occurs.</source>
        <translation>Stops migration and report generation when a parsing error occurs.</translation>
    </message>
    <message>
        <source>Specifies a comma-separated list of migration warnings to suppress. Valid warning IDs range from 1000 to 1047.</source>
        <translation>Specifies a comma-separated list of migration warnings to suppress. Valid warning IDs range from 1000 to 1047.</translation>
    </message>
    <message>
        <source>Suppresses all migration warnings.</source>
        <translation>Suppresses all migration warnings.</translation>
    </message>
    <message>
        <source>Generates kernels with the kernel name.</source>
        <translation>Generates kernels with the kernel name.</translation>
    </message>
    <message>
        <source>Customizes the helper header files for the migrated code.</source>
        <translation>Customizes the helper header files for the migrated code.</translation>
    </message>
    <message>
        <source>Sets a comma-separated list of experimental features to be used in the migrated code. By default no experimental features are used.</source>
        <translation>Sets a comma-separated list of experimental features to be used in the migrated code. By default no experimental features are used.</translation>
    </message>
    <message>
        <source>Defines the namespaces to use explicitly in the generated code.</source>
        <translation>Defines the namespaces to use explicitly in the generated code.</translation>
    </message>
    <message>
        <source>Sets the Unified Shared Memory (USM) level to use in source code generation.</source>
        <translation>Sets the Unified Shared Memory (USM) level to use in source code generation.</translation>
    </message>
    <message>
        <source>Specifies the file path of the vcxproj file.</source>
        <translation>Specifies the file path of the vcxproj file.</translation>
    </message>
    <message>
        <source>Directory name</source>
        <translation>Directory name</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>File name</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CAboutDlg</name>
    <message>
        <source>About Tovalo</source>
        <translation>About Tovalo</translation>
    </message>
    <message>
        <source>Tovalo: a desktop front end for the dpct migration tool</source>
        <translation>Tovalo: a desktop front end for the dpct migration tool</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tovalo developers</source>
        <translation>Copyright © 2026 The Tovalo developers</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Intel® oneAPI DPC++ Compatibility Tool
Support application
&lt;&lt; Tovalo &gt;&gt;</source>
        <translation>Intel® oneAPI DPC++ Compatibility Tool
Support application
&lt;&lt; Tovalo &gt;&gt;</translation>
    </message>
    <message>
        <source>not installed.</source>
        <translation>Not installed</translation>
    </message>
    <message>
        <source>[Application Version]</source>
        <translation>[Application version]</translation>
    </message>
    <message>
        <source>[dpct Version]</source>
        <translation>[dpct version]</translation>
    </message>
    <message>
        <source>Path : %1</source>
        <translation>Path: %1</translation>
    </message>
    <message>
        <source>dpct version : %1</source>
        <translation>dpct version: %1</translation>
    </message>
    <message>
        <source>dpct codebase : %1</source>
        <translation>dpct codebase: %1</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CChildFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>dpct Diagnostics - %1</source>
        <translation>dpct Diagnostics - %1</translation>
    </message>
    <message>
        <source>Untitled %1</source>
        <translation>Untitled %1</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CColorPopup</name>
    <message>
        <source>Black</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Brown</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Dark Green</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>Dark Teal</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>Dark Blue</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Grey 80%</source>
        <translation>Grey 80%</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>Dark Red</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation>Dark Yellow</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Teal</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Blue-Grey</source>
        <translation>Blue-Grey</translation>
    </message>
    <message>
        <source>Grey 40%</source>
        <translation>Grey 40%</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Light Orange</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lime</translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation>Sea Green</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Light Blue</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Grey 50%</source>
        <translation>Grey 50%</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation>Bright Green</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquoise</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Sky Blue</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Plum</translation>
    </message>
    <message>
        <source>Grey 25%</source>
        <translation>Grey 25%</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Tan</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Light Yellow</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Light Green</translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation>Light Turquoise</translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation>Pale Blue</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavender</translation>
    </message>
    <message>
        <source>White</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>More Colours...</source>
        <translation>More Colours...</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Colour</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::DiagnosticsView</name>
    <message>
        <source>dpct Diagnostics</source>
        <translation>dpct Diagnostics</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>First message</source>
        <translation>First message</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>the default program for the file</source>
        <translation>the default program for the file</translation>
    </message>
    <message>
        <source>The command line that opens a source file, for example
code --goto {file}:{line}:{column}
{file}, {line} and {column} are replaced; the program is started without a shell.</source>
        <translation>The command line that opens a source file, for example
code --goto {file}:{line}:{column}
{file}, {line} and {column} are replaced; the program is started without a shell.</translation>
    </message>
    <message>
        <source>Open &amp;with:</source>
        <translation>Open &amp;with:</translation>
    </message>
    <message>
        <source>The last run gave no diagnostics.</source>
        <translation>The last run gave no diagnostics.</translation>
    </message>
    <message numerus="yes">
        <source>%n diagnostic(s) of dpct in %1 item(s). Double-click a row to open its source location.</source>
        <translation>
            <numerusform>%n dpct diagnostic; items with diagnostics: %1. Double-click a row to open its source location.</numerusform>
            <numerusform>%n dpct diagnostics; items with diagnostics: %1. Double-click a row to open its source location.</numerusform>
        </translation>
    </message>
    <message>
        <source>The source location could not be opened.
%1</source>
        <translation>The source location could not be opened.
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n more diagnostic(s) were printed but not kept (an item keeps at most %1).</source>
        <translation>
            <numerusform>%n more diagnostic was printed but not kept (an item keeps at most %1).</numerusform>
            <numerusform>%n more diagnostics were printed but not kept (an item keeps at most %1).</numerusform>
        </translation>
    </message>
    <message>
        <source>Opens %1 at line %2, column %3.</source>
        <translation>Opens %1 at line %2, column %3.</translation>
    </message>
    <message>
        <source>Nothing has been converted in this list yet; dpct&apos;s diagnostics are shown here after a run.</source>
        <translation>Nothing has been converted in this list yet; dpct&apos;s diagnostics are shown here after a run.</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctDataDlg</name>
    <message>
        <source>Add Data</source>
        <translation>Add Item</translation>
    </message>
    <message>
        <source>Update Data</source>
        <translation>Edit Item</translation>
    </message>
    <message>
        <source>File/Directory Selection</source>
        <translation>File or folder</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>Select a &amp;file</translation>
    </message>
    <message>
        <source>Select a directory</source>
        <translation>Select a f&amp;older</translation>
    </message>
    <message>
        <source>Also take the .cu sources in sub-directories</source>
        <translation>Include the .cu files in &amp;subfolders</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Select the CUDA file to convert</source>
        <translation>Select the CUDA file to convert</translation>
    </message>
    <message>
        <source>Select the folder that holds the CUDA files to convert</source>
        <translation>Select the folder that holds the CUDA files to convert</translation>
    </message>
    <message>
        <source>Conversion Option Settings</source>
        <translation>Conversion options</translation>
    </message>
    <message>
        <source>Uncheck all</source>
        <translation>&amp;Uncheck All</translation>
    </message>
    <message>
        <source>Check all</source>
        <translation>&amp;Check All</translation>
    </message>
    <message>
        <source>cuda file (*.cu);;All Files (*)</source>
        <translation>CUDA files (*.cu);;All files (*)</translation>
    </message>
    <message>
        <source>The selected file is already in the list.</source>
        <translation>The selected file is already in the list.</translation>
    </message>
    <message>
        <source>The file name is not valid. Enter a valid file name.</source>
        <translation>The file name is not valid. Enter a valid file name.</translation>
    </message>
    <message>
        <source>The directory name is not valid. Enter a valid directory name.</source>
        <translation>The directory name is not valid. Enter a valid directory name.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains a line break, which a definition file cannot hold. Rename the file first.</source>
        <translation>The file name &quot;%1&quot; contains a line break, which a definition file cannot hold. Rename the file first.</translation>
    </message>
    <message>
        <source>The directory name &quot;%1&quot; contains a line break, which a definition file cannot hold. Rename the directory first.</source>
        <translation>The directory name &quot;%1&quot; contains a line break, which a definition file cannot hold. Rename the directory first.</translation>
    </message>
    <message numerus="yes">
        <source>Update %n Items</source>
        <translation>
            <numerusform>Update %n Item</numerusform>
            <numerusform>Update %n Items</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctDataSetDlg</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Select the directory of the CUDA header files</source>
        <translation>Select the directory of the CUDA header files</translation>
    </message>
    <message>
        <source>Select the root directory of the source tree</source>
        <translation>Select the root directory of the source tree</translation>
    </message>
    <message>
        <source>Select the root directory of the generated files</source>
        <translation>Select the root directory of the generated files</translation>
    </message>
    <message>
        <source>Select the directory of the compilation database</source>
        <translation>Select the directory of the compilation database</translation>
    </message>
    <message>
        <source>Select the output file for stdout / stderr</source>
        <translation>Select the output file for stdout / stderr</translation>
    </message>
    <message>
        <source>Text File (*.txt);;All Files (*)</source>
        <translation>Text files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Select the vcxproj file</source>
        <translation>Select the vcxproj file</translation>
    </message>
    <message>
        <source>vcxproj file (*.vcxproj);;All Files (*)</source>
        <translation>vcxproj files (*.vcxproj);;All files (*)</translation>
    </message>
    <message>
        <source>The selected value is not valid. Select a correct value.</source>
        <translation>The selected value is not valid. Select a correct value.</translation>
    </message>
    <message>
        <source>The name you entered is not valid. Enter a suitable name.</source>
        <translation>The name you entered is not valid. Enter a suitable name.</translation>
    </message>
    <message>
        <source>The path you entered is not valid. Enter a correct path.</source>
        <translation>The path you entered is not valid. Enter a correct path.</translation>
    </message>
    <message>
        <source>The file name you entered is not valid. Enter a correct file name.</source>
        <translation>The file name you entered is not valid. Enter a correct file name.</translation>
    </message>
    <message>
        <source>No value has been entered. Enter a suitable value.</source>
        <translation>No value has been entered. Enter a suitable value.</translation>
    </message>
    <message>
        <source>The quotes in the value you entered do not pair up, or it contains a line break or a control character. Close every quote you open.</source>
        <translation>The quotes in the value you entered do not pair up, or it contains a line break or a control character. Close every quote you open.</translation>
    </message>
    <message>
        <source>The folder you entered is missing, and so is the folder that would hold it. Enter an existing folder, or a new one in an existing folder.</source>
        <translation>The folder you entered is missing, and so is the folder that would hold it. Enter an existing folder, or a new one in an existing folder.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries are not valid:</source>
        <translation>
            <numerusform>%n entry is not valid:</numerusform>
            <numerusform>%n entries are not valid:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctPropCtrl</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Conversion options</source>
        <translation>Conversion options</translation>
    </message>
    <message>
        <source>Options of the selected item</source>
        <translation>Options of the selected item</translation>
    </message>
    <message>
        <source>(mixed)</source>
        <translation>(mixed)</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctResultCtrl</name>
    <message>
        <source>[... the beginning of this output is not shown ...]</source>
        <translation>[... the beginning of this output is not shown ...]</translation>
    </message>
    <message>
        <source>dpct diagnostics: %1</source>
        <translation>dpct diagnostics: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n more not kept</source>
        <translation>
            <numerusform>%n more not kept</numerusform>
            <numerusform>%n more not kept</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctTreeCtrl</name>
    <message>
        <source>Conversion items</source>
        <translation>Conversion items</translation>
    </message>
    <message>
        <source>Row %1 of %2: %3</source>
        <translation>Row %1 of %2: %3</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Converting</translation>
    </message>
    <message>
        <source>Converted OK</source>
        <translation>Converted OK</translation>
    </message>
    <message>
        <source>Converted NG</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Syntax errors</source>
        <translation>Syntax errors</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnostics</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::MainCommands</name>
    <message>
        <source>Windows &amp;7</source>
        <translation>Windows &amp;7</translation>
    </message>
    <message>
        <source>Windows &amp;2000</source>
        <translation>Windows &amp;2000</translation>
    </message>
    <message>
        <source>Office &amp;XP</source>
        <translation>Office &amp;XP</translation>
    </message>
    <message>
        <source>&amp;Windows XP</source>
        <translation>&amp;Windows XP</translation>
    </message>
    <message>
        <source>Office 200&amp;3</source>
        <translation>Office 200&amp;3</translation>
    </message>
    <message>
        <source>Visual Studio 200&amp;5</source>
        <translation>Visual Studio 200&amp;5</translation>
    </message>
    <message>
        <source>Visual Studio 200&amp;8</source>
        <translation>Visual Studio 200&amp;8</translation>
    </message>
    <message>
        <source>Office2007: &amp;Blue Style</source>
        <translation>Office2007: &amp;Blue Style</translation>
    </message>
    <message>
        <source>Office2007: B&amp;lack Style</source>
        <translation>Office2007: B&amp;lack Style</translation>
    </message>
    <message>
        <source>Office2007: &amp;Silver Style</source>
        <translation>Office2007: &amp;Silver Style</translation>
    </message>
    <message>
        <source>Office2007: &amp;Aqua Style</source>
        <translation>Office2007: &amp;Aqua Style</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Create a new definition file
New</source>
        <translation>Create a new definition file
New</translation>
    </message>
    <message>
        <source>&amp;Open Definition File...</source>
        <translation>&amp;Open Definition File...</translation>
    </message>
    <message>
        <source>Open a definition file
Open</source>
        <translation>Open a definition file
Open</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;New Window</translation>
    </message>
    <message>
        <source>Open another window for a new definition file
New Window</source>
        <translation>Open another window for a new definition file
New Window</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>Recent &amp;Files</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>Quit the application
Exit</translation>
    </message>
    <message>
        <source>&amp;Start Conversion</source>
        <translation>&amp;Start Conversion</translation>
    </message>
    <message>
        <source>Convert every item of the list with dpct
Start</source>
        <translation>Convert every item of the list with dpct
Start</translation>
    </message>
    <message>
        <source>S&amp;top Conversion</source>
        <translation>S&amp;top Conversion</translation>
    </message>
    <message>
        <source>Stop the conversion
Stop</source>
        <translation>Stop the conversion
Stop</translation>
    </message>
    <message>
        <source>&amp;Pause/Resume Conversion</source>
        <translation>&amp;Pause/Resume Conversion</translation>
    </message>
    <message>
        <source>Pause or resume the conversion
Pause/Resume</source>
        <translation>Pause or resume the conversion
Pause/Resume</translation>
    </message>
    <message>
        <source>&amp;Settings...	F12</source>
        <translation>&amp;Options...	F12</translation>
    </message>
    <message>
        <source>Change the settings
Settings</source>
        <translation>Change the options
Options</translation>
    </message>
    <message>
        <source>&amp;About Tovalo...</source>
        <translation>&amp;About Tovalo...</translation>
    </message>
    <message>
        <source>Show the program&apos;s version
About</source>
        <translation>Show the program&apos;s version
About</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toolbar</source>
        <translation>Show or hide the toolbar
Toolbar</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Status Bar</source>
        <translation>Show or hide the status bar
Status Bar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <comment>submenu</comment>
        <translation>Recent &amp;Files</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Convert</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Application Look</source>
        <translation>&amp;Application Look</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>&amp;Re-run Failed Items</source>
        <translation>&amp;Re-run Failed Items</translation>
    </message>
    <message>
        <source>Convert again only the items whose last result was not OK
Re-run Failed</source>
        <translation>Convert again only the items whose last result was not OK
Re-run Failed</translation>
    </message>
    <message>
        <source>Tovalo &amp;User Guide</source>
        <translation>Tovalo &amp;User Guide</translation>
    </message>
    <message>
        <source>Open the user guide of Tovalo
User Guide</source>
        <translation>Open the user guide of Tovalo
User Guide</translation>
    </message>
    <message>
        <source>&amp;dpct Documentation (Web)</source>
        <translation>&amp;dpct Documentation (Web)</translation>
    </message>
    <message>
        <source>Open the documentation of dpct in the web browser
dpct Documentation</source>
        <translation>Open the documentation of dpct in the web browser
dpct Documentation</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>Arrange the windows so that they overlap
Cascade</source>
        <translation>Arrange the windows so that they overlap
Cascade</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Tile</translation>
    </message>
    <message>
        <source>Arrange the windows side by side
Tile</source>
        <translation>Arrange the windows side by side
Tile</translation>
    </message>
    <message>
        <source>Ne&amp;xt Window</source>
        <translation>Ne&amp;xt Window</translation>
    </message>
    <message>
        <source>Activate the next window
Next Window</source>
        <translation>Activate the next window
Next Window</translation>
    </message>
    <message>
        <source>&amp;Previous Window</source>
        <translation>&amp;Previous Window</translation>
    </message>
    <message>
        <source>Activate the previous window
Previous Window</source>
        <translation>Activate the previous window
Previous Window</translation>
    </message>
    <message>
        <source>Close &amp;All</source>
        <translation>Close &amp;All</translation>
    </message>
    <message>
        <source>Close every document window
Close All</source>
        <translation>Close every document window
Close All</translation>
    </message>
    <message>
        <source>&amp;Import Compilation Database...</source>
        <translation>&amp;Import Compilation Database...</translation>
    </message>
    <message>
        <source>Make conversion items from a compilation database (compile_commands.json)
Import Compilation Database</source>
        <translation>Make conversion items from a compilation database (compile_commands.json)
Import Compilation Database</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CMainFrame</name>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>Open Definition File</source>
        <translation>Open Definition File</translation>
    </message>
    <message>
        <source>Definition file (*.txt);;All Files (*)</source>
        <translation>Definition files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>&quot;Intel®  oneAPI DPC++ Compatibility Tool&quot; Support App
Do you really want to quit?</source>
        <translation>&quot;Intel® oneAPI DPC++ Compatibility Tool&quot; support application
Do you want to quit?</translation>
    </message>
    <message>
        <source>The web browser could not be started for %1.</source>
        <translation>The web browser could not be started for %1.</translation>
    </message>
    <message>
        <source>The user guide was not found. It was looked for in:
%1</source>
        <translation>The user guide was not found. It was looked for in:
%1</translation>
    </message>
    <message>
        <source>No program could be started to show %1.</source>
        <translation>No program could be started to show %1.</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::MainStatusBar</name>
    <message>
        <source>Starting setvars</source>
        <translation>Starting setvars</translation>
    </message>
    <message>
        <source>Running setvars...</source>
        <translation>Running setvars...</translation>
    </message>
    <message>
        <source>Querying the dpct version</source>
        <translation>Querying the dpct version</translation>
    </message>
    <message>
        <source>Querying the dpct version...</source>
        <translation>Querying the dpct version...</translation>
    </message>
    <message>
        <source>dpct conversion started</source>
        <translation>Conversion started</translation>
    </message>
    <message>
        <source>dpct converting...</source>
        <translation>Converting with dpct...</translation>
    </message>
    <message>
        <source>dpct run paused</source>
        <translation>dpct run paused</translation>
    </message>
    <message>
        <source>dpct ver: %1</source>
        <translation>dpct version: %1</translation>
    </message>
    <message>
        <source>DEMO: simulated oneAPI toolkit</source>
        <translation>DEMO: simulated oneAPI toolkit</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Stopping...</translation>
    </message>
    <message numerus="yes">
        <source>%1 OK, %2 failed, %n with syntax errors</source>
        <translation>
            <numerusform>%1 OK, %2 failed, %n with syntax errors</numerusform>
            <numerusform>%1 OK, %2 failed, %n with syntax errors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %1 of %n item(s): %2 (%3)</source>
        <translation>
            <numerusform>Stopped after %1 of %n item: %2 (%3)</numerusform>
            <numerusform>Stopped after %1 of %n items: %2 (%3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished %n item(s): %1 (%2)</source>
        <translation>
            <numerusform>Finished %n item: %1 (%2)</numerusform>
            <numerusform>Finished %n items: %1 (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion unavailable: oneAPI not found</source>
        <translation>Conversion unavailable: oneAPI not found</translation>
    </message>
    <message numerus="yes">
        <source>%n running</source>
        <translation>
            <numerusform>%n running</numerusform>
            <numerusform>%n running</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tovalo::gui::COutputPane</name>
    <message>
        <source>[... older output removed to keep the pane fast ...]</source>
        <translation>[... older output removed to keep the pane fast ...]</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Save Output As</source>
        <translation>Save Output As</translation>
    </message>
    <message>
        <source>Log files (*.log);;Text files (*.txt);;All Files (*)</source>
        <translation>Log files (*.log);;Text files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>The output could not be saved to %1:
%2</source>
        <translation>The output could not be saved to %1:
%2</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Find...</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Save As...</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::LogFindBar</name>
    <message>
        <source>Not found</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>Wrapped around</source>
        <translation>Wrapped around</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>Fi&amp;nd:</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Find the next match (F3)</source>
        <translation>Find the next match (F3)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Find the previous match (Shift+F3)</source>
        <translation>Find the previous match (Shift+F3)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Close the find bar (Esc)</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CToolOptionPageColor</name>
    <message>
        <source>Item list</source>
        <translation>Item list</translation>
    </message>
    <message>
        <source>Row text</source>
        <translation>Row text</translation>
    </message>
    <message>
        <source>Row background</source>
        <translation>Row background</translation>
    </message>
    <message>
        <source>Status &quot;Converting&quot;: text</source>
        <translation>Status &quot;Converting&quot;: text</translation>
    </message>
    <message>
        <source>Status &quot;Syntax errors&quot;: text</source>
        <translation>Status &quot;Syntax errors&quot;: text</translation>
    </message>
    <message>
        <source>Status &quot;Converted OK&quot;: text</source>
        <translation>Status &quot;Converted OK&quot;: text</translation>
    </message>
    <message>
        <source>Status &quot;Failed&quot;: text</source>
        <translation>Status &quot;Failed&quot;: text</translation>
    </message>
    <message>
        <source>Conversion result window</source>
        <translation>Result pane</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Output window</source>
        <translation>Output pane</translation>
    </message>
    <message>
        <source>C&amp;olour:</source>
        <translation>C&amp;olour:</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Undo &amp;all</source>
        <translation>Undo &amp;all</translation>
    </message>
    <message>
        <source>&amp;Reset to the initial colours</source>
        <translation>&amp;Reset to the default colours</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CToolOptionPageGeneral</name>
    <message>
        <source>3D style</source>
        <translation>3D style</translation>
    </message>
    <message>
        <source>Microsoft OneNote style</source>
        <translation>Microsoft OneNote style</translation>
    </message>
    <message>
        <source>Visual Studio 2005 style</source>
        <translation>Visual Studio 2005 style</translation>
    </message>
    <message>
        <source>Style with tab labels</source>
        <translation>Style with tab labels</translation>
    </message>
    <message>
        <source>Flat style with a horizontal scroll bar</source>
        <translation>Flat style with a horizontal scroll bar</translation>
    </message>
    <message>
        <source>Rounded tab labels</source>
        <translation>Rounded tab labels</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Language:</translation>
    </message>
    <message>
        <source>* Takes effect after a restart</source>
        <translation>* Takes effect after a restart</translation>
    </message>
    <message>
        <source>&amp;Application look:</source>
        <translation>&amp;Application look:</translation>
    </message>
    <message>
        <source>&amp;Tab mode</source>
        <translation>&amp;Tab mode</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Tabs</translation>
    </message>
    <message>
        <source>Tab l&amp;ocation:</source>
        <translation>Tab l&amp;ocation:</translation>
    </message>
    <message>
        <source>Tab &amp;style:</source>
        <translation>Tab &amp;style:</translation>
    </message>
    <message>
        <source>A &amp;Close button on every tab</source>
        <translation>A &amp;Close button on every tab</translation>
    </message>
    <message>
        <source>A colou&amp;r for every tab</source>
        <translation>A colou&amp;r for every tab</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>The changed language setting takes effect at the next start.</source>
        <translation>The changed language setting takes effect at the next start.</translation>
    </message>
    <message>
        <source>&amp;Parallel conversions:</source>
        <translation>&amp;Parallel conversions:</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>Automatic (%1)</translation>
    </message>
    <message>
        <source>How many dpct runs go on side by side. Automatic: one per logical processor, at most one per 2 GiB of available memory. Items that write into the same out-root folder never run at the same time.</source>
        <translation>How many dpct runs go on side by side. Automatic: one per logical processor, at most one per 2 GiB of available memory. Items that write into the same out-root folder never run at the same time.</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CToolOptionProp</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Colour settings</source>
        <translation>Colour settings</translation>
    </message>
    <message>
        <source>The settings could not be saved:
%1</source>
        <translation>The settings could not be saved:
%1</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CTovaloApp</name>
    <message>
        <source>Intel® oneAPI is not installed. Files cannot be converted to DPC++, but definition files (the files to convert with their conversion options) can still be made.</source>
        <translation>Intel® oneAPI is not installed. Files cannot be converted to DPC++, but definition files (the files to convert with their conversion options) can still be made.</translation>
    </message>
    <message>
        <source>[Tovalo] The command interpreter could not be started: %1
</source>
        <translation>[Tovalo] The command interpreter could not be started: %1
</translation>
    </message>
    <message>
        <source>Front end for the dpct CUDA-to-SYCL migration tool.</source>
        <translation>Front end for the dpct CUDA-to-SYCL migration tool.</translation>
    </message>
    <message>
        <source>Use the simulated oneAPI toolkit in &lt;folder&gt; (demo mode).</source>
        <translation>Use the simulated oneAPI toolkit in &lt;folder&gt; (demo mode).</translation>
    </message>
    <message>
        <source>Single-instance key (tests).</source>
        <translation>Single-instance key (tests).</translation>
    </message>
    <message>
        <source>Definition files to open.</source>
        <translation>Definition files to open.</translation>
    </message>
    <message>
        <source>Tovalo looked for oneAPI in:</source>
        <translation>Tovalo looked for oneAPI in:</translation>
    </message>
    <message>
        <source>To use an installation in another folder, set the environment variable ONEAPI_ROOT to that folder (the one that holds the setvars script) and start Tovalo again.</source>
        <translation>To use an installation in another folder, set the environment variable ONEAPI_ROOT to that folder (the one that holds the setvars script) and start Tovalo again.</translation>
    </message>
    <message>
        <source>The settings could not be read, so Tovalo starts with its default settings and will not save over them when it ends:
%1</source>
        <translation>The settings could not be read, so Tovalo starts with its default settings and will not save over them when it ends:
%1</translation>
    </message>
    <message>
        <source>The settings could not be saved; the changes of this session are lost:
%1</source>
        <translation>The settings could not be saved; the changes of this session are lost:
%1</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CoreMessages</name>
    <message>
        <source>dpct printed no version line: it is not installed or not on the path that the environment script sets. Conversion is not possible.</source>
        <translation>dpct printed no version line: it is not installed or not on the path that the environment script sets. Conversion is not possible.</translation>
    </message>
    <message>
        <source>The command could not be written to the command interpreter: %1</source>
        <translation>The command could not be written to the command interpreter: %1</translation>
    </message>
    <message>
        <source>Not converted: %1.</source>
        <translation>Not converted: %1.</translation>
    </message>
    <message>
        <source>the command line is %1 characters long, and the command interpreter accepts at most %2</source>
        <translation>the command line&apos;s length (%1) is over the command interpreter&apos;s limit (%2)</translation>
    </message>
    <message>
        <source>The command interpreter has ended (%1).</source>
        <translation>The command interpreter has ended (%1).</translation>
    </message>
    <message>
        <source>The command interpreter ended during this conversion.</source>
        <translation>The command interpreter ended during this conversion.</translation>
    </message>
    <message>
        <source>The command interpreter keeps ending; it is not started again.</source>
        <translation>The command interpreter keeps ending; it is not started again.</translation>
    </message>
    <message>
        <source>A new command interpreter could not be started: %1</source>
        <translation>A new command interpreter could not be started: %1</translation>
    </message>
    <message>
        <source>A new command interpreter has been started.</source>
        <translation>A new command interpreter has been started.</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>exit status %1</translation>
    </message>
    <message>
        <source>killed by signal %1</source>
        <translation>killed by signal %1</translation>
    </message>
    <message>
        <source>killed by signal %1 (%2)</source>
        <translation>killed by signal %1 (%2)</translation>
    </message>
    <message>
        <source>status %1</source>
        <translation>status %1</translation>
    </message>
    <message>
        <source>output closed</source>
        <translation>output closed</translation>
    </message>
    <message>
        <source>the console could not be read: %1</source>
        <translation>the console could not be read: %1</translation>
    </message>
    <message>
        <source>cannot create the console pipes: %1</source>
        <translation>cannot create the console pipes: %1</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>cannot start %1: %2</translation>
    </message>
    <message>
        <source>the command interpreter is not running</source>
        <translation>the command interpreter is not running</translation>
    </message>
    <message>
        <source>the command interpreter has ended</source>
        <translation>the command interpreter has ended</translation>
    </message>
    <message>
        <source>a command must be a single line</source>
        <translation>a command must be a single line</translation>
    </message>
    <message>
        <source>the command holds characters that the console&apos;s code page %1 cannot represent</source>
        <translation>the command holds characters that the console&apos;s code page %1 cannot represent</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>the value of %1</source>
        <translation>the value of %1</translation>
    </message>
    <message>
        <source>the source path</source>
        <translation>the source path</translation>
    </message>
    <message>
        <source>the command line</source>
        <translation>the command line</translation>
    </message>
    <message>
        <source>has a double quote that is not closed</source>
        <translation>has a double quote that is not closed</translation>
    </message>
    <message>
        <source>has a single quote that is not closed</source>
        <translation>has a single quote that is not closed</translation>
    </message>
    <message>
        <source>has two double quotes in a row inside quotes, which programs read differently</source>
        <translation>has two double quotes in a row inside quotes, which programs read differently</translation>
    </message>
    <message>
        <source>has a double quote that programs read as text (after a backslash), so its quotes do not pair up</source>
        <translation>has a double quote that programs read as text (after a backslash), so its quotes do not pair up</translation>
    </message>
    <message>
        <source>contains a line break</source>
        <translation>contains a line break</translation>
    </message>
    <message>
        <source>contains a control character</source>
        <translation>contains a control character</translation>
    </message>
    <message>
        <source>contains a double quote, which would end its quotes on the command line</source>
        <translation>contains a double quote, which would end its quotes on the command line</translation>
    </message>
    <message>
        <source>contains a %NAME:...% edit of a variable, which the command interpreter would expand before it reads quotes</source>
        <translation>contains a %NAME:...% edit of a variable, which the command interpreter would expand before it reads quotes</translation>
    </message>
    <message>
        <source>not a definition file (it holds binary data)</source>
        <translation>not a definition file (it holds binary data)</translation>
    </message>
    <message>
        <source>not a definition file (it has neither a [Common] section nor a section of a .cu file)</source>
        <translation>not a definition file (it has neither a [Common] section nor a section of a .cu file)</translation>
    </message>
    <message>
        <source>the path &quot;%1&quot; contains a line break</source>
        <translation>the path &quot;%1&quot; contains a line break</translation>
    </message>
    <message>
        <source>the value of %1 of &quot;%2&quot; contains a line break</source>
        <translation>the value of %1 of &quot;%2&quot; contains a line break</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; (%2) cannot be stored in code page %3</source>
        <translation>the character &quot;%1&quot; (%2) cannot be stored in code page %3</translation>
    </message>
    <message>
        <source>the text cannot be stored in code page %1</source>
        <translation>the text cannot be stored in code page %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>Imported %1 (%2, %3, %4)</source>
        <translation>Imported %1 (%2, %3, %4)</translation>
    </message>
    <message>
        <source>%1 CUDA files</source>
        <translation>%1 CUDA files</translation>
    </message>
    <message>
        <source>%1 CUDA file</source>
        <translation>%1 CUDA file</translation>
    </message>
    <message>
        <source>%1 source files</source>
        <translation>%1 source files</translation>
    </message>
    <message>
        <source>%1 source file</source>
        <translation>%1 source file</translation>
    </message>
    <message>
        <source>%1 duplicates merged</source>
        <translation>%1 duplicates merged</translation>
    </message>
    <message>
        <source>%1 duplicate merged</source>
        <translation>%1 duplicate merged</translation>
    </message>
    <message>
        <source>%1 other entries skipped</source>
        <translation>%1 other entries skipped</translation>
    </message>
    <message>
        <source>%1 other entry skipped</source>
        <translation>%1 other entry skipped</translation>
    </message>
    <message>
        <source>%1 files missing</source>
        <translation>%1 files missing</translation>
    </message>
    <message>
        <source>%1 file missing</source>
        <translation>%1 file missing</translation>
    </message>
    <message>
        <source>not valid JSON: %1 at line %2, column %3</source>
        <translation>not valid JSON: %1 at line %2, column %3</translation>
    </message>
    <message>
        <source>not a compilation database: the JSON text is not an array of entries</source>
        <translation>not a compilation database: the JSON text is not an array of entries</translation>
    </message>
    <message>
        <source>entry %1 of the compilation database is not an object</source>
        <translation>entry %1 of the compilation database is not an object</translation>
    </message>
    <message>
        <source>entry %1 of the compilation database has no &quot;%2&quot;</source>
        <translation>entry %1 of the compilation database has no &quot;%2&quot;</translation>
    </message>
    <message>
        <source>entry %1 of the compilation database: &quot;%2&quot; is not a string</source>
        <translation>entry %1 of the compilation database: &quot;%2&quot; is not a string</translation>
    </message>
    <message>
        <source>entry %1 of the compilation database: &quot;%2&quot; is not an array of strings</source>
        <translation>entry %1 of the compilation database: &quot;%2&quot; is not an array of strings</translation>
    </message>
    <message>
        <source>dpct refused this item because an earlier migration into the same out-root folder used another set of options (dpct keeps them in MainSourceFiles.yaml there, and exits with -37). Give every item that writes into this out-root the same options that dpct compares, give this item another --out-root, or switch on --no-incremental-migration.</source>
        <translation>dpct refused this item because an earlier migration into the same out-root folder used another set of options (dpct keeps them in MainSourceFiles.yaml there, and exits with -37). Give every item that writes into this out-root the same options that dpct compares, give this item another --out-root, or switch on --no-incremental-migration.</translation>
    </message>
    <message>
        <source>larger than %1 MiB, the most that is read</source>
        <translation>larger than %1 MiB, the most that is read</translation>
    </message>
    <message>
        <source>the folder of the list</source>
        <translation>the folder of the list</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::DefinitionModel</name>
    <message>
        <source>This file does not exist:
%1</source>
        <translation>This file does not exist:
%1</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::DocumentCommands</name>
    <message>
        <source>&amp;Save Definition File</source>
        <translation>&amp;Save Definition File</translation>
    </message>
    <message>
        <source>Save the definition file
Save</source>
        <translation>Save the definition file
Save</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Save the definition file under a new name
Save As</source>
        <translation>Save the definition file under a new name
Save As</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Close the active document
Close</translation>
    </message>
    <message>
        <source>&amp;Add CUDA Files...</source>
        <translation>&amp;Add CUDA Files...</translation>
    </message>
    <message>
        <source>Add CUDA files to the list
Add</source>
        <translation>Add CUDA files to the list
Add</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Item...</source>
        <translation>&amp;Edit Selected Item...</translation>
    </message>
    <message>
        <source>Edit the selected item
Edit</source>
        <translation>Edit the selected item
Edit</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Item</source>
        <translation>&amp;Delete Selected Item</translation>
    </message>
    <message>
        <source>Delete the selected item
Delete</source>
        <translation>Delete the selected item
Delete</translation>
    </message>
    <message>
        <source>Delete A&amp;ll Items...</source>
        <translation>Delete A&amp;ll Items...</translation>
    </message>
    <message>
        <source>Delete every item of the list
Delete All</source>
        <translation>Delete every item of the list
Delete All</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>Move U&amp;p</translation>
    </message>
    <message>
        <source>Move the selected item one place up; items are converted in list order
Move Up</source>
        <translation>Move the selected item one place up; items are converted in list order
Move Up</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Move Do&amp;wn</translation>
    </message>
    <message>
        <source>Move the selected item one place down; items are converted in list order
Move Down</source>
        <translation>Move the selected item one place down; items are converted in list order
Move Down</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>Undo the last change
Undo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Redo the last undone change
Redo</source>
        <translation>Redo the last undone change
Redo</translation>
    </message>
    <message>
        <source>dpct &amp;Diagnostics...</source>
        <translation>dpct &amp;Diagnostics...</translation>
    </message>
    <message>
        <source>Show dpct&apos;s diagnostics of the last run by code
Diagnostics</source>
        <translation>Show dpct&apos;s diagnostics of the last run by code
Diagnostics</translation>
    </message>
    <message>
        <source>&amp;Export Results as CSV...</source>
        <translation>&amp;Export Results as CSV...</translation>
    </message>
    <message>
        <source>Save the last run&apos;s results as a CSV file
Export CSV</source>
        <translation>Save the last run&apos;s results as a CSV file
Export CSV</translation>
    </message>
    <message>
        <source>Export Results as &amp;JSON...</source>
        <translation>Export Results as &amp;JSON...</translation>
    </message>
    <message>
        <source>Save the last run&apos;s results as a JSON file
Export JSON</source>
        <translation>Save the last run&apos;s results as a JSON file
Export JSON</translation>
    </message>
    <message>
        <source>&amp;Add CUDA Files...	Ins</source>
        <translation>&amp;Add CUDA Files...	Ins</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Item...	Enter</source>
        <translation>&amp;Edit Selected Item...	Enter</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Item	Del</source>
        <translation>&amp;Delete Selected Item	Del</translation>
    </message>
    <message>
        <source>Delete A&amp;ll Items...	Ctrl+Del</source>
        <translation>Delete A&amp;ll Items...	Ctrl+Del</translation>
    </message>
    <message>
        <source>Move U&amp;p	Alt+Up</source>
        <translation>Move U&amp;p	Alt+Up</translation>
    </message>
    <message>
        <source>Move Do&amp;wn	Alt+Down</source>
        <translation>Move Do&amp;wn	Alt+Down</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Undo	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Redo	Ctrl+Y</translation>
    </message>
    <message>
        <source>Convert Se&amp;lected Items</source>
        <translation>Convert Se&amp;lected Items</translation>
    </message>
    <message>
        <source>Convert only the items selected in the list
Convert Selected</source>
        <translation>Convert only the items selected in the list
Convert Selected</translation>
    </message>
    <message>
        <source>Export &amp;Report...</source>
        <translation>Export &amp;Report...</translation>
    </message>
    <message>
        <source>Save the last run&apos;s results as a report for the web browser and show it
Export Report</source>
        <translation>Save the last run&apos;s results as a report for the web browser and show it
Export Report</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::DocumentFiles</name>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Definition file (*.txt);;All Files (*)</source>
        <translation>Definition files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Do you want to save (%1)?</source>
        <translation>Do you want to save the changes to %1?</translation>
    </message>
    <message>
        <source>Do you want to save %1?</source>
        <translation>Do you want to save the changes to %1?</translation>
    </message>
    <message>
        <source>This is not a definition file: it holds binary data.</source>
        <translation>This is not a definition file: it holds binary data.</translation>
    </message>
    <message>
        <source>This is not a definition file: it has neither a [Common] section nor a section of a .cu file.</source>
        <translation>This is not a definition file: it has neither a [Common] section nor a section of a .cu file.</translation>
    </message>
    <message>
        <source>%1
This file has lines that Tovalo does not read (sections of other files, unknown options or values). Saving over the file drops them; Tovalo asks before it does.</source>
        <translation>%1
This file has lines that Tovalo does not read (sections of other files, unknown options or values). Saving over the file drops them; Tovalo asks before it does.</translation>
    </message>
    <message>
        <source>%1
Saving replaces the file and drops the lines that Tovalo did not read. Save anyway?</source>
        <translation>%1
Saving replaces the file and drops the lines that Tovalo did not read. Save anyway?</translation>
    </message>
    <message>
        <source>%1
This file has byte sequences that are not UTF-8 (%2, the first on line %3); they are shown as U+FFFD. Saving over the file writes U+FFFD in their place; Tovalo asks before it does.</source>
        <translation>%1
This file has byte sequences that are not UTF-8 (%2, the first on line %3); they are shown as U+FFFD. Saving over the file writes U+FFFD in their place; Tovalo asks before it does.</translation>
    </message>
    <message>
        <source>%1
This file was read as %2; Tovalo saves in %3. Saving over the file changes its encoding; Tovalo asks before it does.</source>
        <translation>%1
This file was read as %2; Tovalo saves in %3. Saving over the file changes its encoding; Tovalo asks before it does.</translation>
    </message>
    <message>
        <source>%1
The file has byte sequences that are not UTF-8; saving writes U+FFFD in their place. Save anyway?</source>
        <translation>%1
The file has byte sequences that are not UTF-8; saving writes U+FFFD in their place. Save anyway?</translation>
    </message>
    <message>
        <source>%1
The file was read as %2; saving writes %3. Save anyway?</source>
        <translation>%1
The file was read as %2; saving writes %3. Save anyway?</translation>
    </message>
    <message>
        <source>results</source>
        <translation>results</translation>
    </message>
    <message>
        <source>Export Results as JSON</source>
        <translation>Export Results as JSON</translation>
    </message>
    <message>
        <source>Export Results as CSV</source>
        <translation>Export Results as CSV</translation>
    </message>
    <message>
        <source>JSON files (*.json);;All files (*)</source>
        <translation>JSON files (*.json);;All files (*)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.
%2</source>
        <translation>The results could not be saved to %1.
%2</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message numerus="yes">
        <source>%1
%n option value(s) are not in the option&apos;s list. Such an option is left out of the dpct command line until you pick a value in the item dialog:
%2</source>
        <translation>
            <numerusform>%1
%n option value is not in the option&apos;s list. The option is left out of the dpct command line until you pick a value in the item dialog:
%2</numerusform>
            <numerusform>%1
%n option values are not in their option&apos;s list. Such an option is left out of the dpct command line until you pick a value in the item dialog:
%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tovalo::gui::LanguagePack</name>
    <message>
        <source>0.0.0</source>
        <comment>The version of this language pack as major.minor.build (numbers only)</comment>
        <translation>1.0.0</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::ListEditor</name>
    <message>
        <source>Are you sure you want to delete %1 from the list?</source>
        <translation>Are you sure you want to delete %1 from the list?</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete all %n item(s) from the list?</source>
        <translation>
            <numerusform>Are you sure you want to delete the %n item from the list?</numerusform>
            <numerusform>Are you sure you want to delete all %n items from the list?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them are hidden by the filter.</source>
        <translation>
            <numerusform>%n of them is hidden by the filter.</numerusform>
            <numerusform>%n of them are hidden by the filter.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the %n selected item(s) from the list?</source>
        <translation>
            <numerusform>Are you sure you want to delete the %n selected item from the list?</numerusform>
            <numerusform>Are you sure you want to delete the %n selected items from the list?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tovalo::gui::ListFilterBar</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Fi&amp;lter:</source>
        <translation>Fi&amp;lter:</translation>
    </message>
    <message>
        <source>Part of a path</source>
        <translation>Part of a path</translation>
    </message>
    <message>
        <source>Shows only the items whose path contains this text (letter case is ignored). Esc empties it.</source>
        <translation>Shows only the items whose path contains this text (letter case is ignored). Esc empties it.</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::MainTitle</name>
    <message>
        <source>Intel® oneAPI DPC++ Compatibility Tool
Support App
&lt;&lt; Tovalo &gt;&gt;</source>
        <translation>Intel® oneAPI DPC++ Compatibility Tool
Support application
&lt;&lt; Tovalo &gt;&gt;</translation>
    </message>
    <message>
        <source>DEMO</source>
        <translation>DEMO</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::RunController</name>
    <message>
        <source>%1
  writes into %2 as %3 does, with other values of: %4</source>
        <translation>%1
  writes into %2 as %3 does, with other values of: %4</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more item(s).</source>
        <translation>
            <numerusform>... and %n more item.</numerusform>
            <numerusform>... and %n more items.</numerusform>
        </translation>
    </message>
    <message>
        <source>dpct keeps the options of a migration in its out-root folder and refuses (exit code -37) a later migration into the same folder with other values of the options it compares. These items would be refused:%1

Give them the same options, another --out-root, or --no-incremental-migration. Run anyway?</source>
        <translation>dpct keeps the options of a migration in its out-root folder and refuses (exit code -37) a later migration into the same folder with other values of the options it compares. These items would be refused:%1

Give them the same options, another --out-root, or --no-incremental-migration. Run anyway?</translation>
    </message>
    <message>
        <source>&amp;Run Anyway</source>
        <translation>&amp;Run Anyway</translation>
    </message>
    <message>
        <source>console %1</source>
        <translation>console %1</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::SingleInstance</name>
    <message>
        <source>Another Tovalo is running but does not answer.</source>
        <translation>Another Tovalo is running but does not answer.</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::SourceOpener</name>
    <message>
        <source>The file %1 does not exist (any more).</source>
        <translation>The file %1 no longer exists.</translation>
    </message>
    <message>
        <source>No program is set up to open %1.</source>
        <translation>No program is set up to open %1.</translation>
    </message>
    <message>
        <source>The editor %1 could not be started.</source>
        <translation>The editor %1 could not be started.</translation>
    </message>
    <message>
        <source>The editor command has an unclosed double quote.</source>
        <translation>The editor command has an unclosed double quote.</translation>
    </message>
    <message>
        <source>The editor command is empty.</source>
        <translation>The editor command is empty.</translation>
    </message>
    <message>
        <source>%1 is not an absolute path.</source>
        <translation>%1 is not an absolute path.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 is not a file.</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::ReportExport</name>
    <message>
        <source>Migration report</source>
        <translation>Migration report</translation>
    </message>
    <message>
        <source>Made %1</source>
        <translation>Made %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Syntax errors</source>
        <translation>Syntax errors</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Not converted</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnostics</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>Total time</translation>
    </message>
    <message>
        <source>Median time per item</source>
        <translation>Median time per item</translation>
    </message>
    <message>
        <source>dpct version</source>
        <translation>dpct version</translation>
    </message>
    <message>
        <source>Codebase</source>
        <translation>Codebase</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Items by status</source>
        <translation>Items by status</translation>
    </message>
    <message>
        <source>Diagnostics by code</source>
        <translation>Diagnostics by code</translation>
    </message>
    <message>
        <source>%1 other codes</source>
        <translation>Other codes: %1</translation>
    </message>
    <message>
        <source>dpct reported no diagnostics.</source>
        <translation>dpct reported no diagnostics.</translation>
    </message>
    <message>
        <source>Diagnostic codes</source>
        <translation>Diagnostic codes</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Items affected</source>
        <translation>Items affected</translation>
    </message>
    <message>
        <source>First message</source>
        <translation>First message</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Read about %1</source>
        <translation>Read about %1</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Exit code</source>
        <translation>Exit code</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>%1 diagnostics</source>
        <translation>Diagnostics: %1</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>path, status or code</source>
        <translation>path, status or code</translation>
    </message>
    <message>
        <source>%1 of %2 items shown</source>
        <translation>Items shown: %1 of %2</translation>
    </message>
    <message>
        <source>Sort by this column</source>
        <translation>Sort by this column</translation>
    </message>
    <message>
        <source>Not run</source>
        <translation>Not run</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>Stopped while converting</source>
        <translation>Stopped while converting</translation>
    </message>
    <message>
        <source>Syntax error</source>
        <translation>Syntax error</translation>
    </message>
    <message>
        <source>,</source>
        <translation>,</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>report</source>
        <translation>report</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Export Report</translation>
    </message>
    <message>
        <source>HTML files (*.html);;All files (*)</source>
        <translation>HTML files (*.html);;All files (*)</translation>
    </message>
    <message>
        <source>Migration report: %1</source>
        <translation>Migration report: %1</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.
%2</source>
        <translation>The report could not be saved to %1.
%2</translation>
    </message>
    <message>
        <source>The report was saved to %1, but no web browser could be started to show it.</source>
        <translation>The report was saved to %1, but no web browser could be started to show it.</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::ImportDbDialog</name>
    <message>
        <source>Import Compilation Database</source>
        <translation>Import Compilation Database</translation>
    </message>
    <message>
        <source>Compilation &amp;database:</source>
        <translation>Compilation &amp;database:</translation>
    </message>
    <message>
        <source>&amp;In-root (optional):</source>
        <translation>&amp;In-root (optional):</translation>
    </message>
    <message>
        <source>O&amp;ut-root (optional):</source>
        <translation>O&amp;ut-root (optional):</translation>
    </message>
    <message>
        <source>compile_commands.json, or the folder that holds it</source>
        <translation>compile_commands.json, or the folder that holds it</translation>
    </message>
    <message>
        <source>the deepest folder that holds every imported source</source>
        <translation>the deepest folder that holds every imported source</translation>
    </message>
    <message>
        <source>dpct_output beside the database</source>
        <translation>dpct_output beside the database</translation>
    </message>
    <message>
        <source>Take &amp;every entry, not only the CUDA translation units</source>
        <translation>Take &amp;every entry, not only the CUDA translation units</translation>
    </message>
    <message>
        <source>Open the items as a &amp;new list</source>
        <translation>Open the items as a &amp;new list</translation>
    </message>
    <message>
        <source>Add the items to the &amp;active list</source>
        <translation>Add the items to the &amp;active list</translation>
    </message>
    <message>
        <source>Add the items to the &amp;active list (%1)</source>
        <translation>Add the items to the &amp;active list (%1)</translation>
    </message>
    <message>
        <source>Compilation databases (compile_commands.json *.json);;All files (*)</source>
        <translation>Compilation databases (compile_commands.json *.json);;All files (*)</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>Choose a Folder</translation>
    </message>
    <message>
        <source>Choose the compilation database</source>
        <translation>Choose the compilation database</translation>
    </message>
    <message>
        <source>Choose the in-root folder</source>
        <translation>Choose the in-root folder</translation>
    </message>
    <message>
        <source>Choose the out-root folder</source>
        <translation>Choose the out-root folder</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CompileDbImporter</name>
    <message>
        <source>%1
The compilation database could not be imported: %2
No items were added.</source>
        <translation>%1
The compilation database could not be imported: %2
No items were added.</translation>
    </message>
</context>
</TS>
