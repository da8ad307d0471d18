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
        <translation>항목 추가</translation>
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
    <message>
        <source>%1 with a line break in the name</source>
        <translation>이름에 줄 바꿈이 있는 파일 %1개</translation>
    </message>
    <message>
        <source>%1 folders could not be read</source>
        <translation>읽을 수 없는 폴더 %1개</translation>
    </message>
    <message>
        <source>%1 links to folders not followed</source>
        <translation>따라가지 않은 폴더 링크 %1개</translation>
    </message>
    <message>
        <source>Folder scan: %1 added, %2 already in the list</source>
        <translation>폴더 검색: %1개 추가, %2개는 이미 목록에 있음</translation>
    </message>
    <message>
        <source>, skipped: %1</source>
        <translation>, 건너뜀: %1</translation>
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
    <message>
        <source>Select A&amp;ll</source>
        <translation>모두 선택(&amp;L)</translation>
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
    <name>tovalo::gui::CAboutDlg</name>
    <message>
        <source>About Tovalo</source>
        <translation>Tovalo 정보</translation>
    </message>
    <message>
        <source>Tovalo: a desktop front end for the dpct migration tool</source>
        <translation>Tovalo: dpct 마이그레이션 도구의 데스크톱 프런트 엔드</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tovalo developers</source>
        <translation>Copyright © 2026 Tovalo 개발자</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Intel® oneAPI DPC++ Compatibility Tool
Support application
&lt;&lt; Tovalo &gt;&gt;</source>
        <translation>인텔® oneAPI DPC++ 호환성 도구
지원 앱
&lt;&lt; Tovalo &gt;&gt;</translation>
    </message>
    <message>
        <source>not installed.</source>
        <translation>not installed.</translation>
    </message>
    <message>
        <source>[Application Version]</source>
        <translation>[애플리케이션 버전]</translation>
    </message>
    <message>
        <source>[dpct Version]</source>
        <translation>[dpct 버전]</translation>
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
        <translation>제목 없음</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>dpct Diagnostics - %1</source>
        <translation>dpct 진단 - %1</translation>
    </message>
    <message>
        <source>Untitled %1</source>
        <translation>제목 없음 %1</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CColorPopup</name>
    <message>
        <source>Black</source>
        <translation>검정</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>갈색</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>올리브색</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>진한 녹색</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>진한 청록</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>진한 파랑</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>남색</translation>
    </message>
    <message>
        <source>Grey 80%</source>
        <translation>회색-80%</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>진한 빨강</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>주황</translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation>진한 노랑</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>녹색</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>청록</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>파랑</translation>
    </message>
    <message>
        <source>Blue-Grey</source>
        <translation>청회색</translation>
    </message>
    <message>
        <source>Grey 40%</source>
        <translation>회색-40%</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>빨강</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>연한 주황</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>라임</translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation>바다색</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>아쿠아</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>연한 파랑</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>보라</translation>
    </message>
    <message>
        <source>Grey 50%</source>
        <translation>회색-50%</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>분홍</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>금색</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>노랑</translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation>밝은 녹색</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>옥색</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>하늘색</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>자주</translation>
    </message>
    <message>
        <source>Grey 25%</source>
        <translation>회색-25%</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>장미색</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>황갈색</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>연한 노랑</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>연한 녹색</translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation>연한 옥색</translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation>옅은 파랑</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>라벤더</translation>
    </message>
    <message>
        <source>White</source>
        <translation>흰색</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>More Colours...</source>
        <translation>다른 색...</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>색</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::DiagnosticsView</name>
    <message>
        <source>dpct Diagnostics</source>
        <translation>dpct 진단</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>코드</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>건수</translation>
    </message>
    <message>
        <source>First message</source>
        <translation>첫 메시지</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>the default program for the file</source>
        <translation>파일의 기본 프로그램</translation>
    </message>
    <message>
        <source>The command line that opens a source file, for example
code --goto {file}:{line}:{column}
{file}, {line} and {column} are replaced; the program is started without a shell.</source>
        <translation>소스 파일을 여는 명령줄입니다. 예:
code --goto {file}:{line}:{column}
{file}, {line}, {column}은 실제 값으로 바뀌며, 프로그램은 셸을 거치지 않고 시작됩니다.</translation>
    </message>
    <message>
        <source>Open &amp;with:</source>
        <translation>연결 프로그램(&amp;W):</translation>
    </message>
    <message>
        <source>The last run gave no diagnostics.</source>
        <translation>지난번 변환에서는 진단이 없었습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n diagnostic(s) of dpct in %1 item(s). Double-click a row to open its source location.</source>
        <translation>
            <numerusform>항목 %1개에서 dpct 진단 %n개. 행을 두 번 클릭하면 소스의 해당 위치가 열립니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The source location could not be opened.
