#pragma once
// OutputHeightKeeper: keeps the output pane (a dock widget at the bottom of the main window) at
// the height the user gave it. The pane's height counts as the user's when it changes while the
// window keeps its size (a dragged separator), not when the window itself is resized. After a
// shrink and a maximise the dock layout may have left the pane at its minimum; once the layout
// has settled the pane gets the user's height back, as far as the window leaves the documents
// above it a usable share.
//
// It watches the resize events of the window and of the pane, and goes with the pane.

#include <QObject>
#include <QSize>

class QDockWidget;
class QMainWindow;

namespace tovalo::gui {

class OutputHeightKeeper : public QObject
{
    Q_OBJECT
public:
    OutputHeightKeeper(QMainWindow& window, QDockWidget& pane);

    /// The pane's height the user chose.
    int height() const { return height_; }
    /// Gives the pane `height` (a remembered one) as the user's height.
    void restore(int height);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Gives the pane the user's height back where the layout left it less.
    void settle();

    static constexpr int kMinDocumentHeight = 160; ///< kept for the documents above the pane
    QMainWindow& window_;
    QDockWidget& pane_;
    int height_ = 220;
    QSize windowSizeAtPaneResize_;
    bool restoring_ = false; ///< the pane's resize is ours, not the user's
};

} // namespace tovalo::gui
