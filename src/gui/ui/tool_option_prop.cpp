#include "ui/tool_option_prop.h"

#include "settings/settings.h"
#include "ui/main_frame.h"
#include "ui/message_box.h"
#include "ui/run_controller.h"
#include "ui/tool_option_page_color.h"
#include "ui/tool_option_page_general.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tovalo::gui {

namespace {

int g_lastPage = CToolOptionProp::kGeneralPage;

// A change bit names the settings group that holds the setting, so the mask selects what to save.
static_assert(unsigned{CToolOptionProp::kLookChanged} == unsigned{kSaveLook});
static_assert(unsigned{CToolOptionProp::kLanguageChanged} == unsigned{kSaveLanguage});
static_assert(unsigned{CToolOptionProp::kTabsChanged} == unsigned{kSaveTabMode});
static_assert(unsigned{CToolOptionProp::kColorsChanged} == unsigned{kSaveColors});
static_assert(unsigned{CToolOptionProp::kParallelChanged} == unsigned{kSaveParallel});

} // namespace

CToolOptionProp::CToolOptionProp(Settings& settings, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("toolOptionProp"));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("optionTabs"));
    general_ = new CToolOptionPageGeneral(settings, tabs_);
    color_ = new CToolOptionPageColor(settings, tabs_);
    tabs_->addTab(general_, QString());
    tabs_->addTab(color_, QString());
    tabs_->setCurrentIndex(g_lastPage);
    connect(tabs_, &QTabWidget::currentChanged, this, [](int index) {
        if (index >= 0)
            g_lastPage = index;
    });

    buttons_ = new QDialogButtonBox(this);
    buttons_->setObjectName(QStringLiteral("buttonBox"));
    ok_ = buttons_->addButton(QDialogButtonBox::Ok);
    ok_->setObjectName(QStringLiteral("okButton"));
    cancel_ = buttons_->addButton(QDialogButtonBox::Cancel);
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    ok_->setDefault(true);
    connect(buttons_, &QDialogButtonBox::accepted, this, &CToolOptionProp::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &CToolOptionProp::reject);

    auto* main = new QVBoxLayout(this);
    main->addWidget(tabs_, 1);
    main->addWidget(buttons_);
    retranslate();
}

CToolOptionProp::~CToolOptionProp() = default;

int CToolOptionProp::lastPage()
{
    return g_lastPage;
}

void CToolOptionProp::resetLastPage()
{
    g_lastPage = kGeneralPage;
}

void CToolOptionProp::retranslate()
{
    setWindowTitle(tr("Options"));
    tabs_->setTabText(kGeneralPage, tr("Common"));
    tabs_->setTabText(kColorPage, tr("Colour settings"));
}

void CToolOptionProp::accept()
{
    changeMask_ = 0;
    changeMask_ |= general_->apply();
    changeMask_ |= color_->apply();
    QDialog::accept();
}

unsigned CToolOptionProp::run(CMainFrame& frame, Settings& settings, SettingsStore& store)
{
    if (!frame.runController()->isIdle())
        return 0;
    CToolOptionProp sheet(settings, &frame);
    if (sheet.exec() != QDialog::Accepted)
        return 0;
    applyChanges(frame, settings, store, sheet.changeMask());
    return sheet.changeMask();
}

void CToolOptionProp::applyChanges(CMainFrame& frame, Settings& settings, SettingsStore& store, unsigned mask)
{
    if (mask & kTabsChanged)
        frame.applyTabSettings();
    if (mask & kColorsChanged)
        frame.applyColors();
    if (mask & kLookChanged)
        frame.applyLook(settings.applicationLook);

    const unsigned groups = mask & (kSaveLanguage | kSaveTabMode | kSaveColors | kSaveParallel);
    if (groups == 0)
        return;
    std::string error;
    if (!saveSettings(store, settings, groups, error))
        MessageBox::error(&frame,
                          tr("The settings could not be saved:\n%1").arg(QString::fromStdString(error)));
}

void CToolOptionProp::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

} // namespace tovalo::gui
