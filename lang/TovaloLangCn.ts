<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DirectoryScan</name>
    <message>
        <source>Searching for CUDA files...</source>
        <translation>正在搜索 CUDA 文件...</translation>
    </message>
    <message>
        <source>Searching for CUDA files...
%1 folders, %2 files found</source>
        <translation>正在搜索 CUDA 文件...
已找到 %1 个文件夹、%2 个文件</translation>
    </message>
    <message>
        <source>Add Data</source>
        <translation>添加数据</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>There were no items to add.</source>
        <translation>没有要添加的项目。</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... 另外 %1 个</translation>
    </message>
    <message>
        <source>%1 CUDA files were left out: their names contain a line break, which a definition file cannot hold.

%2</source>
        <translation>有 %1 个 CUDA 文件未添加：其名称包含换行符，定义文件无法保存这样的名称。

%2</translation>
    </message>
</context>
<context>
    <name>LogContextMenu</name>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>全部清除(&amp;A)</translation>
    </message>
</context>
<context>
    <name>OptionHelp</name>
    <message>
        <source>Shows the directory of the source file.</source>
        <translation>显示源文件的目录。</translation>
    </message>
    <message>
        <source>Shows the file name of the source file.</source>
        <translation>显示源文件的文件名。</translation>
    </message>
    <message>
        <source>Always creates cl::sycl::queue with an asynchronous exception handler.</source>
        <translation>始终使用异步异常处理程序创建 cl::sycl::queue。</translation>
    </message>
    <message>
        <source>Gives the tool a hint about the dimension of nd_range to use in the generated code.</source>
        <translation>向工具提示生成代码中要使用的 nd_range 的维度。</translation>
    </message>
    <message>
        <source>Specifies the name of the makefile generated for the migrated files.</source>
        <translation>指定为迁移后的文件生成的 makefile 的名称。</translation>
    </message>
    <message>
        <source>Inserts comments that explain the generated code.</source>
        <translation>插入解释生成代码的注释。</translation>
    </message>
    <message>
        <source>Specifies the directory path of the CUDA header files.</source>
        <translation>指定 CUDA 头文件的目录路径。</translation>
    </message>
    <message>
        <source>Specifies the helper header folder name and the main helper header file name.</source>
        <translation>指定辅助头文件的文件夹名称和主辅助头文件的文件名。</translation>
    </message>
    <message>
        <source>Uses C++17 class template argument deduction (CTAD) in the generated code.</source>
        <translation>在生成的代码中使用 C++17 类模板参数推导（CTAD）。</translation>
    </message>
    <message>
        <source>Specifies an additional argument to append to the migration command line.</source>
        <translation>指定要追加到迁移命令行的附加参数。</translation>
    </message>
    <message>
        <source>Sets the range of formatting.</source>
        <translation>设置格式化的范围。</translation>
    </message>
    <message>
        <source>Sets the formatting style.</source>
        <translation>设置格式化样式。</translation>
    </message>
    <message>
        <source>Generates a makefile for the migrated files in the --out-root directory.</source>
        <translation>在 --out-root 目录中为迁移后的文件生成 makefile。</translation>
    </message>
    <message>
        <source>Directory path of the root of the source tree to migrate. Only files under this root are migrated.</source>
        <translation>要迁移的源代码树的根目录路径。只迁移此根目录下的文件。</translation>
    </message>
    <message>
        <source>Keeps the original code in comments of the generated DPC++ files.</source>
        <translation>在生成的 DPC++ 文件的注释中保留原始代码。</translation>
    </message>
    <message>
        <source>(Deprecated) Do not use the cl:: namespace inline.</source>
        <translation>（已弃用）不要以内联方式使用 cl:: 命名空间。</translation>
    </message>
    <message>
        <source>Sets a comma-separated list of DPC++ extensions not to be used in the migrated code.</source>
        <translation>设置迁移后的代码中不使用的 DPC++ 扩展的逗号分隔列表。</translation>
    </message>
    <message>
        <source>Does not use the Don&apos;t Repeat Yourself (DRY) pattern when functions of the dpct namespace are inserted.</source>
        <translation>插入 dpct 命名空间的函数时，不使用 Don&apos;t Repeat Yourself（DRY）模式。</translation>
    </message>
    <message>
        <source>Tells the tool not to migrate incrementally.</source>
        <translation>不进行增量迁移。</translation>
    </message>
    <message>
        <source>Generates code that applies more aggressive assumptions, which may change the program&apos;s semantics.</source>
        <translation>生成应用更激进假设的代码，这可能会改变程序的语义。</translation>
    </message>
    <message>
        <source>Specifies the directory path of the root of the generated files. The directory is created if it does not exist.</source>
        <translation>指定生成文件的根目录路径。如果该目录不存在，则会创建它。</translation>
    </message>
    <message>
        <source>Redirects the stdout/stderr output to a file in the output directory given by --out-root.</source>
        <translation>将 stdout/stderr 输出重定向到 --out-root 指定的输出目录中的文件。</translation>
    </message>
    <message>
        <source>Sets the level of detail of the output.</source>
        <translation>设置输出的详细程度。</translation>
    </message>
    <message>
        <source>Directory path of the compilation database (compile_commands.json). Without a path, compile_commands.json is searched for in every parent directory of the first input source file.</source>
        <translation>编译数据库（compile_commands.json）的目录路径。未指定路径时，将在第一个输入源文件的各级父目录中搜索 compile_commands.json。</translation>
    </message>
    <message>
        <source>Migrates or copies every file except hidden ones from the --in-root directory to the --out-root directory. --in-root must be given explicitly.</source>
        <translation>将 --in-root 目录中除隐藏文件外的所有文件迁移或复制到 --out-root 目录。必须显式指定 --in-root。</translation>
    </message>
    <message>
        <source>Prefix of the report file names. The full name gets a suffix derived from report-type and an extension derived from report-format.</source>
        <translation>报告文件名的前缀。完整文件名会加上由 report-type 派生的后缀和由 report-format 派生的扩展名。</translation>
    </message>
    <message>
        <source>Sets the format of the reports.</source>
        <translation>设置报告的格式。</translation>
    </message>
    <message>
        <source>Only reports are generated. No DPC++ code is generated.</source>
        <translation>只生成报告，不生成 DPC++ 代码。</translation>
    </message>
    <message>
        <source>Specifies the type of the report.</source>
        <translation>指定报告的类型。</translation>
    </message>
    <message>
        <source>Stops migration and report generation when a parsing error occurs.</source>
        <translation>发生解析错误时停止迁移和报告生成。</translation>
    </message>
    <message>
        <source>Specifies a comma-separated list of migration warnings to suppress. Valid warning IDs range from 1000 to 1047.</source>
        <translation>指定要抑制的迁移警告的逗号分隔列表。有效的警告 ID 范围为 1000 到 1047。</translation>
    </message>
    <message>
        <source>Suppresses all migration warnings.</source>
        <translation>抑制所有迁移警告。</translation>
    </message>
    <message>
        <source>Generates kernels with the kernel name.</source>
        <translation>生成带有内核名称的内核。</translation>
    </message>
    <message>
        <source>Customizes the helper header files for the migrated code.</source>
        <translation>为迁移后的代码自定义辅助头文件。</translation>
    </message>
    <message>
        <source>Sets a comma-separated list of experimental features to be used in the migrated code. By default no experimental features are used.</source>
        <translation>设置迁移后的代码中要使用的实验性功能的逗号分隔列表。默认不使用任何实验性功能。</translation>
    </message>
    <message>
        <source>Defines the namespaces to use explicitly in the generated code.</source>
        <translation>定义在生成的代码中显式使用的命名空间。</translation>
    </message>
    <message>
        <source>Sets the Unified Shared Memory (USM) level to use in source code generation.</source>
        <translation>设置生成源代码时使用的统一共享内存（USM）级别。</translation>
    </message>
    <message>
        <source>Specifies the file path of the vcxproj file.</source>
        <translation>指定 vcxproj 文件的文件路径。</translation>
    </message>
    <message>
        <source>Directory name</source>
        <translation>目录名</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>文件名</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CChildFrame</name>
    <message>
        <source>Untitled</source>
        <translation>无标题</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Definition file (*.txt);;All Files (*)</source>
        <translation>定义文件 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Do you want to save (%1)?</source>
        <translation>是否保存（%1）？</translation>
    </message>
    <message>
        <source>Do you want to save %1?</source>
        <translation>是否保存 %1？</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected data?</source>
        <translation>确定要删除所选数据吗？</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all items?</source>
        <translation>确定要删除所有项目吗？</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Add cu Files to List...	Ins</source>
        <translation>将 cu 文件添加到列表(&amp;A)...	Ins</translation>
    </message>
    <message>
        <source>&amp;Update Selected List Item...	Enter</source>
        <translation>更新所选列表项(&amp;U)...	Enter</translation>
    </message>
    <message>
        <source>&amp;Delete Selected List Item	Del</source>
        <translation>删除所选列表项(&amp;D)	Del</translation>
    </message>
    <message>
        <source>Delete &amp;All Items...	Ctrl+Del</source>
        <translation>删除所有项目(&amp;A)...	Ctrl+Del</translation>
    </message>
    <message>
        <source>This is not a definition file: it holds binary data.</source>
        <translation>这不是定义文件：其中含有二进制数据。</translation>
    </message>
    <message>
        <source>This is not a definition file: it has neither a [Common] section nor a section of a .cu file.</source>
        <translation>这不是定义文件：其中既没有 [Common] 节，也没有 .cu 文件的节。</translation>
    </message>
    <message>
        <source>%1
