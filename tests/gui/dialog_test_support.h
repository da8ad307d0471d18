#pragma once
// Dialogs in tests, header-only so that the suites of the controls use it without the window
// library: the dialog seam in test mode for a whole suite (a dialog that the running test did
// not queue an answer for fails that test and is cancelled instead of blocking it), the check
// that every queued answer was taken, and answering a modal dialog that has its own event loop.

#include "controls/commui/dialog_seam.h"

#include <functional>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

namespace testing_gui {

inline void failOnUnexpectedDialogs()
{
    tovalo::gui::DialogSeam::setTestMode(
        [](const QString& what) { QTest::qFail(qPrintable(what), __FILE__, __LINE__); });
}

/// Fails the running test when an answer it queued was not taken by a dialog; clears the queue
/// either way, so the next test starts without answers.
inline void checkEveryAnswerTaken()
{
    const int unused = tovalo::gui::DialogSeam::pendingAnswers();
    tovalo::gui::DialogSeam::clearAnswers();
    QCOMPARE(unused, 0);
}

/// Answers the next modal dialog (once it is open) with `answer`; a dialog that is still open
/// afterwards is rejected, so a failed check never leaves the test hanging.
inline void whenModal(const std::function<void(QDialog*)>& answer)
{
    QTimer::singleShot(0, qApp, [answer] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY2(dialog, "no modal dialog opened");
        answer(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

} // namespace testing_gui
