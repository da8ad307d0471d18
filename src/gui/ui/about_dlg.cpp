#include "ui/about_dlg.h"

#include "app/language_pack.h"
#include "controls/copyright_link.h"
#include "controls/list_colors.h"
#include "controls/static_tree_ctrl.h"
#include "controls/water_drop_ctrl.h"
#include "settings/settings.h"
#include "ui/run_controller.h"

#include <algorithm>

#include <QApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tovalo::gui {

QString AboutInfo::buildVersion()
{
    return QStringLiteral(TOVALO_PROGRAM_VERSION);
}

AboutInfo AboutInfo::current(const tovalo::Settings& settings, const RunController* runner)
{
    AboutInfo info;
    info.programFile = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    info.programVersion = buildVersion();
    for (int i = 0; i < kPackCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        info.packFiles[at] = LanguagePack::fileStem(i) + QStringLiteral(".qm");
        info.packVersions[at] = LanguagePack::versionText(i);
    }
    info.oneapiRoot = QString::fromStdString(settings.oneapiRoot);
    if (runner) {
        info.dpctVersion = runner->dpctVersion();
        info.dpctCodebase = runner->dpctCodebase();
    }
    info.localTime = QTime::currentTime();
    return info;
}

DaytimePicture DaytimePicture::forHour(int hour)
{
    struct Row
    {
        const char* resource;
        QColor caption;
        QColor shadow;
    };
    static const Row rows[] = {
        {":/daytime/0-night.png", QColor(255, 250, 250), QColor(169, 169, 169)},
        {":/daytime/1-dawn.png", QColor(250, 235, 215), QColor(169, 169, 169)},
        {":/daytime/2-morning.png", QColor(245, 255, 250), QColor(192, 192, 192)},
        {":/daytime/3-noon.png", QColor(148, 0, 211), QColor(192, 192, 192)},
        {":/daytime/4-afternoon.png", QColor(255, 250, 205), QColor(192, 192, 192)},
        {":/daytime/5-evening.png", QColor(107, 142, 35), QColor(192, 192, 192)},
    };
    const int index = std::clamp(hour, 0, 23) / 4;
    const Row& row = rows[index];
    return {index, QString::fromLatin1(row.resource), row.caption, row.shadow};
}

QString CAboutDlg::contactAddress()
{
    return QStringLiteral("mailto:tovalo@mossbank.example");
}

CAboutDlg::CAboutDlg(const AboutInfo& info, QWidget* parent) : QDialog(parent), info_(info)
{
    setObjectName(QStringLiteral("aboutDlg"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    icon_ = new QLabel(this);
    icon_->setObjectName(QStringLiteral("aboutIcon"));
    icon_->setPixmap(QPixmap(QStringLiteral(":/icons/tovalo.png"))
                         .scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("aboutTitle"));
    QFont bold = QApplication::font();
    bold.setBold(true);
    title_->setFont(bold);
    colorTitle();
    title_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    water_ = new CWaterDropCtrl(this);
    tree_ = new CStaticTreeCtrl(this);
    tree_->setObjectName(QStringLiteral("aboutVersionTree"));
    tree_->setSelectionBackground(QColor(176, 196, 222));
    tree_->setParentBackground(QColor(135, 206, 250));
    link_ = new CCopyrightLink(QString(), this);
    link_->setUrl(QUrl(contactAddress()));
    link_->setToolTip(contactAddress());

    auto* buttons = new QDialogButtonBox(this);
    buttons->setObjectName(QStringLiteral("aboutButtons"));
    close_ = buttons->addButton(QDialogButtonBox::Close);
    close_->setObjectName(QStringLiteral("aboutClose"));
    close_->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* head = new QHBoxLayout;
    head->addWidget(icon_);
    head->addWidget(title_, 1);
    auto* foot = new QHBoxLayout;
    foot->addWidget(link_, 1);
    foot->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(water_, 0, Qt::AlignHCenter);
    layout->addWidget(tree_, 1);
    layout->addLayout(foot);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    tree_->setFixedSize(384,
                        12 * tree_->lineHeight() + 2 * CStaticTreeCtrl::kMargin + 2 * tree_->frameWidth());

    picture_ = DaytimePicture::forHour(info_.localTime.isValid() ? info_.localTime.hour() : 0);
    retranslate();
    close_->setFocus();
}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::retranslate()
{
    setWindowTitle(tr("About Tovalo"));
    title_->setText(tr("Tovalo: a desktop front end for the dpct migration tool"));
    link_->setText(tr("Copyright © 2026 The Tovalo developers"));
    link_->setAccessibleName(link_->text());
    close_->setText(tr("Close"));
    // The picture restarts with the caption in the new language, unless the box is closing.
    if (water_->isRunning())
        water_->setPicture(QImage(picture_.resource),
                           tr("Intel® oneAPI DPC++ Compatibility Tool\nSupport application\n<< Tovalo >>"),
                           picture_.caption, picture_.shadow);
    fillVersions();
}

void CAboutDlg::fillVersions()
{
    const auto orNotInstalled = [](const QString& value) {
        return value.isEmpty() ? tr("not installed.") : value;
    };
    tree_->clear();
    CStaticTreeNode* app = tree_->addChildNode(nullptr, tr("[Application Version]"));
    CStaticTreeNode* line = tree_->addChildNode(app, QStringLiteral("%1: %2 (%3.%4)")
                                                         .arg(info_.programFile, info_.programVersion,
                                                              QString::fromLatin1(kBuildMarks[0]),
                                                              QString::fromLatin1(kBuildMarks[1])));
    for (std::size_t i = 0; i < info_.packFiles.size(); ++i)
        line = tree_->insertNodeAfter(
            line, QStringLiteral("%1: %2").arg(info_.packFiles[i], info_.packVersions[i]));

    CStaticTreeNode* dpct = tree_->insertNodeAfter(app, tr("[dpct Version]"));
    line = tree_->addChildNode(dpct, tr("Path : %1").arg(orNotInstalled(info_.oneapiRoot)));
    line = tree_->insertNodeAfter(line, tr("dpct version : %1").arg(orNotInstalled(info_.dpctVersion)));
    tree_->insertNodeAfter(line, tr("dpct codebase : %1").arg(orNotInstalled(info_.dpctCodebase)));
    tree_->selectFirstNode();
}

void CAboutDlg::done(int result)
{
    // Whatever closes the box, the still picture with its caption is what stays on screen.
    water_->showStill();
    QDialog::done(result);
}

void CAboutDlg::colorTitle()
{
    // Blue, made light or dark enough to read on the look's window colour (a dark look too).
    QPalette titlePalette = title_->palette();
    titlePalette.setColor(QPalette::WindowText,
                          readableOn(QColor(0, 0, 255), {palette().color(QPalette::Window)}));
    title_->setPalette(titlePalette);
}

void CAboutDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    else if (event->type() == QEvent::PaletteChange && title_)
        colorTitle();
    QDialog::changeEvent(event);
}

} // namespace tovalo::gui
