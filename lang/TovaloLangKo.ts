<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>DirectoryScan</name>
    <message>
        <source>Searching for CUDA files...</source>
        <translation>CUDA 파일을 검색하는 중...</translation>
    </message>
    <message>
        <source>Searching for CUDA files...
%1 folders, %2 files found</source>
        <translation>CUDA 파일을 검색하는 중...
폴더 %1개, 파일 %2개를 찾았습니다</translation>
    </message>
    <message>
        <source>Add Data</source>
        <translation>데이터 추가</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>There were no items to add.</source>
        <translation>추가할 항목이 없습니다.</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... 외 %1개</translation>
    </message>
    <message>
        <source>%1 CUDA files were left out: their names contain a line break, which a definition file cannot hold.

%2</source>
        <translation>CUDA 파일 %1개를 추가하지 않았습니다. 이름에 줄 바꿈이 있어 정의 파일에 저장할 수 없습니다.

%2</translation>
    </message>
</context>
<context>
    <name>LogContextMenu</name>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>모두 지우기(&amp;A)</translation>
    </message>
</context>
<context>
    <name>OptionHelp</name>
    <message>
        <source>Shows the directory of the source file.</source>
        <translation>대상 파일의 디렉터리를 표시합니다.</translation>
    </message>
    <message>
        <source>Shows the file name of the source file.</source>
        <translation>대상 파일의 파일 이름을 표시합니다.</translation>
    </message>
    <message>
        <source>Always creates cl::sycl::queue with an asynchronous exception handler.</source>
        <translation>항상 비동기 예외 처리기를 사용하여 cl::sycl::queue를 만듭니다.</translation>
    </message>
    <message>
        <source>Gives the tool a hint about the dimension of nd_range to use in the generated code.</source>
        <translation>생성된 코드에서 사용할 nd_range의 차원에 대한 힌트를 도구에 제공합니다.</translation>
    </message>
    <message>
        <source>Specifies the name of the makefile generated for the migrated files.</source>
        <translation>마이그레이션된 파일용으로 생성되는 makefile의 이름을 지정합니다.</translation>
    </message>
    <message>
        <source>Inserts comments that explain the generated code.</source>
        <translation>생성된 코드를 설명하는 주석을 삽입합니다.</translation>
    </message>
    <message>
        <source>Specifies the directory path of the CUDA header files.</source>
        <translation>CUDA 헤더 파일의 디렉터리 경로를 지정합니다.</translation>
    </message>
    <message>
        <source>Specifies the helper header folder name and the main helper header file name.</source>
        <translation>도우미 헤더 폴더 이름과 기본 도우미 헤더 파일 이름을 지정합니다.</translation>
    </message>
    <message>
        <source>Uses C++17 class template argument deduction (CTAD) in the generated code.</source>
        <translation>생성된 코드에서 C++17 클래스 템플릿 인수 추론(CTAD)을 사용합니다.</translation>
    </message>
    <message>
        <source>Specifies an additional argument to append to the migration command line.</source>
        <translation>마이그레이션 명령줄에 덧붙일 추가 인수를 지정합니다.</translation>
    </message>
    <message>
        <source>Sets the range of formatting.</source>
        <translation>서식 지정 범위를 설정합니다.</translation>
    </message>
    <message>
        <source>Sets the formatting style.</source>
        <translation>서식 스타일을 설정합니다.</translation>
    </message>
    <message>
        <source>Generates a makefile for the migrated files in the --out-root directory.</source>
        <translation>--out-root 디렉터리에 마이그레이션된 파일용 makefile을 생성합니다.</translation>
    </message>
    <message>
        <source>Directory path of the root of the source tree to migrate. Only files under this root are migrated.</source>
        <translation>마이그레이션할 소스 트리의 루트 디렉터리 경로입니다. 이 루트 아래의 파일만 마이그레이션됩니다.</translation>
    </message>
    <message>
        <source>Keeps the original code in comments of the generated DPC++ files.</source>
        <translation>생성된 DPC++ 파일의 주석에 원래 코드를 유지합니다.</translation>
    </message>
    <message>
        <source>(Deprecated) Do not use the cl:: namespace inline.</source>
        <translation>(사용되지 않음) cl:: 네임스페이스를 인라인으로 사용하지 않습니다.</translation>
    </message>
    <message>
        <source>Sets a comma-separated list of DPC++ extensions not to be used in the migrated code.</source>
        <translation>마이그레이션된 코드에서 사용하지 않을 DPC++ 확장의 쉼표로 구분된 목록을 설정합니다.</translation>
    </message>
    <message>
        <source>Does not use the Don&apos;t Repeat Yourself (DRY) pattern when functions of the dpct namespace are inserted.</source>
        <translation>dpct 네임스페이스의 함수를 삽입할 때 DRY(Don&apos;t Repeat Yourself) 패턴을 사용하지 않습니다.</translation>
    </message>
    <message>
        <source>Tells the tool not to migrate incrementally.</source>
        <translation>증분 마이그레이션을 하지 않습니다.</translation>
    </message>
    <message>
        <source>Generates code that applies more aggressive assumptions, which may change the program&apos;s semantics.</source>
        <translation>더 적극적인 가정을 적용한 코드를 생성합니다. 프로그램의 의미가 바뀔 수 있습니다.</translation>
    </message>
    <message>
        <source>Specifies the directory path of the root of the generated files. The directory is created if it does not exist.</source>
        <translation>생성된 파일의 루트 디렉터리 경로를 지정합니다. 디렉터리가 없으면 만들어집니다.</translation>
    </message>
    <message>
        <source>Redirects the stdout/stderr output to a file in the output directory given by --out-root.</source>
        <translation>stdout/stderr 출력을 --out-root로 지정한 출력 디렉터리의 파일로 리디렉션합니다.</translation>
    </message>
    <message>
        <source>Sets the level of detail of the output.</source>
        <translation>출력의 상세 수준을 설정합니다.</translation>
    </message>
    <message>
        <source>Directory path of the compilation database (compile_commands.json). Without a path, compile_commands.json is searched for in every parent directory of the first input source file.</source>
        <translation>컴파일 데이터베이스(compile_commands.json)의 디렉터리 경로입니다. 경로가 없으면 첫 번째 입력 소스 파일의 모든 상위 디렉터리에서 compile_commands.json을 찾습니다.</translation>
    </message>
    <message>
        <source>Migrates or copies every file except hidden ones from the --in-root directory to the --out-root directory. --in-root must be given explicitly.</source>
        <translation>--in-root 디렉터리의 숨김 파일을 제외한 모든 파일을 --out-root 디렉터리로 마이그레이션하거나 복사합니다. --in-root를 명시적으로 지정해야 합니다.</translation>
    </message>
    <message>
        <source>Prefix of the report file names. The full name gets a suffix derived from report-type and an extension derived from report-format.</source>
        <translation>보고서 파일 이름의 접두사입니다. 전체 이름에는 report-type에서 정해지는 접미사와 report-format에서 정해지는 확장자가 붙습니다.</translation>
    </message>
    <message>
        <source>Sets the format of the reports.</source>
        <translation>보고서 형식을 설정합니다.</translation>
    </message>
    <message>
        <source>Only reports are generated. No DPC++ code is generated.</source>
        <translation>보고서만 생성하고 DPC++ 코드는 생성하지 않습니다.</translation>
    </message>
    <message>
        <source>Specifies the type of the report.</source>
        <translation>보고서 유형을 지정합니다.</translation>
    </message>
    <message>
        <source>Stops migration and report generation when a parsing error occurs.</source>
        <translation>구문 분석 오류가 발생하면 마이그레이션과 보고서 생성을 중지합니다.</translation>
    </message>
    <message>
        <source>Specifies a comma-separated list of migration warnings to suppress. Valid warning IDs range from 1000 to 1047.</source>
        <translation>표시하지 않을 마이그레이션 경고의 쉼표로 구분된 목록을 지정합니다. 유효한 경고 ID는 1000부터 1047까지입니다.</translation>
    </message>
    <message>
        <source>Suppresses all migration warnings.</source>
        <translation>모든 마이그레이션 경고를 표시하지 않습니다.</translation>
    </message>
    <message>
        <source>Generates kernels with the kernel name.</source>
        <translation>커널 이름을 붙여 커널을 생성합니다.</translation>
    </message>
    <message>
        <source>Customizes the helper header files for the migrated code.</source>
        <translation>마이그레이션된 코드용 도우미 헤더 파일을 사용자 지정합니다.</translation>
    </message>
    <message>
        <source>Sets a comma-separated list of experimental features to be used in the migrated code. By default no experimental features are used.</source>
        <translation>마이그레이션된 코드에서 사용할 실험적 기능의 쉼표로 구분된 목록을 설정합니다. 기본적으로 실험적 기능은 사용하지 않습니다.</translation>
    </message>
    <message>
        <source>Defines the namespaces to use explicitly in the generated code.</source>
        <translation>생성된 코드에서 명시적으로 사용할 네임스페이스를 정의합니다.</translation>
    </message>
    <message>
        <source>Sets the Unified Shared Memory (USM) level to use in source code generation.</source>
        <translation>소스 코드 생성에 사용할 USM(통합 공유 메모리) 수준을 설정합니다.</translation>
    </message>
    <message>
        <source>Specifies the file path of the vcxproj file.</source>
        <translation>vcxproj 파일의 파일 경로를 지정합니다.</translation>
    </message>
    <message>
        <source>Directory name</source>
        <translation>디렉터리 이름</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>파일 이름</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CChildFrame</name>
    <message>
        <source>Untitled</source>
        <translation>제목 없음</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>Definition file (*.txt);;All Files (*)</source>
        <translation>정의 파일 (*.txt);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>Do you want to save (%1)?</source>
        <translation>(%1)을(를) 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Do you want to save %1?</source>
        <translation>%1을(를) 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected data?</source>
        <translation>선택한 데이터를 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all items?</source>
        <translation>모든 항목을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Add cu Files to List...	Ins</source>
        <translation>cu 파일을 목록에 추가(&amp;A)...	Ins</translation>
    </message>
    <message>
        <source>&amp;Update Selected List Item...	Enter</source>
        <translation>선택한 목록 항목 업데이트(&amp;U)...	Enter</translation>
    </message>
    <message>
        <source>&amp;Delete Selected List Item	Del</source>
        <translation>선택한 목록 항목 삭제(&amp;D)	Del</translation>
    </message>
    <message>
        <source>Delete &amp;All Items...	Ctrl+Del</source>
        <translation>모든 항목 삭제(&amp;A)...	Ctrl+Del</translation>
    </message>
    <message>
        <source>This is not a definition file: it holds binary data.</source>
        <translation>정의 파일이 아닙니다. 이진 데이터가 들어 있습니다.</translation>
    </message>
    <message>
        <source>This is not a definition file: it has neither a [Common] section nor a section of a .cu file.</source>
        <translation>정의 파일이 아닙니다. [Common] 섹션도 .cu 파일의 섹션도 없습니다.</translation>
    </message>
    <message>
        <source>%1
