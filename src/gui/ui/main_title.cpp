#include "ui/main_title.h"

#include "ui/document_window.h"
#include "ui/main_frame.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace tovalo::gui {

MainTitle::MainTitle(CMainFrame& frame) : QObject(&frame), frame_(frame)
{
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &MainTitle::refresh);
}

void MainTitle::setDemo(bool demo)
{
    demo_ = demo;
    refresh();
}

void MainTitle::setRunProgress(const QString& progress)
{
    runProgress_ = progress;
    update();
}

void MainTitle::update()
{
    if (!timer_.isActive())
        timer_.start();
}

void MainTitle::refresh()
{
    QString app = tr("Intel® oneAPI DPC++ Compatibility Tool\nSupport App\n<< Tovalo >>");
    app.remove(QStringLiteral("<< ")).remove(QStringLiteral(" >>"));
    // A title bar holds one line: the line breaks become blanks.
    app.replace(QLatin1Char('\n'), QLatin1Char(' '));
    QString lead;
    if (!runProgress_.isEmpty())
        lead = QStringLiteral("[%1] ").arg(runProgress_);
    if (demo_)
        lead += QStringLiteral("[") + tr("DEMO") + QStringLiteral("] ");
    QString title;
    QMdiArea* area = frame_.mdiArea();
    QMdiSubWindow* sub = area->currentSubWindow();
    if (sub && sub->isMaximized() && area->viewMode() == QMdiArea::SubWindowView) {
        // A maximised sub-window writes " - [name]" after the title it finds (and again after
        // every change): the list's name is left to it, and the program's name to the window
        // system, which adds it to a title that does not end with it.
        QString program = app;
        const QString shown = QGuiApplication::applicationDisplayName();
        if (!shown.isEmpty() && program.endsWith(shown))
            program = program.chopped(shown.size()).trimmed();
        title = lead + program;
        if (frame_.windowTitle().startsWith(title) && frame_.windowTitle().contains(sub->windowTitle()))
            return;
    } else {
        // The program's name at the end, so that the window system does not add it again.
        title = lead + app;
        if (DocumentWindow* doc = frame_.activeDocument())
            title = lead + doc->windowTitle() + QStringLiteral(" - ") + app;
    }
    if (frame_.windowTitle() != title)
        frame_.setWindowTitle(title);
}

} // namespace tovalo::gui