%1</source>
        <translation>소스 위치를 열 수 없습니다.
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n more diagnostic(s) were printed but not kept (an item keeps at most %1).</source>
        <translation>
            <numerusform>진단 %n개가 더 출력되었지만 보관하지 않았습니다(항목당 최대 %1개까지 보관합니다).</numerusform>
        </translation>
    </message>
    <message>
        <source>Opens %1 at line %2, column %3.</source>
        <translation>%1의 %2행 %3열을 엽니다.</translation>
    </message>
    <message>
        <source>Nothing has been converted in this list yet; dpct&apos;s diagnostics are shown here after a run.</source>
        <translation>이 목록은 아직 변환되지 않았습니다. 변환 후 dpct 진단이 여기에 표시됩니다.</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctDataDlg</name>
    <message>
        <source>Add Data</source>
        <translation>항목 추가</translation>
    </message>
    <message>
        <source>Update Data</source>
        <translation>항목 편집</translation>
    </message>
    <message>
        <source>File/Directory Selection</source>
        <translation>파일/디렉터리 선택</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>파일 선택(&amp;F)</translation>
    </message>
    <message>
        <source>Select a directory</source>
        <translation>폴더 선택(&amp;O)</translation>
    </message>
    <message>
        <source>Also take the .cu sources in sub-directories</source>
        <translation>하위 폴더의 .cu 파일도 포함(&amp;S)</translation>
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
        <translation>모두 선택 해제(&amp;U)</translation>
    </message>
    <message>
        <source>Check all</source>
        <translation>모두 선택(&amp;C)</translation>
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
    <message numerus="yes">
        <source>Update %n Items</source>
        <translation>
            <numerusform>항목 %n개 업데이트</numerusform>
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
    <message numerus="yes">
        <source>%n entries are not valid:</source>
        <translation>
            <numerusform>입력 항목 %n개가 올바르지 않습니다:</numerusform>
        </translation>
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
    <message>
        <source>(mixed)</source>
        <translation>(혼합)</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctResultCtrl</name>
    <message>
        <source>[... the beginning of this output is not shown ...]</source>
        <translation>[... 이 출력의 앞부분은 표시되지 않았습니다 ...]</translation>
    </message>
    <message>
        <source>dpct diagnostics: %1</source>
        <translation>dpct 진단: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n more not kept</source>
        <translation>
            <numerusform>그 밖의 %n개는 보관하지 않음</numerusform>
        </translation>
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
    <message>
        <source>Diagnostics</source>
        <translation>진단</translation>
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
        <translation>옵션(&amp;O)...	F12</translation>
    </message>
    <message>
        <source>Change the settings
Settings</source>
        <translation>옵션을 변경합니다
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
        <translation>최근 파일(&amp;F)</translation>
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
    <message>
        <source>&amp;Re-run Failed Items</source>
        <translation>실패한 항목 다시 변환(&amp;R)</translation>
    </message>
    <message>
        <source>Convert again only the items whose last result was not OK
Re-run Failed</source>
        <translation>지난번 결과가 성공이 아닌 항목만 다시 변환합니다
실패한 항목 다시 변환</translation>
    </message>
    <message>
        <source>Tovalo &amp;User Guide</source>
        <translation>Tovalo 사용자 가이드(&amp;U)</translation>
    </message>
    <message>
        <source>Open the user guide of Tovalo
User Guide</source>
        <translation>Tovalo 사용자 가이드를 엽니다
사용자 가이드</translation>
    </message>
    <message>
        <source>&amp;dpct Documentation (Web)</source>
        <translation>dpct 설명서 (웹)(&amp;D)</translation>
    </message>
    <message>
        <source>Open the documentation of dpct in the web browser
dpct Documentation</source>
        <translation>웹 브라우저에서 dpct 설명서를 엽니다
dpct 설명서</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>계단식 배열(&amp;C)</translation>
    </message>
    <message>
        <source>Arrange the windows so that they overlap
Cascade</source>
        <translation>창을 겹쳐서 배열합니다
계단식 배열</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>바둑판식 배열(&amp;T)</translation>
    </message>
    <message>
        <source>Arrange the windows side by side
Tile</source>
        <translation>창을 나란히 배열합니다
바둑판식 배열</translation>
    </message>
    <message>
        <source>Ne&amp;xt Window</source>
        <translation>다음 창(&amp;X)</translation>
    </message>
    <message>
        <source>Activate the next window
Next Window</source>
        <translation>다음 창을 활성화합니다
