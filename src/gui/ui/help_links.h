#pragma once
// Where the Help menu leads: the user guide installed with the program and dpct's own
// documentation, and the one way both are opened (DesktopSeam), which tests replace.

#include <functional>

#include <QStringList>
#include <QUrl>

namespace tovalo::gui {

class DesktopSeam
{
public:
    using Opener = std::function<bool(const QUrl&)>;
    /// Opens `url` with the desktop's handler (QDesktopServices), or with the test's opener.
    static bool openUrl(const QUrl& url);
    /// Replaces the desktop's handler; an empty opener restores it.
    static void setOpener(Opener opener);
};

/// The places the user guide is looked for, in order: beside the program (build trees and
/// Windows), then the installed documentation folder (../share/doc/tovalo).
QStringList userGuideCandidates();
/// The first candidate that exists; empty when none does.
QString userGuidePath();
/// dpct's documentation on the web.
QUrl dpctDocumentationUrl();

} // namespace tovalo::gui
