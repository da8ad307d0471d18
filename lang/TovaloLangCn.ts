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
        <translation>添加项目</translation>
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
    <message>
        <source>%1 with a line break in the name</source>
        <translation>名称含换行符的文件 %1 个</translation>
    </message>
    <message>
        <source>%1 folders could not be read</source>
        <translation>无法读取的文件夹 %1 个</translation>
    </message>
    <message>
        <source>%1 links to folders not followed</source>
        <translation>未跟随的文件夹链接 %1 个</translation>
    </message>
    <message>
        <source>Folder scan: %1 added, %2 already in the list</source>
        <translation>文件夹搜索：已添加 %1 个，%2 个已在列表中</translation>
    </message>
    <message>
        <source>, skipped: %1</source>
        <translation>，已跳过：%1</translation>
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
    <message>
        <source>Select A&amp;ll</source>
        <translation>全选(&amp;L)</translation>
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
    <name>tovalo::gui::CAboutDlg</name>
    <message>
        <source>About Tovalo</source>
        <translation>关于 Tovalo</translation>
    </message>
    <message>
        <source>Tovalo: a desktop front end for the dpct migration tool</source>
        <translation>Tovalo: dpct 迁移工具的桌面前端</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tovalo developers</source>
        <translation>Copyright © 2026 Tovalo 开发者</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Intel® oneAPI DPC++ Compatibility Tool
Support application
&lt;&lt; Tovalo &gt;&gt;</source>
        <translation>英特尔® oneAPI DPC++ 兼容性工具
辅助应用程序
&lt;&lt; Tovalo &gt;&gt;</translation>
    </message>
    <message>
        <source>not installed.</source>
        <translation>not installed.</translation>
    </message>
    <message>
        <source>[Application Version]</source>
        <translation>[应用程序版本]</translation>
    </message>
    <message>
        <source>[dpct Version]</source>
        <translation>[dpct 版本]</translation>
    </message>
    <message>
        <source>Path : %1</source>
        <translation>Path : %1</translation>
    </message>
    <message>
        <source>dpct version : %1</source>
        <translation>dpct version : %1</translation>
    </message>
    <message>
        <source>dpct codebase : %1</source>
        <translation>dpct codebase : %1</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CChildFrame</name>
    <message>
        <source>Untitled</source>
        <translation>无标题</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>dpct Diagnostics - %1</source>
        <translation>dpct 诊断 - %1</translation>
    </message>
    <message>
        <source>Untitled %1</source>
        <translation>无标题 %1</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CColorPopup</name>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>褐色</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>橄榄色</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>深绿色</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>深青色</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>深蓝色</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>靛蓝色</translation>
    </message>
    <message>
        <source>Grey 80%</source>
        <translation>灰色-80%</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>深红色</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation>深黄色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Blue-Grey</source>
        <translation>蓝灰色</translation>
    </message>
    <message>
        <source>Grey 40%</source>
        <translation>灰色-40%</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>浅橙色</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>酸橙色</translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation>海绿色</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>水绿色</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>浅蓝色</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>紫罗兰色</translation>
    </message>
    <message>
        <source>Grey 50%</source>
        <translation>灰色-50%</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉红色</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>金色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation>鲜绿色</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>青绿色</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>天蓝色</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>梅红色</translation>
    </message>
    <message>
        <source>Grey 25%</source>
        <translation>灰色-25%</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>玫瑰红</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>茶色</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>浅黄色</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>浅绿色</translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation>浅青绿色</translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation>淡蓝色</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>淡紫色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>More Colours...</source>
        <translation>其他颜色...</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>颜色</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::DiagnosticsView</name>
    <message>
        <source>dpct Diagnostics</source>
        <translation>dpct 诊断</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>诊断代码</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>First message</source>
        <translation>第一条消息</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>the default program for the file</source>
        <translation>该文件的默认程序</translation>
    </message>
    <message>
        <source>The command line that opens a source file, for example
code --goto {file}:{line}:{column}
{file}, {line} and {column} are replaced; the program is started without a shell.</source>
        <translation>用于打开源文件的命令行，例如
