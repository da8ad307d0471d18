#include "ui/output_height_keeper.h"

#include <algorithm>

#include <QDockWidget>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QTimer>

namespace tovalo::gui {

OutputHeightKeeper::OutputHeightKeeper(QMainWindow& window, QDockWidget& pane)
    : QObject(&pane), window_(window), pane_(pane)
{
    window_.installEventFilter(this);
    pane_.installEventFilter(this);
}

void OutputHeightKeeper::restore(int height)
{
    height_ = height;
    window_.resizeDocks({&pane_}, {height_}, Qt::Vertical);
}

bool OutputHeightKeeper::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Resize)
        return false;
    if (watched == &window_) {
        // Once the layout has settled.
        QTimer::singleShot(0, this, &OutputHeightKeeper::settle);
    } else if (watched == &pane_ && !restoring_ && !window_.isMinimized()) {
        if (window_.size() == windowSizeAtPaneResize_ && !pane_.isFloating() && pane_.height() > 0)
            height_ = pane_.height();
        windowSizeAtPaneResize_ = window_.size();
    }
    return false;
}

void OutputHeightKeeper::settle()
{
    if (pane_.isFloating() || !pane_.isVisible())
        return;
    const int room = window_.centralWidget()->height() + pane_.height();
    const int wanted = std::min(height_, room - kMinDocumentHeight);
    if (wanted > pane_.height() + 2) {
        // Applied at once, so that the pane's resize is known to be ours.
        restoring_ = true;
        window_.resizeDocks({&pane_}, {wanted}, Qt::Vertical);
        window_.layout()->activate();
        restoring_ = false;
    }
}

} // namespace tovalo::gui