다음 창</translation>
    </message>
    <message>
        <source>&amp;Previous Window</source>
        <translation>이전 창(&amp;P)</translation>
    </message>
    <message>
        <source>Activate the previous window
Previous Window</source>
        <translation>이전 창을 활성화합니다
이전 창</translation>
    </message>
    <message>
        <source>Close &amp;All</source>
        <translation>모두 닫기(&amp;A)</translation>
    </message>
    <message>
        <source>Close every document window
Close All</source>
        <translation>모든 문서 창을 닫습니다
모두 닫기</translation>
    </message>
    <message>
        <source>&amp;Import Compilation Database...</source>
        <translation>컴파일 데이터베이스 가져오기(&amp;I)...</translation>
    </message>
    <message>
        <source>Make conversion items from a compilation database (compile_commands.json)
Import Compilation Database</source>
        <translation>컴파일 데이터베이스(compile_commands.json)에서 변환 항목을 만듭니다
컴파일 데이터베이스 가져오기</translation>
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
    <message>
        <source>The web browser could not be started for %1.</source>
        <translation>%1을(를) 열 웹 브라우저를 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>The user guide was not found. It was looked for in:
%1</source>
        <translation>사용자 가이드를 찾을 수 없습니다. 찾아본 위치:
%1</translation>
    </message>
    <message>
        <source>No program could be started to show %1.</source>
        <translation>%1을(를) 표시할 프로그램을 시작할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::MainStatusBar</name>
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
    <message numerus="yes">
        <source>%1 OK, %2 failed, %n with syntax errors</source>
        <translation>
            <numerusform>성공 %1개, 실패 %2개, 구문 오류 있음 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %1 of %n item(s): %2 (%3)</source>
        <translation>
            <numerusform>항목 %n개 중 %1개를 처리한 후 중지: %2 (%3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished %n item(s): %1 (%2)</source>
        <translation>
            <numerusform>항목 %n개 변환 완료: %1 (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion unavailable: oneAPI not found</source>
        <translation>변환 불가: oneAPI를 찾을 수 없음</translation>
    </message>
    <message numerus="yes">
        <source>%n running</source>
        <translation>
            <numerusform>%n개 실행 중</numerusform>
        </translation>
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
    <message>
        <source>Save Output As</source>
        <translation>출력을 다른 이름으로 저장</translation>
    </message>
    <message>
        <source>Log files (*.log);;Text files (*.txt);;All Files (*)</source>
        <translation>로그 파일 (*.log);;텍스트 파일 (*.txt);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>The output could not be saved to %1:
%2</source>
        <translation>출력을 %1에 저장할 수 없습니다:
%2</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>찾기(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>다른 이름으로 저장(&amp;S)...</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::LogFindBar</name>
    <message>
        <source>Not found</source>
        <translation>찾을 수 없음</translation>
    </message>
    <message>
        <source>Wrapped around</source>
        <translation>처음부터 다시 검색함</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>찾기(&amp;N):</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>Find the next match (F3)</source>
        <translation>다음 찾기 (F3)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>이전</translation>
    </message>
    <message>
        <source>Find the previous match (Shift+F3)</source>
        <translation>이전 찾기 (Shift+F3)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>찾기 표시줄 닫기 (Esc)</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CToolOptionPageColor</name>
    <message>
        <source>Item list</source>
        <translation>파일 목록</translation>
    </message>
    <message>
        <source>Row text</source>
        <translation>행 텍스트 색</translation>
    </message>
    <message>
        <source>Row background</source>
        <translation>행 배경색</translation>
    </message>
    <message>
        <source>Status &quot;Converting&quot;: text</source>
        <translation>상태: &quot;변환 중&quot; 텍스트 색</translation>
    </message>
    <message>
        <source>Status &quot;Syntax errors&quot;: text</source>
        <translation>상태: &quot;구문 오류 있음&quot; 텍스트 색</translation>
    </message>
    <message>
        <source>Status &quot;Converted OK&quot;: text</source>
        <translation>상태: &quot;변환 성공&quot; 텍스트 색</translation>
    </message>
    <message>
        <source>Status &quot;Failed&quot;: text</source>
        <translation>상태: &quot;변환 실패&quot; 텍스트 색</translation>
    </message>
    <message>
        <source>Conversion result window</source>
        <translation>변환 결과 창</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트 색</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>배경색</translation>
    </message>
    <message>
        <source>Output window</source>
        <translation>출력 창</translation>
    </message>
    <message>
        <source>C&amp;olour:</source>
        <translation>색(&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>Undo &amp;all</source>
        <translation>모두 실행 취소(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Reset to the initial colours</source>
        <translation>초기 색으로 되돌리기(&amp;R)</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CToolOptionPageGeneral</name>
    <message>
        <source>3D style</source>
        <translation>3D 스타일</translation>
    </message>
    <message>
        <source>Microsoft OneNote style</source>
        <translation>Microsoft OneNote 스타일</translation>
    </message>
    <message>
        <source>Visual Studio 2005 style</source>
        <translation>Visual Studio 2005 스타일</translation>
    </message>
    <message>
        <source>Style with tab labels</source>
        <translation>탭 레이블이 있는 스타일</translation>
    </message>
    <message>
        <source>Flat style with a horizontal scroll bar</source>
        <translation>가로 스크롤 막대가 있는 평면 스타일</translation>
    </message>
    <message>
        <source>Rounded tab labels</source>
        <translation>둥근 탭 레이블</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>언어(&amp;L):</translation>
    </message>
    <message>
        <source>* Takes effect after a restart</source>
        <translation>* 다시 시작한 후 적용됨</translation>
    </message>
    <message>
        <source>&amp;Application look:</source>
        <translation>응용 프로그램 모양(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Tab mode</source>
        <translation>탭 모드(&amp;T)</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>탭</translation>
    </message>
    <message>
        <source>Tab l&amp;ocation:</source>
        <translation>탭 위치(&amp;O):</translation>
    </message>
    <message>
        <source>Tab &amp;style:</source>
        <translation>탭 스타일(&amp;S):</translation>
    </message>
    <message>
        <source>A &amp;Close button on every tab</source>
        <translation>탭마다 닫기 단추 표시(&amp;C)</translation>
    </message>
    <message>
        <source>A colou&amp;r for every tab</source>
        <translation>탭마다 다른 색 사용(&amp;R)</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>아래쪽</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>위쪽</translation>
    </message>
    <message>
        <source>The changed language setting takes effect at the next start.</source>
        <translation>변경한 언어 설정은 다음에 시작할 때 적용됩니다.</translation>
    </message>
    <message>
        <source>&amp;Parallel conversions:</source>
        <translation>병렬 변환 수(&amp;P):</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>자동 (%1)</translation>
    </message>
    <message>
        <source>How many dpct runs go on side by side. Automatic: one per logical processor, at most one per 2 GiB of available memory. Items that write into the same out-root folder never run at the same time.</source>
        <translation>동시에 실행할 dpct 수입니다. 자동: 논리 프로세서마다 하나, 단 사용 가능한 메모리 2 GiB마다 최대 하나. 같은 out-root 폴더에 쓰는 항목은 동시에 실행되지 않습니다.</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CToolOptionProp</name>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Colour settings</source>
        <translation>색 설정</translation>
    </message>
    <message>
        <source>The settings could not be saved:
%1</source>
        <translation>설정을 저장할 수 없습니다:
%1</translation>
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
    <message>
        <source>Tovalo looked for oneAPI in:</source>
        <translation>Tovalo가 oneAPI를 찾아본 위치:</translation>
    </message>
    <message>
        <source>To use an installation in another folder, set the environment variable ONEAPI_ROOT to that folder (the one that holds the setvars script) and start Tovalo again.</source>
        <translation>다른 폴더에 설치된 oneAPI를 사용하려면 환경 변수 ONEAPI_ROOT를 그 폴더(setvars 스크립트가 있는 폴더)로 설정한 후 Tovalo를 다시 시작하십시오.</translation>
    </message>
    <message>
        <source>The settings could not be read, so Tovalo starts with its default settings and will not save over them when it ends:
%1</source>
        <translation>설정을 읽을 수 없습니다. Tovalo는 기본 설정으로 시작하며, 종료할 때 설정을 덮어써서 저장하지 않습니다:
%1</translation>
    </message>
    <message>
        <source>The settings could not be saved; the changes of this session are lost:
%1</source>
        <translation>설정을 저장할 수 없습니다. 이번 세션의 변경 내용은 사라집니다:
%1</translation>
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
        <translation>시그널 %1에 의해 강제 종료됨</translation>
    </message>
    <message>
        <source>killed by signal %1 (%2)</source>
        <translation>시그널 %1(%2)에 의해 강제 종료됨</translation>
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
    <message>
        <source>Imported %1 (%2, %3, %4)</source>
        <translation>%1을(를) 가져왔습니다(%2, %3, %4)</translation>
    </message>
    <message>
        <source>%1 CUDA files</source>
        <translation>CUDA 파일 %1개</translation>
    </message>
    <message>
        <source>%1 CUDA file</source>
        <translation>CUDA 파일 %1개</translation>
    </message>
    <message>
        <source>%1 source files</source>
        <translation>소스 파일 %1개</translation>
    </message>
    <message>
        <source>%1 source file</source>
        <translation>소스 파일 %1개</translation>
    </message>
    <message>
        <source>%1 duplicates merged</source>
        <translation>중복 %1개 병합</translation>
    </message>
    <message>
        <source>%1 duplicate merged</source>
        <translation>중복 %1개 병합</translation>
    </message>
    <message>
        <source>%1 other entries skipped</source>
        <translation>기타 항목 %1개 건너뜀</translation>
    </message>
    <message>
        <source>%1 other entry skipped</source>
        <translation>기타 항목 %1개 건너뜀</translation>
    </message>
    <message>
        <source>%1 files missing</source>
        <translation>누락된 파일 %1개</translation>
    </message>
    <message>
        <source>%1 file missing</source>
        <translation>누락된 파일 %1개</translation>
    </message>
    <message>
        <source>not valid JSON: %1 at line %2, column %3</source>
        <translation>올바른 JSON이 아닙니다: %2행 %3열에서 %1</translation>
    </message>
    <message>
        <source>not a compilation database: the JSON text is not an array of entries</source>
        <translation>컴파일 데이터베이스가 아닙니다: JSON 텍스트가 항목 배열이 아닙니다</translation>
    </message>
    <message>
        <source>entry %1 of the compilation database is not an object</source>
        <translation>컴파일 데이터베이스의 항목 %1이(가) 객체가 아닙니다</translation>
    </message>
    <message>
        <source>entry %1 of the compilation database has no &quot;%2&quot;</source>
        <translation>컴파일 데이터베이스의 항목 %1에 &quot;%2&quot;이(가) 없습니다</translation>
    </message>
    <message>
        <source>entry %1 of the compilation database: &quot;%2&quot; is not a string</source>
        <translation>컴파일 데이터베이스의 항목 %1: &quot;%2&quot;이(가) 문자열이 아닙니다</translation>
    </message>
    <message>
        <source>entry %1 of the compilation database: &quot;%2&quot; is not an array of strings</source>
        <translation>컴파일 데이터베이스의 항목 %1: &quot;%2&quot;이(가) 문자열 배열이 아닙니다</translation>
    </message>
    <message>
        <source>dpct refused this item because an earlier migration into the same out-root folder used another set of options (dpct keeps them in MainSourceFiles.yaml there, and exits with -37). Give every item that writes into this out-root the same options that dpct compares, give this item another --out-root, or switch on --no-incremental-migration.</source>
        <translation>같은 out-root 폴더로의 이전 마이그레이션에서 다른 옵션 조합을 사용했기 때문에 dpct가 이 항목을 거부했습니다(dpct는 옵션을 그 폴더의 MainSourceFiles.yaml에 기록하고 -37로 종료합니다). 이 out-root에 쓰는 모든 항목에 dpct가 비교하는 옵션을 똑같이 지정하거나, 이 항목에 다른 --out-root를 지정하거나, --no-incremental-migration을 켜십시오.</translation>
    </message>
    <message>
        <source>larger than %1 MiB, the most that is read</source>
        <translation>읽을 수 있는 최대 크기 %1 MiB를 넘습니다</translation>
    </message>
    <message>
        <source>the folder of the list</source>
        <translation>목록이 있는 폴더</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::DefinitionModel</name>
    <message>
        <source>This file does not exist:
%1</source>
        <translation>이 파일이 없습니다:
%1</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::DocumentCommands</name>
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
        <source>&amp;Add CUDA Files...</source>
        <translation>CUDA 파일 추가(&amp;A)...</translation>
    </message>
    <message>
        <source>Add CUDA files to the list
Add</source>
        <translation>CUDA 파일을 목록에 추가합니다
추가</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Item...</source>
        <translation>선택한 항목 편집(&amp;E)...</translation>
    </message>
    <message>
        <source>Edit the selected item
Edit</source>
        <translation>선택한 항목을 편집합니다
편집</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Item</source>
        <translation>선택한 항목 삭제(&amp;D)</translation>
    </message>
    <message>
        <source>Delete the selected item
Delete</source>
        <translation>선택한 항목을 삭제합니다
삭제</translation>
    </message>
    <message>
        <source>Delete A&amp;ll Items...</source>
        <translation>모든 항목 삭제(&amp;L)...</translation>
    </message>
    <message>
        <source>Delete every item of the list
Delete All</source>
        <translation>목록의 모든 항목을 삭제합니다
모두 삭제</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>위로 이동(&amp;P)</translation>
    </message>
    <message>
        <source>Move the selected item one place up; items are converted in list order
Move Up</source>
        <translation>선택한 항목을 한 칸 위로 이동합니다. 항목은 목록 순서대로 변환됩니다
위로 이동</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>아래로 이동(&amp;W)</translation>
    </message>
    <message>
        <source>Move the selected item one place down; items are converted in list order
Move Down</source>
        <translation>선택한 항목을 한 칸 아래로 이동합니다. 항목은 목록 순서대로 변환됩니다
아래로 이동</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>목록의 마지막 변경을 취소합니다
실행 취소</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>다시 실행(&amp;R)</translation>
    </message>
    <message>
        <source>Redo the last undone change
Redo</source>
        <translation>마지막으로 취소한 변경을 다시 실행합니다
다시 실행</translation>
    </message>
    <message>
        <source>dpct &amp;Diagnostics...</source>
        <translation>dpct 진단(&amp;D)...</translation>
    </message>
    <message>
        <source>Show dpct&apos;s diagnostics of the last run by code
Diagnostics</source>
        <translation>지난번 변환의 dpct 진단을 코드별로 표시합니다
dpct 진단</translation>
    </message>
    <message>
        <source>&amp;Export Results as CSV...</source>
        <translation>결과를 CSV로 내보내기(&amp;E)...</translation>
    </message>
    <message>
        <source>Save the last run&apos;s results as a CSV file
Export CSV</source>
        <translation>지난번 변환 결과를 CSV 파일로 저장합니다
CSV 내보내기</translation>
    </message>
    <message>
        <source>Export Results as &amp;JSON...</source>
        <translation>결과를 JSON으로 내보내기(&amp;J)...</translation>
    </message>
    <message>
        <source>Save the last run&apos;s results as a JSON file
Export JSON</source>
        <translation>지난번 변환 결과를 JSON 파일로 저장합니다
JSON 내보내기</translation>
    </message>
    <message>
        <source>&amp;Add CUDA Files...	Ins</source>
        <translation>CUDA 파일 추가(&amp;A)...	Ins</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Item...	Enter</source>
        <translation>선택한 항목 편집(&amp;E)...	Enter</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Item	Del</source>
        <translation>선택한 항목 삭제(&amp;D)	Del</translation>
    </message>
    <message>
        <source>Delete A&amp;ll Items...	Ctrl+Del</source>
        <translation>모든 항목 삭제(&amp;L)...	Ctrl+Del</translation>
    </message>
    <message>
        <source>Move U&amp;p	Alt+Up</source>
        <translation>위로 이동(&amp;P)	Alt+Up</translation>
    </message>
    <message>
        <source>Move Do&amp;wn	Alt+Down</source>
        <translation>아래로 이동(&amp;W)	Alt+Down</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>실행 취소(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>다시 실행(&amp;R)	Ctrl+Y</translation>
    </message>
    <message>
        <source>Convert Se&amp;lected Items</source>
        <translation>선택한 항목 변환(&amp;L)</translation>
    </message>
    <message>
        <source>Convert only the items selected in the list
Convert Selected</source>
        <translation>목록에서 선택한 항목만 변환합니다
선택한 항목 변환</translation>
    </message>
    <message>
        <source>Export &amp;Report...</source>
        <translation>보고서 내보내기(&amp;R)...</translation>
    </message>
    <message>
        <source>Save the last run&apos;s results as a report for the web browser and show it
Export Report</source>
        <translation>지난 실행 결과를 웹 브라우저용 보고서로 저장하고 표시합니다
보고서 내보내기</translation>
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
    <message>
        <source>results</source>
        <translation>결과</translation>
    </message>
    <message>
        <source>Export Results as JSON</source>
        <translation>결과를 JSON으로 내보내기</translation>
    </message>
    <message>
        <source>Export Results as CSV</source>
        <translation>결과를 CSV로 내보내기</translation>
    </message>
    <message>
        <source>JSON files (*.json);;All files (*)</source>
        <translation>JSON 파일 (*.json);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 파일 (*.csv);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.
%2</source>
        <translation>결과를 %1에 저장할 수 없습니다.
%2</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>제목 없음</translation>
    </message>
    <message numerus="yes">
        <source>%1
%n option value(s) are not in the option&apos;s list. Such an option is left out of the dpct command line until you pick a value in the item dialog:
%2</source>
        <translation>
            <numerusform>%1
옵션 목록에 없는 값이 %n개 있습니다. 항목 대화 상자에서 값을 고를 때까지 해당 옵션은 dpct 명령줄에서 빠집니다:
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
        <translation>목록에서 %1을(를) 삭제하시겠습니까?</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete all %n item(s) from the list?</source>
        <translation>
            <numerusform>목록의 항목 %n개를 모두 삭제하시겠습니까?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>외 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them are hidden by the filter.</source>
        <translation>
            <numerusform>그중 %n개는 필터 때문에 숨겨져 있습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the %n selected item(s) from the list?</source>
        <translation>
            <numerusform>선택한 항목 %n개를 목록에서 삭제하시겠습니까?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tovalo::gui::ListFilterBar</name>
    <message>
        <source>%1 of %2</source>
        <translation>%2개 중 %1개</translation>
    </message>
    <message>
        <source>Fi&amp;lter:</source>
        <translation>필터(&amp;L):</translation>
    </message>
    <message>
        <source>Part of a path</source>
        <translation>경로의 일부</translation>
    </message>
    <message>
        <source>Shows only the items whose path contains this text (letter case is ignored). Esc empties it.</source>
        <translation>경로에 이 텍스트가 들어 있는 항목만 표시합니다(대/소문자 구분 안 함). Esc 키를 누르면 지워집니다.</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::MainTitle</name>
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
</context>
<context>
    <name>tovalo::gui::RunController</name>
    <message>
        <source>%1
  writes into %2 as %3 does, with other values of: %4</source>
        <translation>%1
  %3과(와) 같은 %2에 출력하지만 다음 옵션의 값이 다릅니다: %4</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more item(s).</source>
        <translation>
            <numerusform>... 외 %n개 항목.</numerusform>
        </translation>
    </message>
    <message>
        <source>dpct keeps the options of a migration in its out-root folder and refuses (exit code -37) a later migration into the same folder with other values of the options it compares. These items would be refused:%1

Give them the same options, another --out-root, or --no-incremental-migration. Run anyway?</source>
        <translation>dpct는 마이그레이션 옵션을 out-root 폴더에 기록하며, 이후 같은 폴더로 마이그레이션할 때 비교 대상 옵션의 값이 다르면 마이그레이션을 거부합니다(종료 코드 -37). 다음 항목은 거부됩니다:%1

같은 옵션을 지정하거나, 다른 --out-root를 지정하거나, --no-incremental-migration을 사용하십시오. 그래도 변환하시겠습니까?</translation>
    </message>
    <message>
        <source>&amp;Run Anyway</source>
        <translation>그래도 변환(&amp;R)</translation>
    </message>
    <message>
        <source>console %1</source>
        <translation>콘솔 %1</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::SingleInstance</name>
    <message>
        <source>Another Tovalo is running but does not answer.</source>
        <translation>다른 Tovalo가 실행 중이지만 응답하지 않습니다.</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::SourceOpener</name>
    <message>
        <source>The file %1 does not exist (any more).</source>
        <translation>파일 %1이(가) 없습니다(삭제되었을 수 있음).</translation>
    </message>
    <message>
        <source>No program is set up to open %1.</source>
        <translation>%1을(를) 열 프로그램이 설정되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>The editor %1 could not be started.</source>
        <translation>편집기 %1을(를) 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>The editor command has an unclosed double quote.</source>
        <translation>편집기 명령에 닫히지 않은 큰따옴표가 있습니다.</translation>
    </message>
    <message>
        <source>The editor command is empty.</source>
        <translation>편집기 명령이 비어 있습니다.</translation>
    </message>
    <message>
        <source>%1 is not an absolute path.</source>
        <translation>%1은(는) 절대 경로가 아닙니다.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1은(는) 파일이 아닙니다.</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::ReportExport</name>
    <message>
        <source>Migration report</source>
        <translation>마이그레이션 보고서</translation>
    </message>
    <message>
        <source>Made %1</source>
        <translation>작성 일시: %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>요약</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>항목</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>변환 성공</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>변환 실패</translation>
    </message>
    <message>
        <source>Syntax errors</source>
        <translation>구문 오류</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>변환 안 됨</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>진단</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>총 시간</translation>
    </message>
    <message>
        <source>Median time per item</source>
        <translation>항목당 시간(중앙값)</translation>
    </message>
    <message>
        <source>dpct version</source>
        <translation>dpct 버전</translation>
    </message>
    <message>
        <source>Codebase</source>
        <translation>코드베이스</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Items by status</source>
        <translation>상태별 항목</translation>
    </message>
    <message>
        <source>Diagnostics by code</source>
        <translation>코드별 진단</translation>
    </message>
    <message>
        <source>%1 other codes</source>
        <translation>기타 코드 %1개</translation>
    </message>
    <message>
        <source>dpct reported no diagnostics.</source>
        <translation>dpct가 보고한 진단이 없습니다.</translation>
    </message>
    <message>
        <source>Diagnostic codes</source>
        <translation>진단 코드</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>코드</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>개수</translation>
    </message>
    <message>
        <source>Items affected</source>
        <translation>영향받은 항목</translation>
    </message>
    <message>
        <source>First message</source>
        <translation>첫 메시지</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>참조</translation>
    </message>
    <message>
        <source>Read about %1</source>
        <translation>%1 설명 보기</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>경로</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Exit code</source>
        <translation>종료 코드</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>%1 diagnostics</source>
        <translation>진단 %1개</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>필터</translation>
    </message>
    <message>
        <source>path, status or code</source>
        <translation>경로, 상태 또는 코드</translation>
    </message>
    <message>
        <source>%1 of %2 items shown</source>
        <translation>항목 %2개 중 %1개 표시</translation>
    </message>
    <message>
        <source>Sort by this column</source>
        <translation>이 열로 정렬</translation>
    </message>
    <message>
        <source>Not run</source>
        <translation>실행 안 됨</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>변환 대기</translation>
    </message>
    <message>
        <source>Stopped while converting</source>
        <translation>변환 중 중지됨</translation>
    </message>
    <message>
        <source>Syntax error</source>
        <translation>구문 오류</translation>
    </message>
    <message>
        <source>,</source>
        <translation>,</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>밀리초</translation>
    </message>
    <message>
        <source>s</source>
        <translation>초</translation>
    </message>
    <message>
        <source>min</source>
        <translation>분</translation>
    </message>
    <message>
        <source>h</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>report</source>
        <translation>보고서</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>보고서 내보내기</translation>
    </message>
    <message>
        <source>HTML files (*.html);;All files (*)</source>
        <translation>HTML 파일 (*.html);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>Migration report: %1</source>
        <translation>마이그레이션 보고서: %1</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.
%2</source>
        <translation>보고서를 %1에 저장할 수 없습니다.
%2</translation>
    </message>
    <message>
        <source>The report was saved to %1, but no web browser could be started to show it.</source>
        <translation>보고서를 %1에 저장했지만 표시할 웹 브라우저를 시작할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::ImportDbDialog</name>
    <message>
        <source>Import Compilation Database</source>
        <translation>컴파일 데이터베이스 가져오기</translation>
    </message>
    <message>
        <source>Compilation &amp;database:</source>
        <translation>컴파일 데이터베이스(&amp;D):</translation>
    </message>
    <message>
        <source>&amp;In-root (optional):</source>
        <translation>--in-root(선택)(&amp;I):</translation>
    </message>
    <message>
        <source>O&amp;ut-root (optional):</source>
        <translation>--out-root(선택)(&amp;U):</translation>
    </message>
    <message>
        <source>compile_commands.json, or the folder that holds it</source>
        <translation>compile_commands.json 또는 그 파일이 있는 폴더</translation>
    </message>
    <message>
        <source>the deepest folder that holds every imported source</source>
        <translation>가져오는 모든 소스를 포함하는 가장 깊은 폴더</translation>
    </message>
    <message>
        <source>dpct_output beside the database</source>
        <translation>데이터베이스와 같은 폴더의 dpct_output</translation>
    </message>
    <message>
        <source>Take &amp;every entry, not only the CUDA translation units</source>
        <translation>CUDA 변환 단위뿐 아니라 모든 항목 가져오기(&amp;E)</translation>
    </message>
    <message>
        <source>Open the items as a &amp;new list</source>
        <translation>새 목록으로 열기(&amp;N)</translation>
    </message>
    <message>
        <source>Add the items to the &amp;active list</source>
        <translation>활성 목록에 추가(&amp;A)</translation>
    </message>
    <message>
        <source>Add the items to the &amp;active list (%1)</source>
        <translation>활성 목록(%1)에 추가(&amp;A)</translation>
    </message>
    <message>
        <source>Compilation databases (compile_commands.json *.json);;All files (*)</source>
        <translation>컴파일 데이터베이스 (compile_commands.json *.json);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>Choose the compilation database</source>
        <translation>컴파일 데이터베이스 선택</translation>
    </message>
    <message>
        <source>Choose the in-root folder</source>
        <translation>--in-root 폴더 선택</translation>
    </message>
    <message>
        <source>Choose the out-root folder</source>
        <translation>--out-root 폴더 선택</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CompileDbImporter</name>
    <message>
        <source>%1
The compilation database could not be imported: %2
No items were added.</source>
        <translation>%1
컴파일 데이터베이스를 가져올 수 없습니다: %2
항목을 추가하지 않았습니다.</translation>
    </message>
</context>
</TS>
