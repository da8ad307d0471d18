<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>DirectoryScan</name>
    <message>
        <source>Searching for CUDA files...</source>
        <translation>正在搜尋 CUDA 檔案...</translation>
    </message>
    <message>
        <source>Searching for CUDA files...
%1 folders, %2 files found</source>
        <translation>正在搜尋 CUDA 檔案...
已找到 %1 個資料夾、%2 個檔案</translation>
    </message>
    <message>
        <source>Add Data</source>
        <translation>新增項目</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>There were no items to add.</source>
        <translation>沒有可新增的項目。</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... 另有 %1 個</translation>
    </message>
    <message>
        <source>%1 CUDA files were left out: their names contain a line break, which a definition file cannot hold.

%2</source>
        <translation>有 %1 個 CUDA 檔案未新增：其名稱含有換行字元，定義檔無法儲存這樣的名稱。

%2</translation>
    </message>
    <message>
        <source>%1 with a line break in the name</source>
        <translation>名稱含換行字元的檔案 %1 個</translation>
    </message>
    <message>
        <source>%1 folders could not be read</source>
        <translation>無法讀取的資料夾 %1 個</translation>
    </message>
    <message>
        <source>%1 links to folders not followed</source>
        <translation>未追蹤的資料夾連結 %1 個</translation>
    </message>
    <message>
        <source>Folder scan: %1 added, %2 already in the list</source>
        <translation>資料夾搜尋：已新增 %1 個，%2 個已在清單中</translation>
    </message>
    <message>
        <source>, skipped: %1</source>
        <translation>，已略過：%1</translation>
    </message>
</context>
<context>
    <name>LogContextMenu</name>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>複製(&amp;C)</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>全部清除(&amp;A)</translation>
    </message>
    <message>
        <source>Select A&amp;ll</source>
        <translation>全選(&amp;L)</translation>
    </message>
</context>
<context>
    <name>OptionHelp</name>
    <message>
        <source>Shows the directory of the source file.</source>
        <translation>顯示原始檔的目錄。</translation>
    </message>
    <message>
        <source>Shows the file name of the source file.</source>
        <translation>顯示原始檔的檔案名稱。</translation>
    </message>
    <message>
        <source>Always creates cl::sycl::queue with an asynchronous exception handler.</source>
        <translation>一律以非同步例外處理常式建立 cl::sycl::queue。</translation>
    </message>
    <message>
        <source>Gives the tool a hint about the dimension of nd_range to use in the generated code.</source>
        <translation>提示工具在產生的程式碼中要使用的 nd_range 維度。</translation>
    </message>
    <message>
        <source>Specifies the name of the makefile generated for the migrated files.</source>
        <translation>指定為移轉後的檔案所產生之 makefile 的名稱。</translation>
    </message>
    <message>
        <source>Inserts comments that explain the generated code.</source>
        <translation>插入說明所產生程式碼的註解。</translation>
    </message>
    <message>
        <source>Specifies the directory path of the CUDA header files.</source>
        <translation>指定 CUDA 標頭檔的目錄路徑。</translation>
    </message>
    <message>
        <source>Specifies the helper header folder name and the main helper header file name.</source>
        <translation>指定輔助標頭檔的資料夾名稱與主要輔助標頭檔的檔案名稱。</translation>
    </message>
    <message>
        <source>Uses C++17 class template argument deduction (CTAD) in the generated code.</source>
        <translation>在產生的程式碼中使用 C++17 類別範本引數推導（CTAD）。</translation>
    </message>
    <message>
        <source>Specifies an additional argument to append to the migration command line.</source>
        <translation>指定要附加到移轉命令列的額外引數。</translation>
    </message>
    <message>
        <source>Sets the range of formatting.</source>
        <translation>設定格式化的範圍。</translation>
    </message>
    <message>
        <source>Sets the formatting style.</source>
        <translation>設定格式化樣式。</translation>
    </message>
    <message>
        <source>Generates a makefile for the migrated files in the --out-root directory.</source>
        <translation>在 --out-root 目錄中為移轉後的檔案產生 makefile。</translation>
    </message>
    <message>
        <source>Directory path of the root of the source tree to migrate. Only files under this root are migrated.</source>
        <translation>要移轉之原始碼樹狀結構的根目錄路徑。只會移轉此根目錄下的檔案。</translation>
    </message>
    <message>
        <source>Keeps the original code in comments of the generated DPC++ files.</source>
        <translation>在產生的 DPC++ 檔案的註解中保留原始程式碼。</translation>
    </message>
    <message>
        <source>(Deprecated) Do not use the cl:: namespace inline.</source>
        <translation>（已淘汰）不要以內嵌方式使用 cl:: 命名空間。</translation>
    </message>
    <message>
        <source>Sets a comma-separated list of DPC++ extensions not to be used in the migrated code.</source>
        <translation>設定移轉後的程式碼中不使用之 DPC++ 擴充功能的逗號分隔清單。</translation>
    </message>
    <message>
        <source>Does not use the Don&apos;t Repeat Yourself (DRY) pattern when functions of the dpct namespace are inserted.</source>
        <translation>插入 dpct 命名空間的函式時，不使用 Don&apos;t Repeat Yourself（DRY）模式。</translation>
    </message>
    <message>
        <source>Tells the tool not to migrate incrementally.</source>
        <translation>不進行增量移轉。</translation>
    </message>
    <message>
        <source>Generates code that applies more aggressive assumptions, which may change the program&apos;s semantics.</source>
        <translation>產生套用更積極假設的程式碼，這可能會改變程式的語意。</translation>
    </message>
    <message>
        <source>Specifies the directory path of the root of the generated files. The directory is created if it does not exist.</source>
        <translation>指定所產生檔案的根目錄路徑。若該目錄不存在，將會建立。</translation>
    </message>
    <message>
        <source>Redirects the stdout/stderr output to a file in the output directory given by --out-root.</source>
        <translation>將 stdout/stderr 輸出重新導向至 --out-root 所指定輸出目錄中的檔案。</translation>
    </message>
    <message>
        <source>Sets the level of detail of the output.</source>
        <translation>設定輸出的詳細程度。</translation>
    </message>
    <message>
        <source>Directory path of the compilation database (compile_commands.json). Without a path, compile_commands.json is searched for in every parent directory of the first input source file.</source>
        <translation>編譯資料庫（compile_commands.json）的目錄路徑。未指定路徑時，會在第一個輸入原始檔的各層上層目錄中搜尋 compile_commands.json。</translation>
    </message>
    <message>
        <source>Migrates or copies every file except hidden ones from the --in-root directory to the --out-root directory. --in-root must be given explicitly.</source>
        <translation>將 --in-root 目錄中除隱藏檔案以外的所有檔案移轉或複製到 --out-root 目錄。必須明確指定 --in-root。</translation>
    </message>
    <message>
        <source>Prefix of the report file names. The full name gets a suffix derived from report-type and an extension derived from report-format.</source>
        <translation>報告檔案名稱的前置詞。完整檔名會加上由 report-type 衍生的後置詞，以及由 report-format 衍生的副檔名。</translation>
    </message>
    <message>
        <source>Sets the format of the reports.</source>
        <translation>設定報告的格式。</translation>
    </message>
    <message>
        <source>Only reports are generated. No DPC++ code is generated.</source>
        <translation>只產生報告，不產生 DPC++ 程式碼。</translation>
    </message>
    <message>
        <source>Specifies the type of the report.</source>
        <translation>指定報告的類型。</translation>
    </message>
    <message>
        <source>Stops migration and report generation when a parsing error occurs.</source>
        <translation>發生剖析錯誤時停止移轉與報告產生。</translation>
    </message>
    <message>
        <source>Specifies a comma-separated list of migration warnings to suppress. Valid warning IDs range from 1000 to 1047.</source>
        <translation>指定要隱藏之移轉警告的逗號分隔清單。有效的警告 ID 範圍為 1000 至 1047。</translation>
    </message>
    <message>
        <source>Suppresses all migration warnings.</source>
        <translation>隱藏所有移轉警告。</translation>
    </message>
    <message>
        <source>Generates kernels with the kernel name.</source>
        <translation>產生帶有核心名稱的核心。</translation>
    </message>
    <message>
        <source>Customizes the helper header files for the migrated code.</source>
        <translation>為移轉後的程式碼自訂輔助標頭檔。</translation>
    </message>
    <message>
        <source>Sets a comma-separated list of experimental features to be used in the migrated code. By default no experimental features are used.</source>
        <translation>設定移轉後的程式碼中要使用之實驗性功能的逗號分隔清單。預設不使用任何實驗性功能。</translation>
    </message>
    <message>
        <source>Defines the namespaces to use explicitly in the generated code.</source>
        <translation>定義在產生的程式碼中明確使用的命名空間。</translation>
    </message>
    <message>
        <source>Sets the Unified Shared Memory (USM) level to use in source code generation.</source>
        <translation>設定產生原始碼時使用的統一共用記憶體（USM）層級。</translation>
    </message>
    <message>
        <source>Specifies the file path of the vcxproj file.</source>
        <translation>指定 vcxproj 檔案的檔案路徑。</translation>
    </message>
    <message>
        <source>Directory name</source>
        <translation>目錄名稱</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>檔案名稱</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Return</source>
        <translation>Enter</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CAboutDlg</name>
    <message>
        <source>About Tovalo</source>
        <translation>關於 Tovalo</translation>
    </message>
    <message>
        <source>Tovalo: a desktop front end for the dpct migration tool</source>
        <translation>Tovalo: dpct 移轉工具的桌面前端程式</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tovalo developers</source>
        <translation>Copyright © 2026 Tovalo 開發人員</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Intel® oneAPI DPC++ Compatibility Tool
