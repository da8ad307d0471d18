#pragma once
// Command identifiers of the menus, toolbar and accelerators. They are kept on each QAction as
// the "commandId" property, so that tests and the language packs can refer to one command by
// the same number everywhere.

namespace tovalo::gui::cmd {

inline constexpr int New = 32771;
inline constexpr int Open = 32772;
inline constexpr int Save = 32773;
inline constexpr int SaveAs = 32774;
inline constexpr int AddItem = 32775;
inline constexpr int UpdateItem = 32776;
inline constexpr int DeleteItem = 32777;
inline constexpr int DeleteAll = 32778;
inline constexpr int Start = 32779;
inline constexpr int Stop = 32780;
inline constexpr int PauseResume = 32781;
inline constexpr int Options = 32782;
inline constexpr int RecentPlaceholder = 32783;
inline constexpr int RecentFirst = 32784;    ///< 32784 to 32799
inline constexpr int DpctDocs = 32850;       ///< Help: dpct's documentation (a web page)
inline constexpr int WindowNext = 32851;     ///< Window: activate the next document window
inline constexpr int WindowPrevious = 32852; ///< Window: activate the previous document window
inline constexpr int WindowCloseAll = 32853; ///< Window: close every document window
inline constexpr int MoveItemUp = 32810;
inline constexpr int MoveItemDown = 32811;
inline constexpr int RerunFailed = 32800;     ///< convert again only the items whose last result was not OK
inline constexpr int Diagnostics = 32801;     ///< the diagnostics view of the active document
inline constexpr int ExportCsv = 32802;       ///< the last run's results as CSV
inline constexpr int ExportJson = 32803;      ///< the last run's results as JSON
inline constexpr int ConvertSelected = 32804; ///< convert only the list's selected items
inline constexpr int ExportReport = 32805;    ///< the last run's results as an HTML report
inline constexpr int ImportCompileDb = 32860; ///< File: a list from a compilation database
inline constexpr int Close = 57602;
inline constexpr int Undo = 57643;
inline constexpr int Redo = 57644;
inline constexpr int NewWindow = 57648;
inline constexpr int WindowCascade = 57650;
inline constexpr int WindowTile = 57651;
inline constexpr int About = 57664;
inline constexpr int UserGuide = 57667; ///< Help: the program's user guide
inline constexpr int Exit = 57665;
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;

} // namespace tovalo::gui::cmd