code --goto {file}:{line}:{column}
{file}、{line} 和 {column} 会被替换为实际的值；程序不经过 shell 直接启动。</translation>
    </message>
    <message>
        <source>Open &amp;with:</source>
        <translation>打开方式(&amp;W):</translation>
    </message>
    <message>
        <source>The last run gave no diagnostics.</source>
        <translation>上次转换没有诊断信息。</translation>
    </message>
    <message numerus="yes">
        <source>%n diagnostic(s) of dpct in %1 item(s). Double-click a row to open its source location.</source>
        <translation>
            <numerusform>%1 个项目中共有 %n 条 dpct 诊断。双击某一行可打开其源代码位置。</numerusform>
        </translation>
    </message>
    <message>
        <source>The source location could not be opened.
%1</source>
        <translation>无法打开源代码位置。
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n more diagnostic(s) were printed but not kept (an item keeps at most %1).</source>
        <translation>
            <numerusform>另有 %n 条诊断已输出但未保留（每个项目最多保留 %1 条）。</numerusform>
        </translation>
    </message>
    <message>
        <source>Opens %1 at line %2, column %3.</source>
        <translation>打开 %1 的第 %2 行第 %3 列。</translation>
    </message>
    <message>
        <source>Nothing has been converted in this list yet; dpct&apos;s diagnostics are shown here after a run.</source>
        <translation>此列表尚未转换。转换后，dpct 的诊断将显示在此处。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctDataDlg</name>
    <message>
        <source>Add Data</source>
        <translation>添加项目</translation>
    </message>
    <message>
        <source>Update Data</source>
        <translation>编辑项目</translation>
    </message>
    <message>
        <source>File/Directory Selection</source>
        <translation>文件/目录选择</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>选择文件(&amp;F)</translation>
    </message>
    <message>
        <source>Select a directory</source>
        <translation>选择文件夹(&amp;O)</translation>
    </message>
    <message>
        <source>Also take the .cu sources in sub-directories</source>
        <translation>包括子文件夹中的 .cu 文件(&amp;S)</translation>
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
        <translation>全部取消选中(&amp;U)</translation>
    </message>
    <message>
        <source>Check all</source>
        <translation>全部选中(&amp;C)</translation>
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
    <message numerus="yes">
        <source>Update %n Items</source>
        <translation>
            <numerusform>更新 %n 个项目</numerusform>
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
    <message numerus="yes">
        <source>%n entries are not valid:</source>
        <translation>
            <numerusform>有 %n 项输入无效：</numerusform>
        </translation>
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
    <message>
        <source>(mixed)</source>
        <translation>(混合)</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctResultCtrl</name>
    <message>
        <source>[... the beginning of this output is not shown ...]</source>
        <translation>[... 此输出的开头部分未显示 ...]</translation>
    </message>
    <message>
        <source>dpct diagnostics: %1</source>
        <translation>dpct 诊断：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n more not kept</source>
        <translation>
            <numerusform>另有 %n 条未保留</numerusform>
        </translation>
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
    <message>
        <source>Diagnostics</source>
        <translation>诊断</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::MainCommands</name>
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
        <translation>选项(&amp;O)...	F12</translation>
    </message>
    <message>
        <source>Change the settings
Settings</source>
        <translation>更改选项
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
    <message>
        <source>&amp;Re-run Failed Items</source>
        <translation>重新转换失败的项目(&amp;R)</translation>
    </message>
    <message>
        <source>Convert again only the items whose last result was not OK
Re-run Failed</source>
        <translation>仅重新转换上次结果未成功的项目
重新转换失败的项目</translation>
    </message>
    <message>
        <source>Tovalo &amp;User Guide</source>
        <translation>Tovalo 用户指南(&amp;U)</translation>
    </message>
    <message>
        <source>Open the user guide of Tovalo
User Guide</source>
        <translation>打开 Tovalo 用户指南
用户指南</translation>
    </message>
    <message>
        <source>&amp;dpct Documentation (Web)</source>
        <translation>dpct 文档 (Web)(&amp;D)</translation>
    </message>
    <message>
        <source>Open the documentation of dpct in the web browser
dpct Documentation</source>
        <translation>在 Web 浏览器中打开 dpct 文档
dpct 文档</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>层叠(&amp;C)</translation>
    </message>
    <message>
        <source>Arrange the windows so that they overlap
Cascade</source>
        <translation>以层叠方式排列窗口
层叠</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>平铺(&amp;T)</translation>
    </message>
    <message>
        <source>Arrange the windows side by side
Tile</source>
        <translation>以平铺方式并排排列窗口
