<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CTovaloApp</name>
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
</context>
<context>
    <name>tovalo::gui::CListDocument</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>CUDA file</source>
        <translation>CUDA file</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
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
        <translation>Converted NG</translation>
    </message>
    <message>
        <source>Syntax errors</source>
        <translation>Syntax errors</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CMainFrame</name>
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
        <source>&amp;Add cu Files to List...</source>
        <translation>&amp;Add cu Files to List...</translation>
    </message>
    <message>
        <source>Add CUDA files to the list
Add</source>
        <translation>Add CUDA files to the list
Add</translation>
    </message>
    <message>
        <source>&amp;Update Selected List Item...</source>
        <translation>&amp;Update Selected List Item...</translation>
    </message>
    <message>
        <source>Change the selected item
Update</source>
        <translation>Change the selected item
Update</translation>
    </message>
    <message>
        <source>&amp;Delete Selected List Item</source>
        <translation>&amp;Delete Selected List Item</translation>
    </message>
    <message>
        <source>Delete the selected item
Delete</source>
        <translation>Delete the selected item
Delete</translation>
    </message>
    <message>
        <source>Delete &amp;All Items...</source>
        <translation>Delete &amp;All Items...</translation>
    </message>
    <message>
        <source>Delete every item of the list
Delete All</source>
        <translation>Delete every item of the list
Delete All</translation>
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
        <translation>&amp;Settings...	F12</translation>
    </message>
    <message>
        <source>Change the settings
Settings</source>
        <translation>Change the settings
Settings</translation>
    </message>
    <message>
        <source>&amp;About Tovalo...</source>
        <translation>&amp;About Tovalo...</translation>
    </message>
    <message>
        <source>Show the program's version
About</source>
        <translation>Show the program's version
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
        <source>DEMO: simulated oneAPI toolkit</source>
        <translation>DEMO: simulated oneAPI toolkit</translation>
    </message>
    <message>
        <source>Intel® oneAPI DPC++ Compatibility Tool
Support App
&lt;&lt; Tovalo &gt;&gt;</source>
        <translation>Intel® oneAPI DPC++ Compatibility Tool
Support App
&lt;&lt; Tovalo &gt;&gt;</translation>
    </message>
    <message>
        <source>DEMO</source>
        <translation>DEMO</translation>
    </message>
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
        <translation>Definition file (*.txt);;All Files (*)</translation>
    </message>
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
        <translation>dpct conversion started</translation>
    </message>
    <message>
        <source>dpct converting...</source>
        <translation>dpct converting...</translation>
    </message>
    <message>
        <source>dpct run paused</source>
        <translation>dpct run paused</translation>
    </message>
    <message>
        <source>dpct ver: %1</source>
        <translation>dpct ver: %1</translation>
    </message>
    <message>
        <source>"Intel®  oneAPI DPC++ Compatibility Tool" Support App
Do you really want to quit?</source>
        <translation>"Intel®  oneAPI DPC++ Compatibility Tool" Support App
Do you really want to quit?</translation>
    </message>
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
        <source>Tovalo %1
A front end for the dpct migration tool.

dpct: %2</source>
        <translation>Tovalo %1
A front end for the dpct migration tool.

dpct: %2</translation>
    </message>
    <message>
        <source>(not known)</source>
        <translation>(not known)</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::SingleInstance</name>
    <message>
        <source>Another Tovalo is running but does not answer.</source>
        <translation>Another Tovalo is running but does not answer.</translation>
    </message>
</context>
</TS>