Support application
&lt;&lt; Tovalo &gt;&gt;</source>
        <translation>Intel® oneAPI DPC++ 相容性工具
支援應用程式
&lt;&lt; Tovalo &gt;&gt;</translation>
    </message>
    <message>
        <source>not installed.</source>
        <translation>not installed.</translation>
    </message>
    <message>
        <source>[Application Version]</source>
        <translation>[應用程式版本]</translation>
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
        <translation>未命名</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <source>dpct Diagnostics - %1</source>
        <translation>dpct 診斷 - %1</translation>
    </message>
    <message>
        <source>Untitled %1</source>
        <translation>未命名 %1</translation>
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
        <translation>棕色</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>橄欖色</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>深綠色</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>深青色</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>深藍色</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>靛藍色</translation>
    </message>
    <message>
        <source>Grey 80%</source>
        <translation>灰色-80%</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>深紅色</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation>深黃色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>綠色</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>藍色</translation>
    </message>
    <message>
        <source>Blue-Grey</source>
        <translation>藍灰色</translation>
    </message>
    <message>
        <source>Grey 40%</source>
        <translation>灰色-40%</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>紅色</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>淺橙色</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>萊姆綠</translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation>海綠色</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>水藍色</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>淺藍色</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>紫羅蘭色</translation>
    </message>
    <message>
        <source>Grey 50%</source>
        <translation>灰色-50%</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉紅色</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>金色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黃色</translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation>亮綠色</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>青綠色</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>天藍色</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>梅紅色</translation>
    </message>
    <message>
        <source>Grey 25%</source>
        <translation>灰色-25%</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>玫瑰紅</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>棕褐色</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>淺黃色</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>淺綠色</translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation>淺青綠色</translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation>淡藍色</translation>
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
        <translation>自動</translation>
    </message>
    <message>
        <source>More Colours...</source>
        <translation>其他色彩...</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>色彩</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::DiagnosticsView</name>
    <message>
        <source>dpct Diagnostics</source>
        <translation>dpct 診斷</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>代碼</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>數量</translation>
    </message>
    <message>
        <source>First message</source>
        <translation>第一則訊息</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>the default program for the file</source>
        <translation>該檔案的預設程式</translation>
    </message>
    <message>
        <source>The command line that opens a source file, for example
code --goto {file}:{line}:{column}
{file}, {line} and {column} are replaced; the program is started without a shell.</source>
        <translation>用來開啟原始檔的命令列，例如
code --goto {file}:{line}:{column}
{file}、{line} 和 {column} 會被取代為實際的值；程式不透過 shell 直接啟動。</translation>
    </message>
    <message>
        <source>Open &amp;with:</source>
        <translation>開啟方式(&amp;W):</translation>
    </message>
    <message>
        <source>The last run gave no diagnostics.</source>
        <translation>上次轉換沒有診斷資訊。</translation>
    </message>
    <message numerus="yes">
        <source>%n diagnostic(s) of dpct in %1 item(s). Double-click a row to open its source location.</source>
        <translation>
            <numerusform>%1 個項目中共有 %n 則 dpct 診斷。按兩下某一列可開啟其原始碼位置。</numerusform>
        </translation>
    </message>
    <message>
        <source>The source location could not be opened.