平铺</translation>
    </message>
    <message>
        <source>Ne&amp;xt Window</source>
        <translation>下一个窗口(&amp;X)</translation>
    </message>
    <message>
        <source>Activate the next window
Next Window</source>
        <translation>激活下一个窗口
下一个窗口</translation>
    </message>
    <message>
        <source>&amp;Previous Window</source>
        <translation>上一个窗口(&amp;P)</translation>
    </message>
    <message>
        <source>Activate the previous window
Previous Window</source>
        <translation>激活上一个窗口
上一个窗口</translation>
    </message>
    <message>
        <source>Close &amp;All</source>
        <translation>全部关闭(&amp;A)</translation>
    </message>
    <message>
        <source>Close every document window
Close All</source>
        <translation>关闭所有文档窗口
全部关闭</translation>
    </message>
    <message>
        <source>&amp;Import Compilation Database...</source>
        <translation>导入编译数据库(&amp;I)...</translation>
    </message>
    <message>
        <source>Make conversion items from a compilation database (compile_commands.json)
Import Compilation Database</source>
        <translation>根据编译数据库 (compile_commands.json) 创建转换项目
导入编译数据库</translation>
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
        <translation>打开定义文件</translation>
    </message>
    <message>
        <source>Definition file (*.txt);;All Files (*)</source>
        <translation>定义文件 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>&quot;Intel®  oneAPI DPC++ Compatibility Tool&quot; Support App
Do you really want to quit?</source>
        <translation>“英特尔® oneAPI DPC++ 兼容性工具”辅助应用程序
确定要退出吗？</translation>
    </message>
    <message>
        <source>The web browser could not be started for %1.</source>
        <translation>无法启动 Web 浏览器来打开 %1。</translation>
    </message>
    <message>
        <source>The user guide was not found. It was looked for in:
%1</source>
        <translation>未找到用户指南。已在以下位置查找：
