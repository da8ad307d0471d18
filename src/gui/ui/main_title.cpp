#include "ui/main_title.h"

#include "ui/document_window.h"
#include "ui/main_frame.h"

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
    if (demo_)
        app += QStringLiteral(" [") + tr("DEMO") + QLatin1Char(']');
    if (!runProgress_.isEmpty())
        app = QStringLiteral("[%1] ").arg(runProgress_) + app;
    QString title = app;
    QMdiArea* area = frame_.mdiArea();
    QMdiSubWindow* sub = area->currentSubWindow();
    const bool qtAddsName = sub && sub->isMaximized() && area->viewMode() == QMdiArea::SubWindowView;
    if (qtAddsName &&
        frame_.windowTitle() == app + QStringLiteral(" - [") + sub->windowTitle() + QLatin1Char(']'))
        return;
    if (DocumentWindow* doc = frame_.activeDocument(); doc && !qtAddsName)
        title = doc->windowTitle() + QStringLiteral(" - ") + app;
    frame_.setWindowTitle(title);
}

} // namespace tovalo::gui