This file has lines that Tovalo does not read (sections of other files, unknown options or values). Saving over the file drops them; Tovalo asks before it does.</source>
        <translation>%1
此文件含有 Tovalo 不读取的行（其他文件的节、未知的选项或值）。覆盖保存会丢失这些行；保存前 Tovalo 会先询问。</translation>
    </message>
    <message>
        <source>%1
Saving replaces the file and drops the lines that Tovalo did not read. Save anyway?</source>
        <translation>%1
保存将替换该文件，并丢失 Tovalo 未读取的行。仍要保存吗？</translation>
    </message>
    <message>
        <source>%1
This file has byte sequences that are not UTF-8 (%2, the first on line %3); they are shown as U+FFFD. Saving over the file writes U+FFFD in their place; Tovalo asks before it does.</source>
        <translation>%1
此文件含有非 UTF-8 的字节序列（共 %2 处，第一处在第 %3 行），显示为 U+FFFD。覆盖保存会在这些位置写入 U+FFFD；保存前 Tovalo 会先询问。</translation>
    </message>
    <message>
        <source>%1
This file was read as %2; Tovalo saves in %3. Saving over the file changes its encoding; Tovalo asks before it does.</source>
        <translation>%1
此文件按 %2 读取；Tovalo 以 %3 保存。覆盖保存会改变文件的编码；保存前 Tovalo 会先询问。</translation>
    </message>
    <message>
        <source>%1