%1</translation>
    </message>
    <message>
        <source>No program could be started to show %1.</source>
        <translation>无法启动用于显示 %1 的程序。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::MainStatusBar</name>
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
        <translation>dpct 版本：%1</translation>
    </message>
    <message>
        <source>DEMO: simulated oneAPI toolkit</source>
        <translation>演示：模拟 oneAPI 工具包</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>正在停止...</translation>
    </message>
    <message numerus="yes">
        <source>%1 OK, %2 failed, %n with syntax errors</source>
        <translation>
            <numerusform>成功 %1 个，失败 %2 个，有语法错误 %n 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %1 of %n item(s): %2 (%3)</source>
        <translation>
            <numerusform>在 %n 个项目中处理了 %1 个后停止：%2 (%3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished %n item(s): %1 (%2)</source>
        <translation>
            <numerusform>已完成 %n 个项目的转换：%1 (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion unavailable: oneAPI not found</source>
        <translation>无法转换：未找到 oneAPI</translation>
    </message>
    <message numerus="yes">
        <source>%n running</source>
        <translation>
            <numerusform>%n 个运行中</numerusform>
        </translation>
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
    <message>
        <source>Save Output As</source>
        <translation>输出另存为</translation>
    </message>
    <message>
        <source>Log files (*.log);;Text files (*.txt);;All Files (*)</source>
        <translation>日志文件 (*.log);;文本文件 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The output could not be saved to %1:
%2</source>
        <translation>无法将输出保存到 %1：
%2</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>查找(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>另存为(&amp;S)...</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::LogFindBar</name>
    <message>
        <source>Not found</source>
        <translation>未找到</translation>
    </message>
    <message>
        <source>Wrapped around</source>
        <translation>已绕回起点继续查找</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>查找(&amp;N):</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <source>Find the next match (F3)</source>
        <translation>查找下一个 (F3)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一个</translation>
    </message>
    <message>
        <source>Find the previous match (Shift+F3)</source>
        <translation>查找上一个 (Shift+F3)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>关闭查找栏 (Esc)</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CToolOptionPageColor</name>
    <message>
        <source>Item list</source>
        <translation>文件列表</translation>
    </message>
    <message>
        <source>Row text</source>
        <translation>行文字颜色</translation>
    </message>
    <message>
        <source>Row background</source>
        <translation>行背景颜色</translation>
    </message>
    <message>
        <source>Status &quot;Converting&quot;: text</source>
        <translation>状态：“转换中”文字颜色</translation>
    </message>
    <message>
        <source>Status &quot;Syntax errors&quot;: text</source>
        <translation>状态：“有语法错误”文字颜色</translation>
    </message>
    <message>
        <source>Status &quot;Converted OK&quot;: text</source>
        <translation>状态：“转换成功”文字颜色</translation>
    </message>
    <message>
        <source>Status &quot;Failed&quot;: text</source>
        <translation>状态：“转换失败”文字颜色</translation>
    </message>
    <message>
        <source>Conversion result window</source>
        <translation>转换结果窗口</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字颜色</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景颜色</translation>
    </message>
    <message>
        <source>Output window</source>
        <translation>输出窗口</translation>
    </message>
    <message>
        <source>C&amp;olour:</source>
        <translation>颜色(&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Undo &amp;all</source>
        <translation>全部撤销(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Reset to the initial colours</source>
        <translation>恢复初始颜色(&amp;R)</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CToolOptionPageGeneral</name>
    <message>
        <source>3D style</source>
        <translation>3D 样式</translation>
    </message>
    <message>
        <source>Microsoft OneNote style</source>
        <translation>Microsoft OneNote 样式</translation>
    </message>
    <message>
        <source>Visual Studio 2005 style</source>
        <translation>Visual Studio 2005 样式</translation>
    </message>
    <message>
        <source>Style with tab labels</source>
        <translation>带选项卡标签的样式</translation>
    </message>
    <message>
        <source>Flat style with a horizontal scroll bar</source>
        <translation>带水平滚动条的平面样式</translation>
    </message>
    <message>
        <source>Rounded tab labels</source>
        <translation>圆角选项卡标签</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>语言(&amp;L):</translation>
    </message>
    <message>
        <source>* Takes effect after a restart</source>
        <translation>* 重新启动后生效</translation>
    </message>
    <message>
        <source>&amp;Application look:</source>
        <translation>应用程序外观(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Tab mode</source>
        <translation>选项卡模式(&amp;T)</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>选项卡</translation>
    </message>
    <message>
        <source>Tab l&amp;ocation:</source>
        <translation>选项卡位置(&amp;O):</translation>
    </message>
    <message>
        <source>Tab &amp;style:</source>
        <translation>选项卡样式(&amp;S):</translation>
    </message>
    <message>
        <source>A &amp;Close button on every tab</source>
        <translation>每个选项卡都带“关闭”按钮(&amp;C)</translation>
    </message>
    <message>
        <source>A colou&amp;r for every tab</source>
        <translation>每个选项卡使用不同的颜色(&amp;R)</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>底部</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>顶部</translation>
    </message>
    <message>
        <source>The changed language setting takes effect at the next start.</source>
        <translation>更改后的语言设置将在下次启动时生效。</translation>
    </message>
    <message>
        <source>&amp;Parallel conversions:</source>
        <translation>并行转换数(&amp;P)：</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>自动 (%1)</translation>
    </message>
    <message>
        <source>How many dpct runs go on side by side. Automatic: one per logical processor, at most one per 2 GiB of available memory. Items that write into the same out-root folder never run at the same time.</source>
        <translation>同时运行的 dpct 数量。自动：每个逻辑处理器一个，但每 2 GiB 可用内存最多一个。写入同一 out-root 文件夹的项目不会同时运行。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CToolOptionProp</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Colour settings</source>
        <translation>颜色设置</translation>
    </message>
    <message>
        <source>The settings could not be saved:
%1</source>
        <translation>无法保存设置：
%1</translation>
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
        <translation>[Tovalo] 无法启动命令解释器：%1
</translation>
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
    <message>
        <source>Tovalo looked for oneAPI in:</source>
        <translation>Tovalo 在以下位置查找过 oneAPI：</translation>
    </message>
    <message>
        <source>To use an installation in another folder, set the environment variable ONEAPI_ROOT to that folder (the one that holds the setvars script) and start Tovalo again.</source>
        <translation>要使用安装在其他文件夹中的 oneAPI，请将环境变量 ONEAPI_ROOT 设置为该文件夹（包含 setvars 脚本的文件夹），然后重新启动 Tovalo。</translation>
    </message>
    <message>
        <source>The settings could not be read, so Tovalo starts with its default settings and will not save over them when it ends:
%1</source>
        <translation>无法读取设置。Tovalo 将以默认设置启动，退出时也不会覆盖保存设置：
%1</translation>
    </message>
    <message>
        <source>The settings could not be saved; the changes of this session are lost:
%1</source>
        <translation>无法保存设置，本次会话中的更改将丢失：
%1</translation>
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
        <translation>无法将命令写入命令解释器：%1</translation>
    </message>
    <message>
        <source>Not converted: %1.</source>
        <translation>未转换：%1。</translation>
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
        <translation>命令解释器反复退出，不再重新启动。</translation>
    </message>
    <message>
        <source>A new command interpreter could not be started: %1</source>
        <translation>无法启动新的命令解释器：%1</translation>
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
        <translation>无法读取控制台：%1</translation>
    </message>
    <message>
        <source>cannot create the console pipes: %1</source>
        <translation>无法创建控制台管道：%1</translation>
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
    <message>
        <source>Imported %1 (%2, %3, %4)</source>
        <translation>已导入 %1（%2，%3，%4）</translation>
    </message>
    <message>
        <source>%1 CUDA files</source>
        <translation>%1 个 CUDA 文件</translation>
    </message>
    <message>
        <source>%1 CUDA file</source>
        <translation>%1 个 CUDA 文件</translation>
    </message>
    <message>
        <source>%1 source files</source>
        <translation>%1 个源文件</translation>
    </message>
    <message>
        <source>%1 source file</source>
        <translation>%1 个源文件</translation>
    </message>
    <message>
        <source>%1 duplicates merged</source>
        <translation>合并了 %1 个重复项</translation>
    </message>
    <message>
        <source>%1 duplicate merged</source>
        <translation>合并了 %1 个重复项</translation>
    </message>
    <message>
        <source>%1 other entries skipped</source>
        <translation>跳过了 %1 个其他条目</translation>
    </message>
    <message>
        <source>%1 other entry skipped</source>
        <translation>跳过了 %1 个其他条目</translation>
    </message>
    <message>
        <source>%1 files missing</source>
        <translation>缺少 %1 个文件</translation>
    </message>
    <message>
        <source>%1 file missing</source>
        <translation>缺少 %1 个文件</translation>
    </message>
    <message>
        <source>not valid JSON: %1 at line %2, column %3</source>
        <translation>不是有效的 JSON：第 %2 行第 %3 列：%1</translation>
    </message>
    <message>
        <source>not a compilation database: the JSON text is not an array of entries</source>
        <translation>不是编译数据库：JSON 文本不是条目数组</translation>
    </message>
    <message>
        <source>entry %1 of the compilation database is not an object</source>
        <translation>编译数据库的第 %1 个条目不是对象</translation>
    </message>
    <message>
        <source>entry %1 of the compilation database has no &quot;%2&quot;</source>
        <translation>编译数据库的第 %1 个条目没有“%2”</translation>
    </message>
    <message>
        <source>entry %1 of the compilation database: &quot;%2&quot; is not a string</source>
        <translation>编译数据库的第 %1 个条目：“%2”不是字符串</translation>
    </message>
    <message>
        <source>entry %1 of the compilation database: &quot;%2&quot; is not an array of strings</source>
        <translation>编译数据库的第 %1 个条目：“%2”不是字符串数组</translation>
    </message>
    <message>
        <source>dpct refused this item because an earlier migration into the same out-root folder used another set of options (dpct keeps them in MainSourceFiles.yaml there, and exits with -37). Give every item that writes into this out-root the same options that dpct compares, give this item another --out-root, or switch on --no-incremental-migration.</source>
        <translation>dpct 拒绝了此项目：之前向同一 out-root 文件夹的迁移使用了另一组选项（dpct 将其记录在该文件夹的 MainSourceFiles.yaml 中，并以 -37 退出）。请为写入此 out-root 的所有项目指定 dpct 所比较的相同选项，或为此项目指定其他 --out-root，或启用 --no-incremental-migration。</translation>
    </message>
    <message>
        <source>larger than %1 MiB, the most that is read</source>
        <translation>超过可读取的上限 %1 MiB</translation>
    </message>
    <message>
        <source>the folder of the list</source>
        <translation>列表所在的文件夹</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::DefinitionModel</name>
    <message>
        <source>This file does not exist:
%1</source>
        <translation>此文件不存在：
%1</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::DocumentCommands</name>
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
        <source>&amp;Add CUDA Files...</source>
        <translation>添加 CUDA 文件(&amp;A)...</translation>
    </message>
    <message>
        <source>Add CUDA files to the list
Add</source>
        <translation>将 CUDA 文件添加到列表
添加</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Item...</source>
        <translation>编辑所选项目(&amp;E)...</translation>
    </message>
    <message>
        <source>Edit the selected item
Edit</source>
        <translation>编辑所选项目
编辑</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Item</source>
        <translation>删除所选项目(&amp;D)</translation>
    </message>
    <message>
        <source>Delete the selected item
Delete</source>
        <translation>删除所选项目
删除</translation>
    </message>
    <message>
        <source>Delete A&amp;ll Items...</source>
        <translation>删除所有项目(&amp;L)...</translation>
    </message>
    <message>
        <source>Delete every item of the list
Delete All</source>
        <translation>删除列表中的所有项目
全部删除</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>上移(&amp;P)</translation>
    </message>
    <message>
        <source>Move the selected item one place up; items are converted in list order
Move Up</source>
        <translation>将所选项目上移一位；项目按列表顺序转换
上移</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下移(&amp;W)</translation>
    </message>
    <message>
        <source>Move the selected item one place down; items are converted in list order
Move Down</source>
        <translation>将所选项目下移一位；项目按列表顺序转换
下移</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>撤销对列表的最后一次更改
撤销</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Redo the last undone change
Redo</source>
        <translation>重做上次撤销的更改
重做</translation>
    </message>
    <message>
        <source>dpct &amp;Diagnostics...</source>
        <translation>dpct 诊断(&amp;D)...</translation>
    </message>
    <message>
        <source>Show dpct&apos;s diagnostics of the last run by code
Diagnostics</source>
        <translation>按代码显示上次转换的 dpct 诊断
dpct 诊断</translation>
    </message>
    <message>
        <source>&amp;Export Results as CSV...</source>
        <translation>将结果导出为 CSV(&amp;E)...</translation>
    </message>
    <message>
        <source>Save the last run&apos;s results as a CSV file
Export CSV</source>
        <translation>将上次转换的结果保存为 CSV 文件
导出 CSV</translation>
    </message>
    <message>
        <source>Export Results as &amp;JSON...</source>
        <translation>将结果导出为 JSON(&amp;J)...</translation>
    </message>
    <message>
        <source>Save the last run&apos;s results as a JSON file
Export JSON</source>
        <translation>将上次转换的结果保存为 JSON 文件
导出 JSON</translation>
    </message>
    <message>
        <source>&amp;Add CUDA Files...	Ins</source>
        <translation>添加 CUDA 文件(&amp;A)...	Ins</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Item...	Enter</source>
        <translation>编辑所选项目(&amp;E)...	Enter</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Item	Del</source>
        <translation>删除所选项目(&amp;D)	Del</translation>
    </message>
    <message>
        <source>Delete A&amp;ll Items...	Ctrl+Del</source>
        <translation>删除所有项目(&amp;L)...	Ctrl+Del</translation>
    </message>
    <message>
        <source>Move U&amp;p	Alt+Up</source>
        <translation>上移(&amp;P)	Alt+Up</translation>
    </message>
    <message>
        <source>Move Do&amp;wn	Alt+Down</source>
        <translation>下移(&amp;W)	Alt+Down</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>撤销(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>重做(&amp;R)	Ctrl+Y</translation>
    </message>
    <message>
        <source>Convert Se&amp;lected Items</source>
        <translation>转换所选项目(&amp;L)</translation>
    </message>
    <message>
        <source>Convert only the items selected in the list
Convert Selected</source>
        <translation>只转换列表中所选的项目
转换所选项目</translation>
    </message>
    <message>
        <source>Export &amp;Report...</source>
        <translation>导出报告(&amp;R)...</translation>
    </message>
    <message>
        <source>Save the last run&apos;s results as a report for the web browser and show it
Export Report</source>
        <translation>将上次运行的结果保存为网页浏览器报告并显示
导出报告</translation>
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
    <message>
        <source>results</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Export Results as JSON</source>
        <translation>将结果导出为 JSON</translation>
    </message>
    <message>
        <source>Export Results as CSV</source>
        <translation>将结果导出为 CSV</translation>
    </message>
    <message>
        <source>JSON files (*.json);;All files (*)</source>
        <translation>JSON 文件 (*.json);;所有文件 (*)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.
%2</source>
        <translation>无法将结果保存到 %1。
%2</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>无标题</translation>
    </message>
    <message numerus="yes">
        <source>%1
%n option value(s) are not in the option&apos;s list. Such an option is left out of the dpct command line until you pick a value in the item dialog:
%2</source>
        <translation>
            <numerusform>%1
有 %n 个选项值不在该选项的列表中。在项目对话框中选择值之前，该选项不会写入 dpct 命令行：
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
        <translation>确定要从列表中删除 %1 吗？</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete all %n item(s) from the list?</source>
        <translation>
            <numerusform>确定要从列表中删除全部 %n 个项目吗？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>另外 %n 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them are hidden by the filter.</source>
        <translation>
            <numerusform>其中 %n 个已被筛选隐藏。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the %n selected item(s) from the list?</source>
        <translation>
            <numerusform>确定要从列表中删除所选的 %n 个项目吗？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tovalo::gui::ListFilterBar</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2 项</translation>
    </message>
    <message>
        <source>Fi&amp;lter:</source>
        <translation>筛选(&amp;L):</translation>
    </message>
    <message>
        <source>Part of a path</source>
        <translation>路径的一部分</translation>
    </message>
    <message>
        <source>Shows only the items whose path contains this text (letter case is ignored). Esc empties it.</source>
        <translation>仅显示路径中包含此文本的项目（不区分大小写）。按 Esc 键清空。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::MainTitle</name>
    <message>
        <source>Intel® oneAPI DPC++ Compatibility Tool
Support App
&lt;&lt; Tovalo &gt;&gt;</source>
        <translation>英特尔® oneAPI DPC++ 兼容性工具
辅助应用程序
&lt;&lt; Tovalo &gt;&gt;</translation>
    </message>
    <message>
        <source>DEMO</source>
        <translation>演示</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::RunController</name>
    <message>
        <source>%1
  writes into %2 as %3 does, with other values of: %4</source>
        <translation>%1
  与 %3 一样输出到 %2，但以下选项的值不同：%4</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more item(s).</source>
        <translation>
            <numerusform>... 另外 %n 个项目。</numerusform>
        </translation>
    </message>
    <message>
        <source>dpct keeps the options of a migration in its out-root folder and refuses (exit code -37) a later migration into the same folder with other values of the options it compares. These items would be refused:%1

Give them the same options, another --out-root, or --no-incremental-migration. Run anyway?</source>
        <translation>dpct 会在 out-root 文件夹中记录迁移时的选项，之后向同一文件夹迁移时，如果所比较的选项值不同，就会拒绝迁移（退出代码 -37）。以下项目将被拒绝：%1

请为它们设置相同的选项、其他 --out-root，或使用 --no-incremental-migration。仍要转换吗？</translation>
    </message>
    <message>
        <source>&amp;Run Anyway</source>
        <translation>仍然转换(&amp;R)</translation>
    </message>
    <message>
        <source>console %1</source>
        <translation>控制台 %1</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::SingleInstance</name>
    <message>
        <source>Another Tovalo is running but does not answer.</source>
        <translation>另一个 Tovalo 正在运行，但没有响应。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::SourceOpener</name>
    <message>
        <source>The file %1 does not exist (any more).</source>
        <translation>文件 %1 不存在（可能已被删除）。</translation>
    </message>
    <message>
        <source>No program is set up to open %1.</source>
        <translation>未设置用于打开 %1 的程序。</translation>
    </message>
    <message>
        <source>The editor %1 could not be started.</source>
        <translation>无法启动编辑器 %1。</translation>
    </message>
    <message>
        <source>The editor command has an unclosed double quote.</source>
        <translation>编辑器命令中有未闭合的双引号。</translation>
    </message>
    <message>
        <source>The editor command is empty.</source>
        <translation>编辑器命令为空。</translation>
    </message>
    <message>
        <source>%1 is not an absolute path.</source>
        <translation>%1 不是绝对路径。</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 不是文件。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::ReportExport</name>
    <message>
        <source>Migration report</source>
        <translation>迁移报告</translation>
    </message>
    <message>
        <source>Made %1</source>
        <translation>生成时间：%1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>转换成功</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>转换失败</translation>
    </message>
    <message>
        <source>Syntax errors</source>
        <translation>语法错误</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>未转换</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>诊断</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>总时间</translation>
    </message>
    <message>
        <source>Median time per item</source>
        <translation>每个项目的时间（中位数）</translation>
    </message>
    <message>
        <source>dpct version</source>
        <translation>dpct 版本</translation>
    </message>
    <message>
        <source>Codebase</source>
        <translation>代码库</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Items by status</source>
        <translation>按状态分类的项目</translation>
    </message>
    <message>
        <source>Diagnostics by code</source>
        <translation>按代码分类的诊断</translation>
    </message>
    <message>
        <source>%1 other codes</source>
        <translation>其他 %1 个代码</translation>
    </message>
    <message>
        <source>dpct reported no diagnostics.</source>
        <translation>dpct 未报告任何诊断。</translation>
    </message>
    <message>
        <source>Diagnostic codes</source>
        <translation>诊断代码</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>Items affected</source>
        <translation>受影响的项目</translation>
    </message>
    <message>
        <source>First message</source>
        <translation>首条消息</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>参考</translation>
    </message>
    <message>
        <source>Read about %1</source>
        <translation>查看 %1 的说明</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Exit code</source>
        <translation>退出代码</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>%1 diagnostics</source>
        <translation>%1 条诊断</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
    <message>
        <source>path, status or code</source>
        <translation>路径、状态或代码</translation>
    </message>
    <message>
        <source>%1 of %2 items shown</source>
        <translation>显示 %2 个项目中的 %1 个</translation>
    </message>
    <message>
        <source>Sort by this column</source>
        <translation>按此列排序</translation>
    </message>
    <message>
        <source>Not run</source>
        <translation>未运行</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待转换</translation>
    </message>
    <message>
        <source>Stopped while converting</source>
        <translation>转换时停止</translation>
    </message>
    <message>
        <source>Syntax error</source>
        <translation>语法错误</translation>
    </message>
    <message>
        <source>,</source>
        <translation>,</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>h</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>导出报告</translation>
    </message>
    <message>
        <source>HTML files (*.html);;All files (*)</source>
        <translation>HTML 文件 (*.html);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Migration report: %1</source>
        <translation>迁移报告：%1</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.
%2</source>
        <translation>无法将报告保存到 %1。
%2</translation>
    </message>
    <message>
        <source>The report was saved to %1, but no web browser could be started to show it.</source>
        <translation>报告已保存到 %1，但无法启动网页浏览器来显示它。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::ImportDbDialog</name>
    <message>
        <source>Import Compilation Database</source>
        <translation>导入编译数据库</translation>
    </message>
    <message>
        <source>Compilation &amp;database:</source>
        <translation>编译数据库(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;In-root (optional):</source>
        <translation>--in-root (可选)(&amp;I)：</translation>
    </message>
    <message>
        <source>O&amp;ut-root (optional):</source>
        <translation>--out-root (可选)(&amp;U)：</translation>
    </message>
    <message>
        <source>compile_commands.json, or the folder that holds it</source>
        <translation>compile_commands.json，或包含它的文件夹</translation>
    </message>
    <message>
        <source>the deepest folder that holds every imported source</source>
        <translation>包含所有导入源文件的最深文件夹</translation>
    </message>
    <message>
        <source>dpct_output beside the database</source>
        <translation>数据库所在文件夹中的 dpct_output</translation>
    </message>
    <message>
        <source>Take &amp;every entry, not only the CUDA translation units</source>
        <translation>导入所有条目，而不仅是 CUDA 翻译单元(&amp;E)</translation>
    </message>
    <message>
        <source>Open the items as a &amp;new list</source>
        <translation>作为新列表打开(&amp;N)</translation>
    </message>
    <message>
        <source>Add the items to the &amp;active list</source>
        <translation>添加到当前列表(&amp;A)</translation>
    </message>
    <message>
        <source>Add the items to the &amp;active list (%1)</source>
        <translation>添加到当前列表 (%1)(&amp;A)</translation>
    </message>
    <message>
        <source>Compilation databases (compile_commands.json *.json);;All files (*)</source>
        <translation>编译数据库 (compile_commands.json *.json);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Choose the compilation database</source>
        <translation>选择编译数据库</translation>
    </message>
    <message>
        <source>Choose the in-root folder</source>
        <translation>选择 --in-root 文件夹</translation>
    </message>
    <message>
        <source>Choose the out-root folder</source>
        <translation>选择 --out-root 文件夹</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CompileDbImporter</name>
    <message>
        <source>%1
The compilation database could not be imported: %2
No items were added.</source>
        <translation>%1
无法导入编译数据库：%2
未添加任何项目。</translation>
    </message>
</context>
</TS>
