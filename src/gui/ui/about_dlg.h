#pragma once
// CAboutDlg: the modal about box. It shows a picture of the time of day that ripples under the
// mouse, with the product description written on it; a bold blue title line; a version report
// (the program with its build marks, the five language packs, the oneAPI folder and the dpct
// version and codebase); the notice line as a link with a contact address; and Close.
//
// Everything the box reports, and the local time that picks the picture, is handed in as an
// AboutInfo, so that the box shows what the caller (or a test) gives it. Closing the box, by
// any means, stops the water and leaves the still, captioned picture on screen.

#include <array>

#include <QColor>
#include <QDialog>
#include <QString>
#include <QTime>

class QLabel;
class QPushButton;

namespace tovalo {
struct Settings;
}

namespace tovalo::gui {

class CCopyrightLink;
class CStaticTreeCtrl;
class CStaticTreeNode;
class CWaterDropCtrl;
class RunController;

/// What the about box reports.
struct AboutInfo
{
    static constexpr int kPackCount = 5;

    QString programFile;                          ///< file name of the running program
    QString programVersion;                       ///< "major.minor.build"
    std::array<QString, kPackCount> packFiles;    ///< in the order Ja, En, Cn, Tw, Ko
    std::array<QString, kPackCount> packVersions; ///< "major.minor.build"; 65535.255.255 if absent
    QString oneapiRoot;                           ///< empty: oneAPI not installed
    QString dpctVersion;                          ///< empty until the runner has asked dpct
    QString dpctCodebase;                         ///< empty until the runner has asked dpct
    QTime localTime;                              ///< picks the picture

    /// The running program's report: its version from the build, the packs' from their files,
    /// oneAPI from the settings, dpct from the runner (may be null), the local time now.
    static AboutInfo current(const tovalo::Settings& settings, const RunController* runner);
    /// The program's version from the build, "major.minor.build".
    static QString buildVersion();
};

/// The picture and caption colours for an hour of the local day, one set per four hours.
struct DaytimePicture
{
    int index = 0;    ///< 0 (0:00 to 3:59) to 5 (20:00 to 23:59)
    QString resource; ///< the picture in the program's resources
    QColor caption;
    QColor shadow;

    static DaytimePicture forHour(int hour);
};

class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    /// The fixed build marks shown after the program's version.
    static constexpr const char* kBuildMarks[2] = {"20220127", "3270"};
    /// The link's contact address (its tool tip and where a click leads).
    static QString contactAddress();

    explicit CAboutDlg(const AboutInfo& info, QWidget* parent = nullptr);
    ~CAboutDlg() override;

    const DaytimePicture& picture() const { return picture_; }
    CWaterDropCtrl* pictureCtrl() const { return water_; }
    CStaticTreeCtrl* versionTree() const { return tree_; }
    CCopyrightLink* link() const { return link_; }
    QLabel* titleLabel() const { return title_; }
    QPushButton* closeButton() const { return close_; }

public Q_SLOTS:
    void done(int result) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void fillVersions();
    void colorTitle();

    AboutInfo info_;
    DaytimePicture picture_;
    QLabel* icon_ = nullptr;
    QLabel* title_ = nullptr;
    CWaterDropCtrl* water_ = nullptr;
    CStaticTreeCtrl* tree_ = nullptr;
    CCopyrightLink* link_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace tovalo::gui
