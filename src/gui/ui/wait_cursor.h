#pragma once
// WaitCursor: the wait cursor for the life of the object (a scope that may take a while).

#include <QApplication>

namespace tovalo::gui {

class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace tovalo::gui