This file has lines that Tovalo does not read (sections of other files, unknown options or values). Saving over the file drops them; Tovalo asks before it does.</source>
        <translation>%1
이 파일에는 Tovalo가 읽지 않는 줄(다른 파일의 섹션, 알 수 없는 옵션이나 값)이 있습니다. 파일을 덮어쓰면 이 줄은 없어집니다. 저장하기 전에 Tovalo가 확인합니다.</translation>
    </message>
    <message>
        <source>%1
Saving replaces the file and drops the lines that Tovalo did not read. Save anyway?</source>
        <translation>%1
저장하면 파일이 바뀌고 Tovalo가 읽지 않은 줄은 없어집니다. 그래도 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>%1
This file has byte sequences that are not UTF-8 (%2, the first on line %3); they are shown as U+FFFD. Saving over the file writes U+FFFD in their place; Tovalo asks before it does.</source>
        <translation>%1
이 파일에는 UTF-8이 아닌 바이트 시퀀스가 있습니다(%2곳, 첫 번째는 %3번째 줄). U+FFFD로 표시합니다. 파일을 덮어쓰면 그 자리에 U+FFFD가 기록됩니다. 저장하기 전에 Tovalo가 확인합니다.</translation>
    </message>
    <message>
        <source>%1
This file was read as %2; Tovalo saves in %3. Saving over the file changes its encoding; Tovalo asks before it does.</source>
        <translation>%1