The file has byte sequences that are not UTF-8; saving writes U+FFFD in their place. Save anyway?</source>
        <translation>%1
此文件含有非 UTF-8 的字节序列；保存会在这些位置写入 U+FFFD。仍要保存吗？</translation>
    </message>
    <message>
        <source>%1
The file was read as %2; saving writes %3. Save anyway?</source>
        <translation>%1
此文件按 %2 读取；保存将以 %3 写入。仍要保存吗？</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctDataDlg</name>
    <message>
        <source>Add Data</source>
        <translation>添加数据</translation>
    </message>
    <message>
        <source>Update Data</source>
        <translation>更新数据</translation>
    </message>
    <message>
        <source>File/Directory Selection</source>
        <translation>文件/目录选择</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>Select a directory</source>
        <translation>选择目录</translation>
    </message>
    <message>
        <source>Also take the .cu sources in sub-directories</source>
        <translation>同时包括子目录中的 cu 源文件</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Select the CUDA file to convert</source>
        <translation>选择要转换的 CUDA 文件</translation>
    </message>
    <message>
        <source>Select the folder that holds the CUDA files to convert</source>
        <translation>选择包含要转换的 CUDA 文件的文件夹</translation>
    </message>
    <message>
        <source>Conversion Option Settings</source>
        <translation>转换选项设置</translation>
    </message>
    <message>
        <source>Uncheck all</source>
        <translation>全部取消选中</translation>
    </message>
    <message>
        <source>Check all</source>
        <translation>全部选中</translation>
    </message>
    <message>
        <source>cuda file (*.cu);;All Files (*)</source>
        <translation>CUDA 文件 (*.cu);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The selected file is already in the list.</source>
        <translation>所选文件已在列表中。</translation>
    </message>
    <message>
        <source>The file name is not valid. Enter a valid file name.</source>
        <translation>文件名无效。请输入有效的文件名。</translation>
    </message>
    <message>
        <source>The directory name is not valid. Enter a valid directory name.</source>
        <translation>目录名无效。请输入有效的目录名。</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains a line break, which a definition file cannot hold. Rename the file first.</source>
        <translation>文件名“%1”包含换行符，定义文件无法保存。请先重命名该文件。</translation>
    </message>
    <message>
        <source>The directory name &quot;%1&quot; contains a line break, which a definition file cannot hold. Rename the directory first.</source>
        <translation>目录名“%1”包含换行符，定义文件无法保存。请先重命名该目录。</translation>
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
        <translation>浏览</translation>
    </message>
    <message>
        <source>Select the directory of the CUDA header files</source>
        <translation>选择 CUDA 头文件的目录</translation>
    </message>
    <message>
        <source>Select the root directory of the source tree</source>
        <translation>选择源代码树的根目录</translation>
    </message>
    <message>
        <source>Select the root directory of the generated files</source>
        <translation>选择生成文件的根目录</translation>
    </message>
    <message>
        <source>Select the directory of the compilation database</source>
        <translation>选择编译数据库的目录</translation>
    </message>
    <message>
        <source>Select the output file for stdout / stderr</source>
        <translation>选择 stdout / stderr 的输出文件</translation>
    </message>
    <message>
        <source>Text File (*.txt);;All Files (*)</source>
        <translation>文本文件 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Select the vcxproj file</source>
        <translation>选择 vcxproj 文件</translation>
    </message>
    <message>
        <source>vcxproj file (*.vcxproj);;All Files (*)</source>
        <translation>vcxproj 文件 (*.vcxproj);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The selected value is not valid. Select a correct value.</source>
        <translation>所选内容有误。请选择正确的值。</translation>
    </message>
    <message>
        <source>The name you entered is not valid. Enter a suitable name.</source>
        <translation>输入的名称有误。请输入合适的名称。</translation>
    </message>
    <message>
        <source>The path you entered is not valid. Enter a correct path.</source>
        <translation>输入的路径有误。请输入正确的路径。</translation>
    </message>
    <message>
        <source>The file name you entered is not valid. Enter a correct file name.</source>
        <translation>输入的文件名有误。请输入正确的文件名。</translation>
    </message>
    <message>
        <source>No value has been entered. Enter a suitable value.</source>
        <translation>未输入值。请输入合适的值。</translation>
    </message>
    <message>
        <source>The quotes in the value you entered do not pair up, or it contains a line break or a control character. Close every quote you open.</source>
        <translation>输入值中的引号未成对，或其中含有换行符或控制字符。请闭合每一个引号。</translation>
    </message>
    <message>
        <source>The folder you entered is missing, and so is the folder that would hold it. Enter an existing folder, or a new one in an existing folder.</source>
        <translation>输入的文件夹不存在，其所在的文件夹也不存在。请输入已有的文件夹，或已有文件夹中的新文件夹。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctPropCtrl</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Conversion options</source>
        <translation>转换选项</translation>
    </message>
    <message>
        <source>Options of the selected item</source>
        <translation>所选项目的选项</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctResultCtrl</name>
    <message>
        <source>[... the beginning of this output is not shown ...]</source>
        <translation>[... 此输出的开头部分未显示 ...]</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctTreeCtrl</name>
    <message>
        <source>Conversion items</source>
        <translation>文件列表</translation>
    </message>
    <message>
        <source>Row %1 of %2: %3</source>
        <translation>第 %1 行，共 %2 行：%3</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待转换</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>转换中</translation>
    </message>
    <message>
        <source>Converted OK</source>
        <translation>转换成功</translation>
    </message>
    <message>
        <source>Converted NG</source>
        <translation>转换失败</translation>
    </message>
    <message>
        <source>Syntax errors</source>
        <translation>有语法错误</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CMainCommands</name>
    <message>
        <source>Windows &amp;7</source>
        <translation>Windows 7(&amp;7)</translation>
    </message>
    <message>
        <source>Windows &amp;2000</source>
        <translation>Windows 2000(&amp;2)</translation>
    </message>
    <message>
        <source>Office &amp;XP</source>
        <translation>Office XP(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Windows XP</source>
        <translation>Windows XP(&amp;W)</translation>
    </message>
    <message>
        <source>Office 200&amp;3</source>
        <translation>Office 2003(&amp;3)</translation>
    </message>
    <message>
        <source>Visual Studio 200&amp;5</source>
        <translation>Visual Studio 2005(&amp;5)</translation>
    </message>
    <message>
        <source>Visual Studio 200&amp;8</source>
        <translation>Visual Studio 2008(&amp;8)</translation>
    </message>
    <message>
        <source>Office2007: &amp;Blue Style</source>
        <translation>Office2007：蓝色样式(&amp;B)</translation>
    </message>
    <message>
        <source>Office2007: B&amp;lack Style</source>
        <translation>Office2007：黑色样式(&amp;L)</translation>
    </message>
    <message>
        <source>Office2007: &amp;Silver Style</source>
        <translation>Office2007：银色样式(&amp;S)</translation>
    </message>
    <message>
        <source>Office2007: &amp;Aqua Style</source>
        <translation>Office2007：水绿色样式(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new definition file
New</source>
        <translation>新建定义文件
新建</translation>
    </message>
    <message>
        <source>&amp;Open Definition File...</source>
        <translation>打开定义文件(&amp;O)...</translation>
    </message>
    <message>
        <source>Open a definition file
Open</source>
        <translation>打开定义文件
打开</translation>
    </message>
    <message>
        <source>&amp;Save Definition File</source>
        <translation>保存定义文件(&amp;S)</translation>
    </message>
    <message>
        <source>Save the definition file
Save</source>
        <translation>保存定义文件
保存</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the definition file under a new name
Save As</source>
        <translation>以新名称保存定义文件
另存为</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>关闭当前定义文件
关闭</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>新建窗口(&amp;N)</translation>
    </message>
    <message>
        <source>Open another window for a new definition file
New Window</source>
        <translation>为新的定义文件打开另一个窗口
新建窗口</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>最近使用的文件(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>退出应用程序
退出</translation>
    </message>
    <message>
        <source>&amp;Add cu Files to List...</source>
        <translation>将 cu 文件添加到列表(&amp;A)...</translation>
    </message>
    <message>
        <source>Add CUDA files to the list
Add</source>
        <translation>将 CUDA 文件添加到列表
添加</translation>
    </message>
    <message>
        <source>&amp;Update Selected List Item...</source>
        <translation>更新所选列表项(&amp;U)...</translation>
    </message>
    <message>
        <source>Change the selected item
Update</source>
        <translation>更改所选项目
更新</translation>
    </message>
    <message>
        <source>&amp;Delete Selected List Item</source>
        <translation>删除所选列表项(&amp;D)</translation>
    </message>
    <message>
        <source>Delete the selected item
Delete</source>
        <translation>删除所选项目
删除</translation>
    </message>
    <message>
        <source>Delete &amp;All Items...</source>
        <translation>删除所有项目(&amp;A)...</translation>
    </message>
    <message>
        <source>Delete every item of the list
Delete All</source>
        <translation>删除列表中的所有项目
全部删除</translation>
    </message>
    <message>
        <source>&amp;Start Conversion</source>
        <translation>开始转换(&amp;S)</translation>
    </message>
    <message>
        <source>Convert every item of the list with dpct
Start</source>
        <translation>使用 dpct 转换列表中的所有项目
开始转换</translation>
    </message>
    <message>
        <source>S&amp;top Conversion</source>
        <translation>停止转换(&amp;T)</translation>
    </message>
    <message>
        <source>Stop the conversion
Stop</source>
        <translation>停止转换
停止转换</translation>
    </message>
    <message>
        <source>&amp;Pause/Resume Conversion</source>
        <translation>暂停/继续转换(&amp;P)</translation>
    </message>
    <message>
        <source>Pause or resume the conversion
Pause/Resume</source>
        <translation>暂停或继续转换
暂停/继续</translation>
    </message>
    <message>
        <source>&amp;Settings...	F12</source>
        <translation>选项(&amp;S)...	F12</translation>
    </message>
    <message>
        <source>Change the settings
Settings</source>
        <translation>更改设置
选项</translation>
    </message>
    <message>
        <source>&amp;About Tovalo...</source>
        <translation>关于 Tovalo(&amp;A)...</translation>
    </message>
    <message>
        <source>Show the program&apos;s version
About</source>
        <translation>显示程序的版本信息
关于</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toolbar</source>
        <translation>显示或隐藏工具栏
工具栏</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Status Bar</source>
        <translation>显示或隐藏状态栏
状态栏</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <comment>submenu</comment>
        <translation>最近使用的文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>转换(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Application Look</source>
        <translation>应用程序外观(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CMainFrame</name>
    <message>
        <source>Intel® oneAPI DPC++ Compatibility Tool
Support App
&lt;&lt; Tovalo &gt;&gt;</source>
        <translation>英特尔® oneAPI DPC++ 兼容性工具
支持应用
&lt;&lt; Tovalo &gt;&gt;</translation>
    </message>
    <message>
        <source>DEMO</source>
        <translation>演示</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>Open Definition File</source>
        <translation>打开定义文件</translation>
    </message>
    <message>
        <source>Definition file (*.txt);;All Files (*)</source>
        <translation>定义文件 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>&quot;Intel®  oneAPI DPC++ Compatibility Tool&quot; Support App
Do you really want to quit?</source>
        <translation>“英特尔® oneAPI DPC++ 兼容性工具”支持应用
确定要退出吗？</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CMainStatusBar</name>
    <message>
        <source>Starting setvars</source>
        <translation>正在启动 setvars</translation>
    </message>
    <message>
        <source>Running setvars...</source>
        <translation>正在运行 setvars...</translation>
    </message>
    <message>
        <source>Querying the dpct version</source>
        <translation>开始获取 dpct 版本</translation>
    </message>
    <message>
        <source>Querying the dpct version...</source>
        <translation>正在获取 dpct 版本...</translation>
    </message>
    <message>
        <source>dpct conversion started</source>
        <translation>dpct 转换开始</translation>
    </message>
    <message>
        <source>dpct converting...</source>
        <translation>dpct 转换中...</translation>
    </message>
    <message>
        <source>dpct run paused</source>
        <translation>dpct 运行已暂停</translation>
    </message>
    <message>
        <source>dpct ver: %1</source>
        <translation>dpct 版本: %1</translation>
    </message>
    <message>
        <source>DEMO: simulated oneAPI toolkit</source>
        <translation>演示：模拟 oneAPI 工具包</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>正在停止...</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::COutputPane</name>
    <message>
        <source>[... older output removed to keep the pane fast ...]</source>
        <translation>[... 为保持窗格响应速度，已删除较早的输出 ...]</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CTovaloApp</name>
    <message>
        <source>Intel® oneAPI is not installed. Files cannot be converted to DPC++, but definition files (the files to convert with their conversion options) can still be made.</source>
        <translation>未安装英特尔® oneAPI。无法将文件转换为 DPC++，但仍可创建定义文件（要转换的文件及其转换选项）。</translation>
    </message>
    <message>
        <source>[Tovalo] The command interpreter could not be started: %1
</source>
        <translation>[Tovalo] 无法启动命令解释器: %1
</translation>
    </message>
    <message>
        <source>Tovalo %1
A front end for the dpct migration tool.

dpct: %2</source>
        <translation>Tovalo %1
dpct 迁移工具的前端

dpct: %2</translation>
    </message>
    <message>
        <source>(not known)</source>
        <translation>（未知）</translation>
    </message>
    <message>
        <source>Front end for the dpct CUDA-to-SYCL migration tool.</source>
        <translation>dpct（CUDA 到 SYCL 迁移工具）的前端。</translation>
    </message>
    <message>
        <source>Use the simulated oneAPI toolkit in &lt;folder&gt; (demo mode).</source>
        <translation>使用 &lt;folder&gt; 中的模拟 oneAPI 工具包（演示模式）。</translation>
    </message>
    <message>
        <source>Single-instance key (tests).</source>
        <translation>单实例键（测试用）。</translation>
    </message>
    <message>
        <source>Definition files to open.</source>
        <translation>要打开的定义文件。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CoreMessages</name>
    <message>
        <source>dpct printed no version line: it is not installed or not on the path that the environment script sets. Conversion is not possible.</source>
        <translation>dpct 未输出版本信息：它未安装，或不在环境脚本所设置的路径中。无法进行转换。</translation>
    </message>
    <message>
        <source>The command could not be written to the command interpreter: %1</source>
        <translation>无法将命令写入命令解释器: %1</translation>
    </message>
    <message>
        <source>Not converted: %1.</source>
        <translation>未转换: %1。</translation>
    </message>
    <message>
        <source>the command line is %1 characters long, and the command interpreter accepts at most %2</source>
        <translation>命令行长度为 %1 个字符，而命令解释器最多接受 %2 个字符</translation>
    </message>
    <message>
        <source>The command interpreter has ended (%1).</source>
        <translation>命令解释器已结束（%1）。</translation>
    </message>
    <message>
        <source>The command interpreter ended during this conversion.</source>
        <translation>命令解释器在此次转换期间结束。</translation>
    </message>
    <message>
        <source>The command interpreter keeps ending; it is not started again.</source>
        <translation>命令解释器反复结束，不再重新启动。</translation>
    </message>
    <message>
        <source>A new command interpreter could not be started: %1</source>
        <translation>无法启动新的命令解释器: %1</translation>
    </message>
    <message>
        <source>A new command interpreter has been started.</source>
        <translation>已启动新的命令解释器。</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>退出代码 %1</translation>
    </message>
    <message>
        <source>killed by signal %1</source>
        <translation>被信号 %1 终止</translation>
    </message>
    <message>
        <source>killed by signal %1 (%2)</source>
        <translation>被信号 %1（%2）终止</translation>
    </message>
    <message>
        <source>status %1</source>
        <translation>状态 %1</translation>
    </message>
    <message>
        <source>output closed</source>
        <translation>输出已关闭</translation>
    </message>
    <message>
        <source>the console could not be read: %1</source>
        <translation>无法读取控制台: %1</translation>
    </message>
    <message>
        <source>cannot create the console pipes: %1</source>
        <translation>无法创建控制台管道: %1</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>无法启动 %1: %2</translation>
    </message>
    <message>
        <source>the command interpreter is not running</source>
        <translation>命令解释器未在运行</translation>
    </message>
    <message>
        <source>the command interpreter has ended</source>
        <translation>命令解释器已结束</translation>
    </message>
    <message>
        <source>a command must be a single line</source>
        <translation>命令必须为单行</translation>
    </message>
    <message>
        <source>the command holds characters that the console&apos;s code page %1 cannot represent</source>
        <translation>命令包含控制台代码页 %1 无法表示的字符</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1中%2</translation>
    </message>
    <message>
        <source>the value of %1</source>
        <translation>%1 的值</translation>
    </message>
    <message>
        <source>the source path</source>
        <translation>源路径</translation>
    </message>
    <message>
        <source>the command line</source>
        <translation>命令行</translation>
    </message>
    <message>
        <source>has a double quote that is not closed</source>
        <translation>有未闭合的双引号</translation>
    </message>
    <message>
        <source>has a single quote that is not closed</source>
        <translation>有未闭合的单引号</translation>
    </message>
    <message>
        <source>has two double quotes in a row inside quotes, which programs read differently</source>
        <translation>引号内有两个连续的双引号，不同程序对其解读不同</translation>
    </message>
    <message>
        <source>has a double quote that programs read as text (after a backslash), so its quotes do not pair up</source>
        <translation>有被程序当作文本读取的双引号（位于反斜杠之后），因此引号无法配对</translation>
    </message>
    <message>
        <source>contains a line break</source>
        <translation>包含换行符</translation>
    </message>
    <message>
        <source>contains a control character</source>
        <translation>包含控制字符</translation>
    </message>
    <message>
        <source>contains a double quote, which would end its quotes on the command line</source>
        <translation>包含双引号，会在命令行上提前结束其引号</translation>
    </message>
    <message>
        <source>contains a %NAME:...% edit of a variable, which the command interpreter would expand before it reads quotes</source>
        <translation>包含 %NAME:...% 形式的变量编辑，命令解释器会在读取引号之前将其展开</translation>
    </message>
    <message>
        <source>not a definition file (it holds binary data)</source>
        <translation>不是定义文件（其中含有二进制数据）</translation>
    </message>
    <message>
        <source>not a definition file (it has neither a [Common] section nor a section of a .cu file)</source>
        <translation>不是定义文件（其中既没有 [Common] 节，也没有 .cu 文件的节）</translation>
    </message>
    <message>
        <source>the path &quot;%1&quot; contains a line break</source>
        <translation>路径 &quot;%1&quot; 包含换行符</translation>
    </message>
    <message>
        <source>the value of %1 of &quot;%2&quot; contains a line break</source>
        <translation>&quot;%2&quot; 的 %1 值包含换行符</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; (%2) cannot be stored in code page %3</source>
        <translation>字符 &quot;%1&quot;（%2）无法以代码页 %3 保存</translation>
    </message>
    <message>
        <source>the text cannot be stored in code page %1</source>
        <translation>文本无法以代码页 %1 保存</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
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
    <name>tovalo::gui::SingleInstance</name>
    <message>
        <source>Another Tovalo is running but does not answer.</source>
        <translation>另一个 Tovalo 正在运行，但没有响应。</translation>
    </message>
</context>
</TS>
