#pragma once
// Puts the dialog seam into test mode for a whole suite: a dialog that the running test did not
// queue an answer for fails that test (and is cancelled instead of blocking it).

#include "controls/commui/dialog_seam.h"

#include <QTest>

namespace testing_gui {

inline void failOnUnexpectedDialogs()
{
    tovalo::gui::DialogSeam::setTestMode(
        [](const QString& what) { QTest::qFail(qPrintable(what), __FILE__, __LINE__); });
}

} // namespace testing_gui
