#pragma once
// CGroupBox: a group box that passes its enabled and shown state on to the sibling controls that
// lie inside its rectangle (the controls are not its children; they are laid out over it by the
// parent). Used where a dialog disables or hides a whole framed group with one call.
//
// Switches (all off by default):
//  - include partial: controls with only a corner inside the box are affected too;
//  - follow z-order: only the siblings stacked after the box are looked at, and the walk stops
//    at the first one that lies outside;
//  - frozen: the box passes nothing on.
// Moving the box does not move the controls.

#include <QGroupBox>
#include <QList>

namespace tovalo::gui {

class CGroupBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit CGroupBox(const QString& title = QString(), QWidget* parent = nullptr);

    void setIncludePartial(bool on) { includePartial_ = on; }
    void setFollowZOrder(bool on) { followZOrder_ = on; }
    void setFrozen(bool on) { frozen_ = on; }

    /// The sibling controls that enable and show operations of the box reach.
    QList<QWidget*> affectedControls() const;

    /// Shows or hides the box and, unless frozen, the controls inside it.
    void setVisible(bool visible) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    bool includePartial_ = false;
    bool followZOrder_ = false;
    bool frozen_ = false;
};

} // namespace tovalo::gui
