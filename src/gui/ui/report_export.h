#pragma once
// ReportExport: File > Export Report: the active list's last results as the migration report
// (one self-contained HTML page, built by the core), with its fixed texts in the interface
// language, written atomically and then opened in the web browser (DesktopSeam). Failures are
// told in message boxes.

#include "report/report_html.h"

#include <QObject>
#include <QString>

class QWidget;

namespace tovalo {
class DefinitionDocument;
struct Settings;
} // namespace tovalo

namespace tovalo::gui {

class ReportExport : public QObject
{
    Q_OBJECT
public:
    /// The report's fixed texts in the interface language; `language` is the settings' language
    /// index (it gives the page's language tag).
    static ReportWords words(int language);

    /// Asks for a file name (beside the results exported last), writes the report of
    /// `document`'s items there and opens it in the browser. True when written (an opener that
    /// fails is told, the file stays).
    static bool run(DefinitionDocument& document, Settings& settings, QWidget* window);
};

} // namespace tovalo::gui
