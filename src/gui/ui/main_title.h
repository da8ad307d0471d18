#pragma once
// MainTitle: the main window's title: the active document's name, then the program's name,
// led by "[DEMO]" on the simulated toolkit and by the run's progress while a run is under way so
// that it shows in the task bar too. The title ends with the program's name, which the window
// system would add otherwise. A maximised sub-window adds " - [name]" to the title by itself
// (whenever the title changes: the main frame calls update() then); the title is then the
// program's name without the part the window system adds, so that the list is named once.
//
// The title follows once the document area has finished activating and maximising (a queued
// refresh), so that the state it reads is final. The main frame owns it.

#include <QObject>
#include <QString>
#include <QTimer>

namespace tovalo::gui {

class CMainFrame;

class MainTitle : public QObject
{
    Q_OBJECT
public:
    explicit MainTitle(CMainFrame& frame);

    /// Marks the program as running on the simulated toolkit; the title follows at once.
    void setDemo(bool demo);
    /// "done/total" of the run under way; empty when none is.
    void setRunProgress(const QString& progress);
    /// Refreshes the title once the events under way are handled.
    void update();
    /// Refreshes the title now.
    void refresh();

private:
    CMainFrame& frame_;
    QTimer timer_;
    bool demo_ = false;
    QString runProgress_;
};

} // namespace tovalo::gui