이 파일은 %2(으)로 읽었습니다. Tovalo는 %3(으)로 저장합니다. 파일을 덮어쓰면 인코딩이 바뀝니다. 저장하기 전에 Tovalo가 확인합니다.</translation>
    </message>
    <message>
        <source>%1
The file has byte sequences that are not UTF-8; saving writes U+FFFD in their place. Save anyway?</source>
        <translation>%1
이 파일에는 UTF-8이 아닌 바이트 시퀀스가 있습니다. 저장하면 그 자리에 U+FFFD가 기록됩니다. 그래도 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>%1
The file was read as %2; saving writes %3. Save anyway?</source>
        <translation>%1
이 파일은 %2(으)로 읽었습니다. 저장하면 %3(으)로 기록됩니다. 그래도 저장하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctDataDlg</name>
    <message>
        <source>Add Data</source>
        <translation>데이터 추가</translation>
    </message>
    <message>
        <source>Update Data</source>
        <translation>데이터 업데이트</translation>
    </message>
    <message>
        <source>File/Directory Selection</source>
        <translation>파일/디렉터리 선택</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>파일 선택</translation>
    </message>
    <message>
        <source>Select a directory</source>
        <translation>디렉터리 선택</translation>
    </message>
    <message>
        <source>Also take the .cu sources in sub-directories</source>
        <translation>하위 디렉터리의 cu 소스도 포함</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>찾아보기</translation>
    </message>
    <message>
        <source>Select the CUDA file to convert</source>
        <translation>변환할 CUDA 파일 선택</translation>
    </message>
    <message>
        <source>Select the folder that holds the CUDA files to convert</source>
        <translation>변환할 CUDA 파일이 있는 폴더 선택</translation>
    </message>
    <message>
        <source>Conversion Option Settings</source>
        <translation>변환 옵션 설정</translation>
    </message>
    <message>
        <source>Uncheck all</source>
        <translation>모두 선택 해제</translation>
    </message>
    <message>
        <source>Check all</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>cuda file (*.cu);;All Files (*)</source>
        <translation>CUDA 파일 (*.cu);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>The selected file is already in the list.</source>
        <translation>선택한 파일은 이미 목록에 있습니다.</translation>
    </message>
    <message>
        <source>The file name is not valid. Enter a valid file name.</source>
        <translation>파일 이름이 올바르지 않습니다. 올바른 파일 이름을 입력하십시오.</translation>
    </message>
    <message>
        <source>The directory name is not valid. Enter a valid directory name.</source>
        <translation>디렉터리 이름이 올바르지 않습니다. 올바른 디렉터리 이름을 입력하십시오.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains a line break, which a definition file cannot hold. Rename the file first.</source>
        <translation>파일 이름 &quot;%1&quot;에 줄 바꿈이 있어 정의 파일에 저장할 수 없습니다. 먼저 파일 이름을 바꾸십시오.</translation>
    </message>
    <message>
        <source>The directory name &quot;%1&quot; contains a line break, which a definition file cannot hold. Rename the directory first.</source>
        <translation>디렉터리 이름 &quot;%1&quot;에 줄 바꿈이 있어 정의 파일에 저장할 수 없습니다. 먼저 디렉터리 이름을 바꾸십시오.</translation>
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
        <translation>찾아보기</translation>
    </message>
    <message>
        <source>Select the directory of the CUDA header files</source>
        <translation>CUDA 헤더 파일의 디렉터리 선택</translation>
    </message>
    <message>
        <source>Select the root directory of the source tree</source>
        <translation>소스 트리의 루트 디렉터리 선택</translation>
    </message>
    <message>
        <source>Select the root directory of the generated files</source>
        <translation>생성된 파일의 루트 디렉터리 선택</translation>
    </message>
    <message>
        <source>Select the directory of the compilation database</source>
        <translation>컴파일 데이터베이스의 디렉터리 선택</translation>
    </message>
    <message>
        <source>Select the output file for stdout / stderr</source>
        <translation>stdout / stderr 출력 파일 선택</translation>
    </message>
    <message>
        <source>Text File (*.txt);;All Files (*)</source>
        <translation>텍스트 파일 (*.txt);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>Select the vcxproj file</source>
        <translation>vcxproj 파일 선택</translation>
    </message>
    <message>
        <source>vcxproj file (*.vcxproj);;All Files (*)</source>
        <translation>vcxproj 파일 (*.vcxproj);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>The selected value is not valid. Select a correct value.</source>
        <translation>선택한 값이 올바르지 않습니다. 올바른 값을 선택하십시오.</translation>
    </message>
    <message>
        <source>The name you entered is not valid. Enter a suitable name.</source>
        <translation>입력한 이름이 올바르지 않습니다. 적절한 이름을 입력하십시오.</translation>
    </message>
    <message>
        <source>The path you entered is not valid. Enter a correct path.</source>
        <translation>입력한 경로가 올바르지 않습니다. 올바른 경로를 입력하십시오.</translation>
    </message>
    <message>
        <source>The file name you entered is not valid. Enter a correct file name.</source>
        <translation>입력한 파일 이름이 올바르지 않습니다. 올바른 파일 이름을 입력하십시오.</translation>
    </message>
    <message>
        <source>No value has been entered. Enter a suitable value.</source>
        <translation>값이 입력되지 않았습니다. 적절한 값을 입력하십시오.</translation>
    </message>
    <message>
        <source>The quotes in the value you entered do not pair up, or it contains a line break or a control character. Close every quote you open.</source>
        <translation>입력한 값의 따옴표가 짝이 맞지 않거나 줄 바꿈 또는 제어 문자가 있습니다. 연 따옴표는 모두 닫으십시오.</translation>
    </message>
    <message>
        <source>The folder you entered is missing, and so is the folder that would hold it. Enter an existing folder, or a new one in an existing folder.</source>
        <translation>입력한 폴더가 없으며 그 폴더를 담을 폴더도 없습니다. 기존 폴더 또는 기존 폴더 안의 새 폴더를 입력하십시오.</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctPropCtrl</name>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Conversion options</source>
        <translation>변환 옵션</translation>
    </message>
    <message>
        <source>Options of the selected item</source>
        <translation>선택한 항목의 옵션</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctResultCtrl</name>
    <message>
        <source>[... the beginning of this output is not shown ...]</source>
        <translation>[... 이 출력의 앞부분은 표시되지 않았습니다 ...]</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctTreeCtrl</name>
    <message>
        <source>Conversion items</source>
        <translation>파일 목록</translation>
    </message>
    <message>
        <source>Row %1 of %2: %3</source>
        <translation>%2행 중 %1행: %3</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>변환 대기</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>변환 중</translation>
    </message>
    <message>
        <source>Converted OK</source>
        <translation>변환 성공</translation>
    </message>
    <message>
        <source>Converted NG</source>
        <translation>변환 실패</translation>
    </message>
    <message>
        <source>Syntax errors</source>
        <translation>구문 오류 있음</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>일시 중지됨</translation>
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
        <translation>Office2007: 파랑 스타일(&amp;B)</translation>
    </message>
    <message>
        <source>Office2007: B&amp;lack Style</source>
        <translation>Office2007: 검정 스타일(&amp;L)</translation>
    </message>
    <message>
        <source>Office2007: &amp;Silver Style</source>
        <translation>Office2007: 은색 스타일(&amp;S)</translation>
    </message>
    <message>
        <source>Office2007: &amp;Aqua Style</source>
        <translation>Office2007: 아쿠아 스타일(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>새로 만들기(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new definition file
New</source>
        <translation>새 정의 파일을 만듭니다
새로 만들기</translation>
    </message>
    <message>
        <source>&amp;Open Definition File...</source>
        <translation>정의 파일 열기(&amp;O)...</translation>
    </message>
    <message>
        <source>Open a definition file
Open</source>
        <translation>정의 파일을 엽니다
열기</translation>
    </message>
    <message>
        <source>&amp;Save Definition File</source>
        <translation>정의 파일 저장(&amp;S)</translation>
    </message>
    <message>
        <source>Save the definition file
Save</source>
        <translation>정의 파일을 저장합니다
저장</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>다른 이름으로 저장(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the definition file under a new name
Save As</source>
        <translation>정의 파일을 새 이름으로 저장합니다
다른 이름으로 저장</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>활성 정의 파일을 닫습니다
닫기</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>새 창(&amp;N)</translation>
    </message>
    <message>
        <source>Open another window for a new definition file
New Window</source>
        <translation>새 정의 파일용 창을 하나 더 엽니다
새 창</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>최근 파일(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>응용 프로그램을 끝냅니다
끝내기</translation>
    </message>
    <message>
        <source>&amp;Add cu Files to List...</source>
        <translation>cu 파일을 목록에 추가(&amp;A)...</translation>
    </message>
    <message>
        <source>Add CUDA files to the list
Add</source>
        <translation>CUDA 파일을 목록에 추가합니다
추가</translation>
    </message>
    <message>
        <source>&amp;Update Selected List Item...</source>
        <translation>선택한 목록 항목 업데이트(&amp;U)...</translation>
    </message>
    <message>
        <source>Change the selected item
Update</source>
        <translation>선택한 항목을 변경합니다
업데이트</translation>
    </message>
    <message>
        <source>&amp;Delete Selected List Item</source>
        <translation>선택한 목록 항목 삭제(&amp;D)</translation>
    </message>
    <message>
        <source>Delete the selected item
Delete</source>
        <translation>선택한 항목을 삭제합니다
삭제</translation>
    </message>
    <message>
        <source>Delete &amp;All Items...</source>
        <translation>모든 항목 삭제(&amp;A)...</translation>
    </message>
    <message>
        <source>Delete every item of the list
Delete All</source>
        <translation>목록의 모든 항목을 삭제합니다
모두 삭제</translation>
    </message>
    <message>
        <source>&amp;Start Conversion</source>
        <translation>변환 시작(&amp;S)</translation>
    </message>
    <message>
        <source>Convert every item of the list with dpct
Start</source>
        <translation>목록의 모든 항목을 dpct로 변환합니다
변환 시작</translation>
    </message>
    <message>
        <source>S&amp;top Conversion</source>
        <translation>변환 중지(&amp;T)</translation>
    </message>
    <message>
        <source>Stop the conversion
Stop</source>
        <translation>변환을 중지합니다
변환 중지</translation>
    </message>
    <message>
        <source>&amp;Pause/Resume Conversion</source>
        <translation>변환 일시 중지/다시 시작(&amp;P)</translation>
    </message>
    <message>
        <source>Pause or resume the conversion
Pause/Resume</source>
        <translation>변환을 일시 중지하거나 다시 시작합니다
일시 중지/다시 시작</translation>
    </message>
    <message>
        <source>&amp;Settings...	F12</source>
        <translation>옵션(&amp;S)...	F12</translation>
    </message>
    <message>
        <source>Change the settings
Settings</source>
        <translation>설정을 변경합니다
옵션</translation>
    </message>
    <message>
        <source>&amp;About Tovalo...</source>
        <translation>Tovalo 정보(&amp;A)...</translation>
    </message>
    <message>
        <source>Show the program&apos;s version
About</source>
        <translation>프로그램 버전 정보를 표시합니다
정보</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>도구 모음(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toolbar</source>
        <translation>도구 모음을 표시하거나 숨깁니다
도구 모음</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>상태 표시줄(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Status Bar</source>
        <translation>상태 표시줄을 표시하거나 숨깁니다
상태 표시줄</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <comment>submenu</comment>
        <translation>최근에 사용한 파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>변환(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>보기(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Application Look</source>
        <translation>응용 프로그램 모양(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>도구(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>창(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>도구 모음</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CMainFrame</name>
    <message>
        <source>Intel® oneAPI DPC++ Compatibility Tool
Support App
&lt;&lt; Tovalo &gt;&gt;</source>
        <translation>인텔® oneAPI DPC++ 호환성 도구
지원 앱
&lt;&lt; Tovalo &gt;&gt;</translation>
    </message>
    <message>
        <source>DEMO</source>
        <translation>데모</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>Open Definition File</source>
        <translation>정의 파일 열기</translation>
    </message>
    <message>
        <source>Definition file (*.txt);;All Files (*)</source>
        <translation>정의 파일 (*.txt);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>&quot;Intel®  oneAPI DPC++ Compatibility Tool&quot; Support App
Do you really want to quit?</source>
        <translation>&quot;인텔® oneAPI DPC++ 호환성 도구&quot; 지원 앱
정말 종료하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CMainStatusBar</name>
    <message>
        <source>Starting setvars</source>
        <translation>setvars 시작</translation>
    </message>
    <message>
        <source>Running setvars...</source>
        <translation>setvars 실행 중...</translation>
    </message>
    <message>
        <source>Querying the dpct version</source>
        <translation>dpct 버전 확인 시작</translation>
    </message>
    <message>
        <source>Querying the dpct version...</source>
        <translation>dpct 버전 확인 중...</translation>
    </message>
    <message>
        <source>dpct conversion started</source>
        <translation>dpct 변환 시작</translation>
    </message>
    <message>
        <source>dpct converting...</source>
        <translation>dpct 변환 중...</translation>
    </message>
    <message>
        <source>dpct run paused</source>
        <translation>dpct 실행 일시 중지됨</translation>
    </message>
    <message>
        <source>dpct ver: %1</source>
        <translation>dpct 버전: %1</translation>
    </message>
    <message>
        <source>DEMO: simulated oneAPI toolkit</source>
        <translation>데모: 모의 oneAPI 툴킷</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>중지하는 중...</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::COutputPane</name>
    <message>
        <source>[... older output removed to keep the pane fast ...]</source>
        <translation>[... 창의 속도를 유지하기 위해 이전 출력을 삭제했습니다 ...]</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>출력</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CTovaloApp</name>
    <message>
        <source>Intel® oneAPI is not installed. Files cannot be converted to DPC++, but definition files (the files to convert with their conversion options) can still be made.</source>
        <translation>인텔® oneAPI가 설치되어 있지 않습니다. DPC++로 파일을 변환할 수는 없지만 정의 파일(변환할 파일과 변환 옵션)은 만들 수 있습니다.</translation>
    </message>
    <message>
        <source>[Tovalo] The command interpreter could not be started: %1
</source>
        <translation>[Tovalo] 명령 인터프리터를 시작할 수 없습니다: %1
</translation>
    </message>
    <message>
        <source>Tovalo %1
A front end for the dpct migration tool.

dpct: %2</source>
        <translation>Tovalo %1
dpct 마이그레이션 도구의 프런트 엔드

dpct: %2</translation>
    </message>
    <message>
        <source>(not known)</source>
        <translation>(알 수 없음)</translation>
    </message>
    <message>
        <source>Front end for the dpct CUDA-to-SYCL migration tool.</source>
        <translation>dpct(CUDA에서 SYCL로의 마이그레이션 도구)의 프런트 엔드입니다.</translation>
    </message>
    <message>
        <source>Use the simulated oneAPI toolkit in &lt;folder&gt; (demo mode).</source>
        <translation>&lt;folder&gt;의 모의 oneAPI 툴킷을 사용합니다(데모 모드).</translation>
    </message>
    <message>
        <source>Single-instance key (tests).</source>
        <translation>단일 인스턴스 키(테스트용).</translation>
    </message>
    <message>
        <source>Definition files to open.</source>
        <translation>열 정의 파일.</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CoreMessages</name>
    <message>
        <source>dpct printed no version line: it is not installed or not on the path that the environment script sets. Conversion is not possible.</source>
        <translation>dpct가 버전을 출력하지 않았습니다. dpct가 설치되어 있지 않거나 환경 스크립트가 설정하는 경로에 없습니다. 변환할 수 없습니다.</translation>
    </message>
    <message>
        <source>The command could not be written to the command interpreter: %1</source>
        <translation>명령 인터프리터에 명령을 쓸 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Not converted: %1.</source>
        <translation>변환하지 않았습니다: %1.</translation>
    </message>
    <message>
        <source>the command line is %1 characters long, and the command interpreter accepts at most %2</source>
        <translation>명령줄 길이가 %1자이지만 명령 인터프리터는 최대 %2자까지만 받습니다</translation>
    </message>
    <message>
        <source>The command interpreter has ended (%1).</source>
        <translation>명령 인터프리터가 종료되었습니다(%1).</translation>
    </message>
    <message>
        <source>The command interpreter ended during this conversion.</source>
        <translation>이 변환 중에 명령 인터프리터가 종료되었습니다.</translation>
    </message>
    <message>
        <source>The command interpreter keeps ending; it is not started again.</source>
        <translation>명령 인터프리터가 계속 종료되어 다시 시작하지 않습니다.</translation>
    </message>
    <message>
        <source>A new command interpreter could not be started: %1</source>
        <translation>새 명령 인터프리터를 시작할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>A new command interpreter has been started.</source>
        <translation>새 명령 인터프리터를 시작했습니다.</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>종료 코드 %1</translation>
    </message>
    <message>
        <source>killed by signal %1</source>
        <translation>시그널 %1(으)로 강제 종료됨</translation>
    </message>
    <message>
        <source>killed by signal %1 (%2)</source>
        <translation>시그널 %1(%2)(으)로 강제 종료됨</translation>
    </message>
    <message>
        <source>status %1</source>
        <translation>상태 %1</translation>
    </message>
    <message>
        <source>output closed</source>
        <translation>출력 닫힘</translation>
    </message>
    <message>
        <source>the console could not be read: %1</source>
        <translation>콘솔을 읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>cannot create the console pipes: %1</source>
        <translation>콘솔 파이프를 만들 수 없습니다: %1</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>%1을(를) 시작할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>the command interpreter is not running</source>
        <translation>명령 인터프리터가 실행 중이 아닙니다</translation>
    </message>
    <message>
        <source>the command interpreter has ended</source>
        <translation>명령 인터프리터가 종료되었습니다</translation>
    </message>
    <message>
        <source>a command must be a single line</source>
        <translation>명령은 한 줄이어야 합니다</translation>
    </message>
    <message>
        <source>the command holds characters that the console&apos;s code page %1 cannot represent</source>
        <translation>명령에 콘솔 코드 페이지 %1(으)로 나타낼 수 없는 문자가 있습니다</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1에 %2</translation>
    </message>
    <message>
        <source>the value of %1</source>
        <translation>%1 값</translation>
    </message>
    <message>
        <source>the source path</source>
        <translation>소스 경로</translation>
    </message>
    <message>
        <source>the command line</source>
        <translation>명령줄</translation>
    </message>
    <message>
        <source>has a double quote that is not closed</source>
        <translation>닫히지 않은 큰따옴표가 있습니다</translation>
    </message>
    <message>
        <source>has a single quote that is not closed</source>
        <translation>닫히지 않은 작은따옴표가 있습니다</translation>
    </message>
    <message>
        <source>has two double quotes in a row inside quotes, which programs read differently</source>
        <translation>따옴표 안에 큰따옴표 두 개가 연속으로 있습니다(프로그램마다 다르게 해석합니다)</translation>
    </message>
    <message>
        <source>has a double quote that programs read as text (after a backslash), so its quotes do not pair up</source>
        <translation>프로그램이 (백슬래시 뒤에 있어) 문자로 읽는 큰따옴표가 있어 따옴표의 짝이 맞지 않습니다</translation>
    </message>
    <message>
        <source>contains a line break</source>
        <translation>줄 바꿈이 포함되어 있습니다</translation>
    </message>
    <message>
        <source>contains a control character</source>
        <translation>제어 문자가 포함되어 있습니다</translation>
    </message>
    <message>
        <source>contains a double quote, which would end its quotes on the command line</source>
        <translation>큰따옴표가 포함되어 있습니다(명령줄에서 따옴표가 끝나 버립니다)</translation>
    </message>
    <message>
        <source>contains a %NAME:...% edit of a variable, which the command interpreter would expand before it reads quotes</source>
        <translation>%NAME:...% 형식의 변수 편집이 포함되어 있습니다(명령 인터프리터가 따옴표를 읽기 전에 확장합니다)</translation>
    </message>
    <message>
        <source>not a definition file (it holds binary data)</source>
        <translation>정의 파일이 아닙니다(이진 데이터가 들어 있습니다)</translation>
    </message>
    <message>
        <source>not a definition file (it has neither a [Common] section nor a section of a .cu file)</source>
        <translation>정의 파일이 아닙니다([Common] 섹션도 .cu 파일의 섹션도 없습니다)</translation>
    </message>
    <message>
        <source>the path &quot;%1&quot; contains a line break</source>
        <translation>경로 &quot;%1&quot;에 줄 바꿈이 포함되어 있습니다</translation>
    </message>
    <message>
        <source>the value of %1 of &quot;%2&quot; contains a line break</source>
        <translation>&quot;%2&quot;의 %1 값에 줄 바꿈이 포함되어 있습니다</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; (%2) cannot be stored in code page %3</source>
        <translation>문자 &quot;%1&quot;(%2)은(는) 코드 페이지 %3(으)로 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>the text cannot be stored in code page %1</source>
        <translation>텍스트를 코드 페이지 %1(으)로 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>일반 파일이 아닙니다</translation>
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
        <translation>다른 Tovalo가 실행 중이지만 응답하지 않습니다.</translation>
    </message>
</context>
</TS>