%1</source>
        <translation>無法開啟原始碼位置。
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n more diagnostic(s) were printed but not kept (an item keeps at most %1).</source>
        <translation>
            <numerusform>另有 %n 則診斷已輸出但未保留（每個項目最多保留 %1 則）。</numerusform>
        </translation>
    </message>
    <message>
        <source>Opens %1 at line %2, column %3.</source>
        <translation>開啟 %1 的第 %2 行第 %3 欄。</translation>
    </message>
    <message>
        <source>Nothing has been converted in this list yet; dpct&apos;s diagnostics are shown here after a run.</source>
        <translation>此清單尚未轉換。轉換後，dpct 的診斷將顯示在此處。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctDataDlg</name>
    <message>
        <source>Add Data</source>
        <translation>新增項目</translation>
    </message>
    <message>
        <source>Update Data</source>
        <translation>編輯項目</translation>
    </message>
    <message>
        <source>File/Directory Selection</source>
        <translation>檔案/目錄選擇</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>選擇檔案(&amp;F)</translation>
    </message>
    <message>
        <source>Select a directory</source>
        <translation>選擇資料夾(&amp;O)</translation>
    </message>
    <message>
        <source>Also take the .cu sources in sub-directories</source>
        <translation>包含子資料夾中的 .cu 檔案(&amp;S)</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>瀏覽</translation>
    </message>
    <message>
        <source>Select the CUDA file to convert</source>
        <translation>選擇要轉換的 CUDA 檔案</translation>
    </message>
    <message>
        <source>Select the folder that holds the CUDA files to convert</source>
        <translation>選擇含有要轉換之 CUDA 檔案的資料夾</translation>
    </message>
    <message>
        <source>Conversion Option Settings</source>
        <translation>轉換選項設定</translation>
    </message>
    <message>
        <source>Uncheck all</source>
        <translation>全部取消勾選(&amp;U)</translation>
    </message>
    <message>
        <source>Check all</source>
        <translation>全部勾選(&amp;C)</translation>
    </message>
    <message>
        <source>cuda file (*.cu);;All Files (*)</source>
        <translation>CUDA 檔案 (*.cu);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>The selected file is already in the list.</source>
        <translation>選取的檔案已在清單中。</translation>
    </message>
    <message>
        <source>The file name is not valid. Enter a valid file name.</source>
        <translation>檔案名稱無效。請輸入有效的檔案名稱。</translation>
    </message>
    <message>
        <source>The directory name is not valid. Enter a valid directory name.</source>
        <translation>目錄名稱無效。請輸入有效的目錄名稱。</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains a line break, which a definition file cannot hold. Rename the file first.</source>
        <translation>檔案名稱「%1」含有換行字元，定義檔無法儲存。請先將檔案重新命名。</translation>
    </message>
    <message>
        <source>The directory name &quot;%1&quot; contains a line break, which a definition file cannot hold. Rename the directory first.</source>
        <translation>目錄名稱「%1」含有換行字元，定義檔無法儲存。請先將目錄重新命名。</translation>
    </message>
    <message numerus="yes">
        <source>Update %n Items</source>
        <translation>
            <numerusform>更新 %n 個項目</numerusform>
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
        <translation>瀏覽</translation>
    </message>
    <message>
        <source>Select the directory of the CUDA header files</source>
        <translation>選擇 CUDA 標頭檔的目錄</translation>
    </message>
    <message>
        <source>Select the root directory of the source tree</source>
        <translation>選擇原始碼樹狀結構的根目錄</translation>
    </message>
    <message>
        <source>Select the root directory of the generated files</source>
        <translation>選擇所產生檔案的根目錄</translation>
    </message>
    <message>
        <source>Select the directory of the compilation database</source>
        <translation>選擇編譯資料庫的目錄</translation>
    </message>
    <message>
        <source>Select the output file for stdout / stderr</source>
        <translation>選擇 stdout / stderr 的輸出檔案</translation>
    </message>
    <message>
        <source>Text File (*.txt);;All Files (*)</source>
        <translation>文字檔 (*.txt);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Select the vcxproj file</source>
        <translation>選擇 vcxproj 檔案</translation>
    </message>
    <message>
        <source>vcxproj file (*.vcxproj);;All Files (*)</source>
        <translation>vcxproj 檔案 (*.vcxproj);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>The selected value is not valid. Select a correct value.</source>
        <translation>選取的內容有誤。請選擇正確的值。</translation>
    </message>
    <message>
        <source>The name you entered is not valid. Enter a suitable name.</source>
        <translation>輸入的名稱有誤。請輸入適當的名稱。</translation>
    </message>
    <message>
        <source>The path you entered is not valid. Enter a correct path.</source>
        <translation>輸入的路徑有誤。請輸入正確的路徑。</translation>
    </message>
    <message>
        <source>The file name you entered is not valid. Enter a correct file name.</source>
        <translation>輸入的檔案名稱有誤。請輸入正確的檔案名稱。</translation>
    </message>
    <message>
        <source>No value has been entered. Enter a suitable value.</source>
        <translation>尚未輸入值。請輸入適當的值。</translation>
    </message>
    <message>
        <source>The quotes in the value you entered do not pair up, or it contains a line break or a control character. Close every quote you open.</source>
        <translation>輸入值中的引號未成對，或其中含有換行字元或控制字元。請將每個引號成對關閉。</translation>
    </message>
    <message>
        <source>The folder you entered is missing, and so is the folder that would hold it. Enter an existing folder, or a new one in an existing folder.</source>
        <translation>輸入的資料夾不存在，其所在的資料夾也不存在。請輸入既有的資料夾，或既有資料夾中的新資料夾。</translation>
    </message>
    <message numerus="yes">
        <source>%n entries are not valid:</source>
        <translation>
            <numerusform>有 %n 個輸入項目無效：</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctPropCtrl</name>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Conversion options</source>
        <translation>轉換選項</translation>
    </message>
    <message>
        <source>Options of the selected item</source>
        <translation>選取項目的選項</translation>
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
        <translation>[... 此輸出的開頭部分未顯示 ...]</translation>
    </message>
    <message>
        <source>dpct diagnostics: %1</source>
        <translation>dpct 診斷：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n more not kept</source>
        <translation>
            <numerusform>另有 %n 則未保留</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctTreeCtrl</name>
    <message>
        <source>Conversion items</source>
        <translation>檔案清單</translation>
    </message>
    <message>
        <source>Row %1 of %2: %3</source>
        <translation>第 %1 列，共 %2 列：%3</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待轉換</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>轉換中</translation>
    </message>
    <message>
        <source>Converted OK</source>
        <translation>轉換成功</translation>
    </message>
    <message>
        <source>Converted NG</source>
        <translation>轉換失敗</translation>
    </message>
    <message>
        <source>Syntax errors</source>
        <translation>有語法錯誤</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暫停</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>診斷</translation>
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
        <translation>Office2007：藍色樣式(&amp;B)</translation>
    </message>
    <message>
        <source>Office2007: B&amp;lack Style</source>
        <translation>Office2007：黑色樣式(&amp;L)</translation>
    </message>
    <message>
        <source>Office2007: &amp;Silver Style</source>
        <translation>Office2007：銀色樣式(&amp;S)</translation>
    </message>
    <message>
        <source>Office2007: &amp;Aqua Style</source>
        <translation>Office2007：水藍色樣式(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>開新檔案(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new definition file
New</source>
        <translation>建立新的定義檔
開新檔案</translation>
    </message>
    <message>
        <source>&amp;Open Definition File...</source>
        <translation>開啟定義檔(&amp;O)...</translation>
    </message>
    <message>
        <source>Open a definition file
Open</source>
        <translation>開啟定義檔
開啟</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>開新視窗(&amp;N)</translation>
    </message>
    <message>
        <source>Open another window for a new definition file
New Window</source>
        <translation>為新的定義檔開啟另一個視窗
開新視窗</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>最近使用的檔案(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>結束應用程式
結束</translation>
    </message>
    <message>
        <source>&amp;Start Conversion</source>
        <translation>開始轉換(&amp;S)</translation>
    </message>
    <message>
        <source>Convert every item of the list with dpct
Start</source>
        <translation>以 dpct 轉換清單中的所有項目
開始轉換</translation>
    </message>
    <message>
        <source>S&amp;top Conversion</source>
        <translation>停止轉換(&amp;T)</translation>
    </message>
    <message>
        <source>Stop the conversion
Stop</source>
        <translation>停止轉換
停止轉換</translation>
    </message>
    <message>
        <source>&amp;Pause/Resume Conversion</source>
        <translation>暫停/繼續轉換(&amp;P)</translation>
    </message>
    <message>
        <source>Pause or resume the conversion
Pause/Resume</source>
        <translation>暫停或繼續轉換
暫停/繼續</translation>
    </message>
    <message>
        <source>&amp;Settings...	F12</source>
        <translation>選項(&amp;O)...	F12</translation>
    </message>
    <message>
        <source>Change the settings
Settings</source>
        <translation>變更選項
選項</translation>
    </message>
    <message>
        <source>&amp;About Tovalo...</source>
        <translation>關於 Tovalo(&amp;A)...</translation>
    </message>
    <message>
        <source>Show the program&apos;s version
About</source>
        <translation>顯示程式的版本資訊
關於</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具列(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toolbar</source>
        <translation>顯示或隱藏工具列
工具列</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>狀態列(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Status Bar</source>
        <translation>顯示或隱藏狀態列
狀態列</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <comment>submenu</comment>
        <translation>最近使用的檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>轉換(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>檢視(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Application Look</source>
        <translation>應用程式外觀(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>視窗(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具列</translation>
    </message>
    <message>
        <source>&amp;Re-run Failed Items</source>
        <translation>重新轉換失敗的項目(&amp;R)</translation>
    </message>
    <message>
        <source>Convert again only the items whose last result was not OK
Re-run Failed</source>
        <translation>只重新轉換上次結果未成功的項目
重新轉換失敗的項目</translation>
    </message>
    <message>
        <source>Tovalo &amp;User Guide</source>
        <translation>Tovalo 使用者指南(&amp;U)</translation>
    </message>
    <message>
        <source>Open the user guide of Tovalo
User Guide</source>
        <translation>開啟 Tovalo 使用者指南
使用者指南</translation>
    </message>
    <message>
        <source>&amp;dpct Documentation (Web)</source>
        <translation>dpct 說明文件 (Web)(&amp;D)</translation>
    </message>
    <message>
        <source>Open the documentation of dpct in the web browser
dpct Documentation</source>
        <translation>在網頁瀏覽器中開啟 dpct 說明文件
dpct 說明文件</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>重疊顯示(&amp;C)</translation>
    </message>
    <message>
        <source>Arrange the windows so that they overlap
Cascade</source>
        <translation>以重疊方式排列視窗
重疊顯示</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>並排顯示(&amp;T)</translation>
    </message>
    <message>
        <source>Arrange the windows side by side
Tile</source>
        <translation>以並排方式排列視窗
並排顯示</translation>
    </message>
    <message>
        <source>Ne&amp;xt Window</source>
        <translation>下一個視窗(&amp;X)</translation>
    </message>
    <message>
        <source>Activate the next window
Next Window</source>
        <translation>啟用下一個視窗
下一個視窗</translation>
    </message>
    <message>
        <source>&amp;Previous Window</source>
        <translation>上一個視窗(&amp;P)</translation>
    </message>
    <message>
        <source>Activate the previous window
Previous Window</source>
        <translation>啟用上一個視窗
上一個視窗</translation>
    </message>
    <message>
        <source>Close &amp;All</source>
        <translation>全部關閉(&amp;A)</translation>
    </message>
    <message>
        <source>Close every document window
Close All</source>
        <translation>關閉所有文件視窗
全部關閉</translation>
    </message>
    <message>
        <source>&amp;Import Compilation Database...</source>
        <translation>匯入編譯資料庫(&amp;I)...</translation>
    </message>
    <message>
        <source>Make conversion items from a compilation database (compile_commands.json)
Import Compilation Database</source>
        <translation>根據編譯資料庫 (compile_commands.json) 建立轉換項目
匯入編譯資料庫</translation>
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
        <translation>開啟定義檔</translation>
    </message>
    <message>
        <source>Definition file (*.txt);;All Files (*)</source>
        <translation>定義檔 (*.txt);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>&quot;Intel®  oneAPI DPC++ Compatibility Tool&quot; Support App
Do you really want to quit?</source>
        <translation>「Intel® oneAPI DPC++ 相容性工具」支援應用程式
確定要結束嗎？</translation>
    </message>
    <message>
        <source>The web browser could not be started for %1.</source>
        <translation>無法啟動網頁瀏覽器來開啟 %1。</translation>
    </message>
    <message>
        <source>The user guide was not found. It was looked for in:
%1</source>
        <translation>找不到使用者指南。已搜尋下列位置：
%1</translation>
    </message>
    <message>
        <source>No program could be started to show %1.</source>
        <translation>無法啟動可顯示 %1 的程式。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::MainStatusBar</name>
    <message>
        <source>Starting setvars</source>
        <translation>正在啟動 setvars</translation>
    </message>
    <message>
        <source>Running setvars...</source>
        <translation>正在執行 setvars...</translation>
    </message>
    <message>
        <source>Querying the dpct version</source>
        <translation>開始取得 dpct 版本</translation>
    </message>
    <message>
        <source>Querying the dpct version...</source>
        <translation>正在取得 dpct 版本...</translation>
    </message>
    <message>
        <source>dpct conversion started</source>
        <translation>dpct 轉換開始</translation>
    </message>
    <message>
        <source>dpct converting...</source>
        <translation>dpct 轉換中...</translation>
    </message>
    <message>
        <source>dpct run paused</source>
        <translation>dpct 執行已暫停</translation>
    </message>
    <message>
        <source>dpct ver: %1</source>
        <translation>dpct 版本：%1</translation>
    </message>
    <message>
        <source>DEMO: simulated oneAPI toolkit</source>
        <translation>展示：模擬 oneAPI 工具組</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>正在停止...</translation>
    </message>
    <message numerus="yes">
        <source>%1 OK, %2 failed, %n with syntax errors</source>
        <translation>
            <numerusform>成功 %1 個，失敗 %2 個，有語法錯誤 %n 個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %1 of %n item(s): %2 (%3)</source>
        <translation>
            <numerusform>在 %n 個項目中處理了 %1 個後停止：%2 (%3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished %n item(s): %1 (%2)</source>
        <translation>
            <numerusform>已完成 %n 個項目的轉換：%1 (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion unavailable: oneAPI not found</source>
        <translation>無法轉換：找不到 oneAPI</translation>
    </message>
    <message numerus="yes">
        <source>%n running</source>
        <translation>
            <numerusform>%n 個執行中</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tovalo::gui::COutputPane</name>
    <message>
        <source>[... older output removed to keep the pane fast ...]</source>
        <translation>[... 為保持窗格的回應速度，已移除較舊的輸出 ...]</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>輸出</translation>
    </message>
    <message>
        <source>Save Output As</source>
        <translation>將輸出另存新檔</translation>
    </message>
    <message>
        <source>Log files (*.log);;Text files (*.txt);;All Files (*)</source>
        <translation>記錄檔 (*.log);;文字檔 (*.txt);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>The output could not be saved to %1:
%2</source>
        <translation>無法將輸出儲存至 %1：
%2</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>尋找(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>另存新檔(&amp;S)...</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::LogFindBar</name>
    <message>
        <source>Not found</source>
        <translation>找不到</translation>
    </message>
    <message>
        <source>Wrapped around</source>
        <translation>已繞回起點繼續搜尋</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>尋找(&amp;N):</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一個</translation>
    </message>
    <message>
        <source>Find the next match (F3)</source>
        <translation>尋找下一個 (F3)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一個</translation>
    </message>
    <message>
        <source>Find the previous match (Shift+F3)</source>
        <translation>尋找上一個 (Shift+F3)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>關閉尋找列 (Esc)</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CToolOptionPageColor</name>
    <message>
        <source>Item list</source>
        <translation>檔案清單</translation>
    </message>
    <message>
        <source>Row text</source>
        <translation>列文字色彩</translation>
    </message>
    <message>
        <source>Row background</source>
        <translation>列背景色彩</translation>
    </message>
    <message>
        <source>Status &quot;Converting&quot;: text</source>
        <translation>狀態：「轉換中」文字色彩</translation>
    </message>
    <message>
        <source>Status &quot;Syntax errors&quot;: text</source>
        <translation>狀態：「有語法錯誤」文字色彩</translation>
    </message>
    <message>
        <source>Status &quot;Converted OK&quot;: text</source>
        <translation>狀態：「轉換成功」文字色彩</translation>
    </message>
    <message>
        <source>Status &quot;Failed&quot;: text</source>
        <translation>狀態：「轉換失敗」文字色彩</translation>
    </message>
    <message>
        <source>Conversion result window</source>
        <translation>轉換結果視窗</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字色彩</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景色彩</translation>
    </message>
    <message>
        <source>Output window</source>
        <translation>輸出視窗</translation>
    </message>
    <message>
        <source>C&amp;olour:</source>
        <translation>色彩(&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>復原(&amp;U)</translation>
    </message>
    <message>
        <source>Undo &amp;all</source>
        <translation>全部復原(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Reset to the initial colours</source>
        <translation>還原為初始色彩(&amp;R)</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CToolOptionPageGeneral</name>
    <message>
        <source>3D style</source>
        <translation>3D 樣式</translation>
    </message>
    <message>
        <source>Microsoft OneNote style</source>
        <translation>Microsoft OneNote 樣式</translation>
    </message>
    <message>
        <source>Visual Studio 2005 style</source>
        <translation>Visual Studio 2005 樣式</translation>
    </message>
    <message>
        <source>Style with tab labels</source>
        <translation>附索引標籤的樣式</translation>
    </message>
    <message>
        <source>Flat style with a horizontal scroll bar</source>
        <translation>附水平捲軸的平面樣式</translation>
    </message>
    <message>
        <source>Rounded tab labels</source>
        <translation>圓角索引標籤</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>語言(&amp;L):</translation>
    </message>
    <message>
        <source>* Takes effect after a restart</source>
        <translation>* 重新啟動後生效</translation>
    </message>
    <message>
        <source>&amp;Application look:</source>
        <translation>應用程式外觀(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Tab mode</source>
        <translation>索引標籤模式(&amp;T)</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>索引標籤</translation>
    </message>
    <message>
        <source>Tab l&amp;ocation:</source>
        <translation>索引標籤位置(&amp;O):</translation>
    </message>
    <message>
        <source>Tab &amp;style:</source>
        <translation>索引標籤樣式(&amp;S):</translation>
    </message>
    <message>
        <source>A &amp;Close button on every tab</source>
        <translation>每個索引標籤都加上「關閉」按鈕(&amp;C)</translation>
    </message>
    <message>
        <source>A colou&amp;r for every tab</source>
        <translation>每個索引標籤使用不同的色彩(&amp;R)</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下方</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上方</translation>
    </message>
    <message>
        <source>The changed language setting takes effect at the next start.</source>
        <translation>變更後的語言設定將在下次啟動時生效。</translation>
    </message>
    <message>
        <source>&amp;Parallel conversions:</source>
        <translation>平行轉換數(&amp;P)：</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>自動 (%1)</translation>
    </message>
    <message>
        <source>How many dpct runs go on side by side. Automatic: one per logical processor, at most one per 2 GiB of available memory. Items that write into the same out-root folder never run at the same time.</source>
        <translation>同時執行的 dpct 數量。自動：每個邏輯處理器一個，但每 2 GiB 可用記憶體最多一個。寫入同一 out-root 資料夾的項目不會同時執行。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CToolOptionProp</name>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Colour settings</source>
        <translation>色彩設定</translation>
    </message>
    <message>
        <source>The settings could not be saved:
%1</source>
        <translation>無法儲存設定：
%1</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CTovaloApp</name>
    <message>
        <source>Intel® oneAPI is not installed. Files cannot be converted to DPC++, but definition files (the files to convert with their conversion options) can still be made.</source>
        <translation>未安裝 Intel® oneAPI。無法將檔案轉換為 DPC++，但仍可建立定義檔（要轉換的檔案及其轉換選項）。</translation>
    </message>
    <message>
        <source>[Tovalo] The command interpreter could not be started: %1
</source>
        <translation>[Tovalo] 無法啟動命令直譯器：%1
</translation>
    </message>
    <message>
        <source>Front end for the dpct CUDA-to-SYCL migration tool.</source>
        <translation>dpct（CUDA 至 SYCL 移轉工具）的前端程式。</translation>
    </message>
    <message>
        <source>Use the simulated oneAPI toolkit in &lt;folder&gt; (demo mode).</source>
        <translation>使用 &lt;folder&gt; 中的模擬 oneAPI 工具組（展示模式）。</translation>
    </message>
    <message>
        <source>Single-instance key (tests).</source>
        <translation>單一執行個體的索引鍵（測試用）。</translation>
    </message>
    <message>
        <source>Definition files to open.</source>
        <translation>要開啟的定義檔。</translation>
    </message>
    <message>
        <source>Tovalo looked for oneAPI in:</source>
        <translation>Tovalo 在下列位置搜尋過 oneAPI：</translation>
    </message>
    <message>
        <source>To use an installation in another folder, set the environment variable ONEAPI_ROOT to that folder (the one that holds the setvars script) and start Tovalo again.</source>
        <translation>若要使用安裝在其他資料夾中的 oneAPI，請將環境變數 ONEAPI_ROOT 設定為該資料夾（含有 setvars 指令碼的資料夾），然後重新啟動 Tovalo。</translation>
    </message>
    <message>
        <source>The settings could not be read, so Tovalo starts with its default settings and will not save over them when it ends:
%1</source>
        <translation>無法讀取設定。Tovalo 將以預設設定啟動，結束時也不會覆寫儲存設定：
%1</translation>
    </message>
    <message>
        <source>The settings could not be saved; the changes of this session are lost:
%1</source>
        <translation>無法儲存設定，本次工作階段中的變更將會遺失：
%1</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CoreMessages</name>
    <message>
        <source>dpct printed no version line: it is not installed or not on the path that the environment script sets. Conversion is not possible.</source>
        <translation>dpct 未輸出版本資訊：它未安裝，或不在環境指令碼所設定的路徑中。無法進行轉換。</translation>
    </message>
    <message>
        <source>The command could not be written to the command interpreter: %1</source>
        <translation>無法將命令寫入命令直譯器：%1</translation>
    </message>
    <message>
        <source>Not converted: %1.</source>
        <translation>未轉換：%1。</translation>
    </message>
    <message>
        <source>the command line is %1 characters long, and the command interpreter accepts at most %2</source>
        <translation>命令列長度為 %1 個字元，而命令直譯器最多接受 %2 個字元</translation>
    </message>
    <message>
        <source>The command interpreter has ended (%1).</source>
        <translation>命令直譯器已結束（%1）。</translation>
    </message>
    <message>
        <source>The command interpreter ended during this conversion.</source>
        <translation>命令直譯器在此次轉換期間結束。</translation>
    </message>
    <message>
        <source>The command interpreter keeps ending; it is not started again.</source>
        <translation>命令直譯器反覆結束，不再重新啟動。</translation>
    </message>
    <message>
        <source>A new command interpreter could not be started: %1</source>
        <translation>無法啟動新的命令直譯器：%1</translation>
    </message>
    <message>
        <source>A new command interpreter has been started.</source>
        <translation>已啟動新的命令直譯器。</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>結束代碼 %1</translation>
    </message>
    <message>
        <source>killed by signal %1</source>
        <translation>被訊號 %1 終止</translation>
    </message>
    <message>
        <source>killed by signal %1 (%2)</source>
        <translation>被訊號 %1（%2）終止</translation>
    </message>
    <message>
        <source>status %1</source>
        <translation>狀態 %1</translation>
    </message>
    <message>
        <source>output closed</source>
        <translation>輸出已關閉</translation>
    </message>
    <message>
        <source>the console could not be read: %1</source>
        <translation>無法讀取主控台：%1</translation>
    </message>
    <message>
        <source>cannot create the console pipes: %1</source>
        <translation>無法建立主控台管道：%1</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>無法啟動 %1: %2</translation>
    </message>
    <message>
        <source>the command interpreter is not running</source>
        <translation>命令直譯器未在執行</translation>
    </message>
    <message>
        <source>the command interpreter has ended</source>
        <translation>命令直譯器已結束</translation>
    </message>
    <message>
        <source>a command must be a single line</source>
        <translation>命令必須為單行</translation>
    </message>
    <message>
        <source>the command holds characters that the console&apos;s code page %1 cannot represent</source>
        <translation>命令包含主控台字碼頁 %1 無法表示的字元</translation>
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
        <translation>原始檔路徑</translation>
    </message>
    <message>
        <source>the command line</source>
        <translation>命令列</translation>
    </message>
    <message>
        <source>has a double quote that is not closed</source>
        <translation>有未結束的雙引號</translation>
    </message>
    <message>
        <source>has a single quote that is not closed</source>
        <translation>有未結束的單引號</translation>
    </message>
    <message>
        <source>has two double quotes in a row inside quotes, which programs read differently</source>
        <translation>引號內有兩個連續的雙引號，不同程式的解讀方式不同</translation>
    </message>
    <message>
        <source>has a double quote that programs read as text (after a backslash), so its quotes do not pair up</source>
        <translation>有被程式當作文字讀取的雙引號（位於反斜線之後），因此引號無法配對</translation>
    </message>
    <message>
        <source>contains a line break</source>
        <translation>包含換行字元</translation>
    </message>
    <message>
        <source>contains a control character</source>
        <translation>包含控制字元</translation>
    </message>
    <message>
        <source>contains a double quote, which would end its quotes on the command line</source>
        <translation>包含雙引號，會在命令列上提早結束其引號</translation>
    </message>
    <message>
        <source>contains a %NAME:...% edit of a variable, which the command interpreter would expand before it reads quotes</source>
        <translation>包含 %NAME:...% 形式的變數編輯，命令直譯器會在讀取引號之前將其展開</translation>
    </message>
    <message>
        <source>not a definition file (it holds binary data)</source>
        <translation>不是定義檔（其中含有二進位資料）</translation>
    </message>
    <message>
        <source>not a definition file (it has neither a [Common] section nor a section of a .cu file)</source>
        <translation>不是定義檔（其中既沒有 [Common] 區段，也沒有 .cu 檔案的區段）</translation>
    </message>
    <message>
        <source>the path &quot;%1&quot; contains a line break</source>
        <translation>路徑 &quot;%1&quot; 包含換行字元</translation>
    </message>
    <message>
        <source>the value of %1 of &quot;%2&quot; contains a line break</source>
        <translation>&quot;%2&quot; 的 %1 值包含換行字元</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; (%2) cannot be stored in code page %3</source>
        <translation>字元 &quot;%1&quot;（%2）無法以字碼頁 %3 儲存</translation>
    </message>
    <message>
        <source>the text cannot be stored in code page %1</source>
        <translation>文字無法以字碼頁 %1 儲存</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是一般檔案</translation>
    </message>
    <message>
        <source>Imported %1 (%2, %3, %4)</source>
        <translation>已匯入 %1（%2，%3，%4）</translation>
    </message>
    <message>
        <source>%1 CUDA files</source>
        <translation>%1 個 CUDA 檔案</translation>
    </message>
    <message>
        <source>%1 CUDA file</source>
        <translation>%1 個 CUDA 檔案</translation>
    </message>
    <message>
        <source>%1 source files</source>
        <translation>%1 個原始檔</translation>
    </message>
    <message>
        <source>%1 source file</source>
        <translation>%1 個原始檔</translation>
    </message>
    <message>
        <source>%1 duplicates merged</source>
        <translation>合併了 %1 個重複項目</translation>
    </message>
    <message>
        <source>%1 duplicate merged</source>
        <translation>合併了 %1 個重複項目</translation>
    </message>
    <message>
        <source>%1 other entries skipped</source>
        <translation>略過了 %1 個其他條目</translation>
    </message>
    <message>
        <source>%1 other entry skipped</source>
        <translation>略過了 %1 個其他條目</translation>
    </message>
    <message>
        <source>%1 files missing</source>
        <translation>缺少 %1 個檔案</translation>
    </message>
    <message>
        <source>%1 file missing</source>
        <translation>缺少 %1 個檔案</translation>
    </message>
    <message>
        <source>not valid JSON: %1 at line %2, column %3</source>
        <translation>不是有效的 JSON：第 %2 行第 %3 欄：%1</translation>
    </message>
    <message>
        <source>not a compilation database: the JSON text is not an array of entries</source>
        <translation>不是編譯資料庫：JSON 文字不是條目陣列</translation>
    </message>
    <message>
        <source>entry %1 of the compilation database is not an object</source>
        <translation>編譯資料庫的第 %1 個條目不是物件</translation>
    </message>
    <message>
        <source>entry %1 of the compilation database has no &quot;%2&quot;</source>
        <translation>編譯資料庫的第 %1 個條目沒有「%2」</translation>
    </message>
    <message>
        <source>entry %1 of the compilation database: &quot;%2&quot; is not a string</source>
        <translation>編譯資料庫的第 %1 個條目：「%2」不是字串</translation>
    </message>
    <message>
        <source>entry %1 of the compilation database: &quot;%2&quot; is not an array of strings</source>
        <translation>編譯資料庫的第 %1 個條目：「%2」不是字串陣列</translation>
    </message>
    <message>
        <source>dpct refused this item because an earlier migration into the same out-root folder used another set of options (dpct keeps them in MainSourceFiles.yaml there, and exits with -37). Give every item that writes into this out-root the same options that dpct compares, give this item another --out-root, or switch on --no-incremental-migration.</source>
        <translation>dpct 拒絕了此項目：先前移轉至同一 out-root 資料夾時使用了另一組選項（dpct 將其記錄在該資料夾的 MainSourceFiles.yaml 中，並以 -37 結束）。請讓寫入此 out-root 的所有項目使用 dpct 會比較的相同選項，或為此項目指定其他 --out-root，或開啟 --no-incremental-migration。</translation>
    </message>
    <message>
        <source>larger than %1 MiB, the most that is read</source>
        <translation>超過可讀取的上限 %1 MiB</translation>
    </message>
    <message>
        <source>the folder of the list</source>
        <translation>清單所在的資料夾</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::DefinitionModel</name>
    <message>
        <source>This file does not exist:
%1</source>
        <translation>此檔案不存在：
%1</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::DocumentCommands</name>
    <message>
        <source>&amp;Save Definition File</source>
        <translation>儲存定義檔(&amp;S)</translation>
    </message>
    <message>
        <source>Save the definition file
Save</source>
        <translation>儲存定義檔
儲存</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存新檔(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the definition file under a new name
Save As</source>
        <translation>以新名稱儲存定義檔
另存新檔</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>關閉(&amp;C)</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>關閉目前的定義檔
關閉</translation>
    </message>
    <message>
        <source>&amp;Add CUDA Files...</source>
        <translation>新增 CUDA 檔案(&amp;A)...</translation>
    </message>
    <message>
        <source>Add CUDA files to the list
Add</source>
        <translation>將 CUDA 檔案新增至清單
新增</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Item...</source>
        <translation>編輯選取的項目(&amp;E)...</translation>
    </message>
    <message>
        <source>Edit the selected item
Edit</source>
        <translation>編輯選取的項目
編輯</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Item</source>
        <translation>刪除選取的項目(&amp;D)</translation>
    </message>
    <message>
        <source>Delete the selected item
Delete</source>
        <translation>刪除選取的項目
刪除</translation>
    </message>
    <message>
        <source>Delete A&amp;ll Items...</source>
        <translation>刪除所有項目(&amp;L)...</translation>
    </message>
    <message>
        <source>Delete every item of the list
Delete All</source>
        <translation>刪除清單中的所有項目
全部刪除</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>上移(&amp;P)</translation>
    </message>
    <message>
        <source>Move the selected item one place up; items are converted in list order
Move Up</source>
        <translation>將選取的項目上移一個位置；項目會依清單順序轉換
上移</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下移(&amp;W)</translation>
    </message>
    <message>
        <source>Move the selected item one place down; items are converted in list order
Move Down</source>
        <translation>將選取的項目下移一個位置；項目會依清單順序轉換
下移</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>復原(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>復原對清單所做的最後一項變更
復原</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Redo the last undone change
Redo</source>
        <translation>重做上次復原的變更
重做</translation>
    </message>
    <message>
        <source>dpct &amp;Diagnostics...</source>
        <translation>dpct 診斷(&amp;D)...</translation>
    </message>
    <message>
        <source>Show dpct&apos;s diagnostics of the last run by code
Diagnostics</source>
        <translation>依代碼顯示上次轉換的 dpct 診斷
dpct 診斷</translation>
    </message>
    <message>
        <source>&amp;Export Results as CSV...</source>
        <translation>將結果匯出為 CSV(&amp;E)...</translation>
    </message>
    <message>
        <source>Save the last run&apos;s results as a CSV file
Export CSV</source>
        <translation>將上次轉換的結果儲存為 CSV 檔案
匯出 CSV</translation>
    </message>
    <message>
        <source>Export Results as &amp;JSON...</source>
        <translation>將結果匯出為 JSON(&amp;J)...</translation>
    </message>
    <message>
        <source>Save the last run&apos;s results as a JSON file
Export JSON</source>
        <translation>將上次轉換的結果儲存為 JSON 檔案
匯出 JSON</translation>
    </message>
    <message>
        <source>&amp;Add CUDA Files...	Ins</source>
        <translation>新增 CUDA 檔案(&amp;A)...	Ins</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Item...	Enter</source>
        <translation>編輯選取的項目(&amp;E)...	Enter</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Item	Del</source>
        <translation>刪除選取的項目(&amp;D)	Del</translation>
    </message>
    <message>
        <source>Delete A&amp;ll Items...	Ctrl+Del</source>
        <translation>刪除所有項目(&amp;L)...	Ctrl+Del</translation>
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
        <translation>復原(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>重做(&amp;R)	Ctrl+Y</translation>
    </message>
    <message>
        <source>Convert Se&amp;lected Items</source>
        <translation>轉換所選項目(&amp;L)</translation>
    </message>
    <message>
        <source>Convert only the items selected in the list
Convert Selected</source>
        <translation>只轉換清單中所選的項目
轉換所選項目</translation>
    </message>
    <message>
        <source>Export &amp;Report...</source>
        <translation>匯出報告(&amp;R)...</translation>
    </message>
    <message>
        <source>Save the last run&apos;s results as a report for the web browser and show it
Export Report</source>
        <translation>將上次執行的結果儲存為網頁瀏覽器報告並顯示
匯出報告</translation>
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
        <translation>另存新檔</translation>
    </message>
    <message>
        <source>Definition file (*.txt);;All Files (*)</source>
        <translation>定義檔 (*.txt);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Do you want to save (%1)?</source>
        <translation>是否要儲存（%1）？</translation>
    </message>
    <message>
        <source>Do you want to save %1?</source>
        <translation>是否要儲存 %1？</translation>
    </message>
    <message>
        <source>This is not a definition file: it holds binary data.</source>
        <translation>這不是定義檔：其中含有二進位資料。</translation>
    </message>
    <message>
        <source>This is not a definition file: it has neither a [Common] section nor a section of a .cu file.</source>
        <translation>這不是定義檔：其中既沒有 [Common] 區段，也沒有 .cu 檔案的區段。</translation>
    </message>
    <message>
        <source>%1
This file has lines that Tovalo does not read (sections of other files, unknown options or values). Saving over the file drops them; Tovalo asks before it does.</source>
        <translation>%1
此檔案含有 Tovalo 不會讀取的行（其他檔案的區段、不明的選項或值）。覆寫儲存會遺失這些行；儲存前 Tovalo 會先詢問。</translation>
    </message>
    <message>
        <source>%1
Saving replaces the file and drops the lines that Tovalo did not read. Save anyway?</source>
        <translation>%1
儲存會取代該檔案，並遺失 Tovalo 未讀取的行。仍要儲存嗎？</translation>
    </message>
    <message>
        <source>%1
This file has byte sequences that are not UTF-8 (%2, the first on line %3); they are shown as U+FFFD. Saving over the file writes U+FFFD in their place; Tovalo asks before it does.</source>
        <translation>%1
此檔案含有非 UTF-8 的位元組序列（共 %2 處，第一處在第 %3 行），顯示為 U+FFFD。覆寫儲存會在這些位置寫入 U+FFFD；儲存前 Tovalo 會先詢問。</translation>
    </message>
    <message>
        <source>%1
This file was read as %2; Tovalo saves in %3. Saving over the file changes its encoding; Tovalo asks before it does.</source>
        <translation>%1
此檔案以 %2 讀取；Tovalo 會以 %3 儲存。覆寫儲存會改變檔案的編碼；儲存前 Tovalo 會先詢問。</translation>
    </message>
    <message>
        <source>%1
The file has byte sequences that are not UTF-8; saving writes U+FFFD in their place. Save anyway?</source>
        <translation>%1
此檔案含有非 UTF-8 的位元組序列；儲存會在這些位置寫入 U+FFFD。仍要儲存嗎？</translation>
    </message>
    <message>
        <source>%1
The file was read as %2; saving writes %3. Save anyway?</source>
        <translation>%1
此檔案以 %2 讀取；儲存時會以 %3 寫入。仍要儲存嗎？</translation>
    </message>
    <message>
        <source>results</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Export Results as JSON</source>
        <translation>將結果匯出為 JSON</translation>
    </message>
    <message>
        <source>Export Results as CSV</source>
        <translation>將結果匯出為 CSV</translation>
    </message>
    <message>
        <source>JSON files (*.json);;All files (*)</source>
        <translation>JSON 檔案 (*.json);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 檔案 (*.csv);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.
%2</source>
        <translation>無法將結果儲存至 %1。
%2</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message numerus="yes">
        <source>%1
%n option value(s) are not in the option&apos;s list. Such an option is left out of the dpct command line until you pick a value in the item dialog:
%2</source>
        <translation>
            <numerusform>%1
有 %n 個選項值不在該選項的清單中。在項目對話方塊中選擇值之前，該選項不會寫入 dpct 命令列：
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
        <translation>確定要從清單中刪除 %1 嗎？</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete all %n item(s) from the list?</source>
        <translation>
            <numerusform>確定要從清單中刪除全部 %n 個項目嗎？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>另有 %n 個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them are hidden by the filter.</source>
        <translation>
            <numerusform>其中 %n 個已被篩選隱藏。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the %n selected item(s) from the list?</source>
        <translation>
            <numerusform>確定要從清單中刪除所選的 %n 個項目嗎？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tovalo::gui::ListFilterBar</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2 項</translation>
    </message>
    <message>
        <source>Fi&amp;lter:</source>
        <translation>篩選(&amp;L):</translation>
    </message>
    <message>
        <source>Part of a path</source>
        <translation>路徑的一部分</translation>
    </message>
    <message>
        <source>Shows only the items whose path contains this text (letter case is ignored). Esc empties it.</source>
        <translation>只顯示路徑中含有此文字的項目（不區分大小寫）。按 Esc 鍵可清除。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::MainTitle</name>
    <message>
        <source>Intel® oneAPI DPC++ Compatibility Tool
Support App
&lt;&lt; Tovalo &gt;&gt;</source>
        <translation>Intel® oneAPI DPC++ 相容性工具
支援應用程式
&lt;&lt; Tovalo &gt;&gt;</translation>
    </message>
    <message>
        <source>DEMO</source>
        <translation>展示</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::RunController</name>
    <message>
        <source>%1
  writes into %2 as %3 does, with other values of: %4</source>
        <translation>%1
  與 %3 同樣輸出至 %2，但下列選項的值不同：%4</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more item(s).</source>
        <translation>
            <numerusform>... 另有 %n 個項目。</numerusform>
        </translation>
    </message>
    <message>
        <source>dpct keeps the options of a migration in its out-root folder and refuses (exit code -37) a later migration into the same folder with other values of the options it compares. These items would be refused:%1

Give them the same options, another --out-root, or --no-incremental-migration. Run anyway?</source>
        <translation>dpct 會在 out-root 資料夾中記錄移轉時的選項，之後移轉至同一資料夾時，若所比較的選項值不同，就會拒絕移轉（結束代碼 -37）。下列項目將被拒絕：%1

請為它們設定相同的選項、其他 --out-root，或使用 --no-incremental-migration。仍要轉換嗎？</translation>
    </message>
    <message>
        <source>&amp;Run Anyway</source>
        <translation>仍要轉換(&amp;R)</translation>
    </message>
    <message>
        <source>console %1</source>
        <translation>主控台 %1</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::SingleInstance</name>
    <message>
        <source>Another Tovalo is running but does not answer.</source>
        <translation>另一個 Tovalo 正在執行，但沒有回應。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::SourceOpener</name>
    <message>
        <source>The file %1 does not exist (any more).</source>
        <translation>檔案 %1 不存在（可能已被刪除）。</translation>
    </message>
    <message>
        <source>No program is set up to open %1.</source>
        <translation>未設定用來開啟 %1 的程式。</translation>
    </message>
    <message>
        <source>The editor %1 could not be started.</source>
        <translation>無法啟動編輯器 %1。</translation>
    </message>
    <message>
        <source>The editor command has an unclosed double quote.</source>
        <translation>編輯器命令中有未結束的雙引號。</translation>
    </message>
    <message>
        <source>The editor command is empty.</source>
        <translation>編輯器命令是空的。</translation>
    </message>
    <message>
        <source>%1 is not an absolute path.</source>
        <translation>%1 不是絕對路徑。</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 不是檔案。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::ReportExport</name>
    <message>
        <source>Migration report</source>
        <translation>移轉報告</translation>
    </message>
    <message>
        <source>Made %1</source>
        <translation>產生時間：%1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>轉換成功</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>轉換失敗</translation>
    </message>
    <message>
        <source>Syntax errors</source>
        <translation>語法錯誤</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>未轉換</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>診斷</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>總時間</translation>
    </message>
    <message>
        <source>Median time per item</source>
        <translation>每個項目的時間（中位數）</translation>
    </message>
    <message>
        <source>dpct version</source>
        <translation>dpct 版本</translation>
    </message>
    <message>
        <source>Codebase</source>
        <translation>程式碼庫</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>資料夾</translation>
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
        <translation>依狀態分類的項目</translation>
    </message>
    <message>
        <source>Diagnostics by code</source>
        <translation>依代碼分類的診斷</translation>
    </message>
    <message>
        <source>%1 other codes</source>
        <translation>其他 %1 個代碼</translation>
    </message>
    <message>
        <source>dpct reported no diagnostics.</source>
        <translation>dpct 未回報任何診斷。</translation>
    </message>
    <message>
        <source>Diagnostic codes</source>
        <translation>診斷代碼</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>代碼</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>數量</translation>
    </message>
    <message>
        <source>Items affected</source>
        <translation>受影響的項目</translation>
    </message>
    <message>
        <source>First message</source>
        <translation>第一則訊息</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>參考</translation>
    </message>
    <message>
        <source>Read about %1</source>
        <translation>檢視 %1 的說明</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路徑</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Exit code</source>
        <translation>結束代碼</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>%1 diagnostics</source>
        <translation>%1 則診斷</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>篩選</translation>
    </message>
    <message>
        <source>path, status or code</source>
        <translation>路徑、狀態或代碼</translation>
    </message>
    <message>
        <source>%1 of %2 items shown</source>
        <translation>顯示 %2 個項目中的 %1 個</translation>
    </message>
    <message>
        <source>Sort by this column</source>
        <translation>依此欄排序</translation>
    </message>
    <message>
        <source>Not run</source>
        <translation>未執行</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待轉換</translation>
    </message>
    <message>
        <source>Stopped while converting</source>
        <translation>轉換時停止</translation>
    </message>
    <message>
        <source>Syntax error</source>
        <translation>語法錯誤</translation>
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
        <translation>分鐘</translation>
    </message>
    <message>
        <source>h</source>
        <translation>小時</translation>
    </message>
    <message>
        <source>report</source>
        <translation>報告</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>匯出報告</translation>
    </message>
    <message>
        <source>HTML files (*.html);;All files (*)</source>
        <translation>HTML 檔案 (*.html);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Migration report: %1</source>
        <translation>移轉報告：%1</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.
%2</source>
        <translation>無法將報告儲存到 %1。
%2</translation>
    </message>
    <message>
        <source>The report was saved to %1, but no web browser could be started to show it.</source>
        <translation>報告已儲存到 %1，但無法啟動網頁瀏覽器來顯示它。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::ImportDbDialog</name>
    <message>
        <source>Import Compilation Database</source>
        <translation>匯入編譯資料庫</translation>
    </message>
    <message>
        <source>Compilation &amp;database:</source>
        <translation>編譯資料庫(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;In-root (optional):</source>
        <translation>--in-root (選用)(&amp;I)：</translation>
    </message>
    <message>
        <source>O&amp;ut-root (optional):</source>
        <translation>--out-root (選用)(&amp;U)：</translation>
    </message>
    <message>
        <source>compile_commands.json, or the folder that holds it</source>
        <translation>compile_commands.json，或包含它的資料夾</translation>
    </message>
    <message>
        <source>the deepest folder that holds every imported source</source>
        <translation>包含所有匯入原始檔的最深資料夾</translation>
    </message>
    <message>
        <source>dpct_output beside the database</source>
        <translation>資料庫所在資料夾中的 dpct_output</translation>
    </message>
    <message>
        <source>Take &amp;every entry, not only the CUDA translation units</source>
        <translation>匯入所有項目，而不僅是 CUDA 翻譯單元(&amp;E)</translation>
    </message>
    <message>
        <source>Open the items as a &amp;new list</source>
        <translation>以新清單開啟(&amp;N)</translation>
    </message>
    <message>
        <source>Add the items to the &amp;active list</source>
        <translation>新增到目前清單(&amp;A)</translation>
    </message>
    <message>
        <source>Add the items to the &amp;active list (%1)</source>
        <translation>新增到目前清單 (%1)(&amp;A)</translation>
    </message>
    <message>
        <source>Compilation databases (compile_commands.json *.json);;All files (*)</source>
        <translation>編譯資料庫 (compile_commands.json *.json);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>選擇資料夾</translation>
    </message>
    <message>
        <source>Choose the compilation database</source>
        <translation>選擇編譯資料庫</translation>
    </message>
    <message>
        <source>Choose the in-root folder</source>
        <translation>選擇 --in-root 資料夾</translation>
    </message>
    <message>
        <source>Choose the out-root folder</source>
        <translation>選擇 --out-root 資料夾</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CompileDbImporter</name>
    <message>
        <source>%1
The compilation database could not be imported: %2
No items were added.</source>
        <translation>%1
無法匯入編譯資料庫：%2
未新增任何項目。</translation>
    </message>
</context>
</TS>
