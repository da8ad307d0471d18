#include "ui/tool_option_page_general.h"

#include "controls/commui/dialog_seam.h"
#include "controls/commui/group_box.h"
#include "runner/run_capacity.h"
#include "settings/settings.h"
#include "ui/looks.h"
#include "ui/tool_option_prop.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tovalo::gui {

namespace {

/// The languages in settings order, each named in its own language (the same in every catalog).
QStringList languageNames()
{
    return {QString::fromUtf8("日本語"), QStringLiteral("English"), QString::fromUtf8("简体中文"),
            QString::fromUtf8("繁體中文"), QString::fromUtf8("한국어")};
}

/// The tab styles in stored order (index 0 to 5).
const char* const kTabStyles[] = {
    QT_TRANSLATE_NOOP("tovalo::gui::CToolOptionPageGeneral", "3D style"),
    QT_TRANSLATE_NOOP("tovalo::gui::CToolOptionPageGeneral", "Microsoft OneNote style"),
    QT_TRANSLATE_NOOP("tovalo::gui::CToolOptionPageGeneral", "Visual Studio 2005 style"),
    QT_TRANSLATE_NOOP("tovalo::gui::CToolOptionPageGeneral", "Style with tab labels"),
    QT_TRANSLATE_NOOP("tovalo::gui::CToolOptionPageGeneral", "Flat style with a horizontal scroll bar"),
    QT_TRANSLATE_NOOP("tovalo::gui::CToolOptionPageGeneral", "Rounded tab labels"),
};

} // namespace

CToolOptionPageGeneral::CToolOptionPageGeneral(Settings& settings, QWidget* parent)
    : QWidget(parent), settings_(settings)
{
    setObjectName(QStringLiteral("optionPageGeneral"));
    buildUi();
    retranslate();
    load();
}

QStringList CToolOptionPageGeneral::lookTexts()
{
    QStringList texts;
    for (const Look& look : looks()) {
        QString text = QCoreApplication::translate("tovalo::gui::MainCommands", look.menuText);
        // Without the mnemonic, also in the CJK form "(&A)"; "&&" stays a literal "&".
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        text.remove(QRegularExpression(QStringLiteral("\\s*\\(&[^&\\s]\\)")));
        text.remove(QLatin1Char('&'));
        text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
        texts.append(text);
    }
    return texts;
}

void CToolOptionPageGeneral::buildUi()
{
    languageLabel_ = new QLabel(this);
    languageLabel_->setObjectName(QStringLiteral("languageLabel"));
    language_ = new QComboBox(this);
    language_->setObjectName(QStringLiteral("languageCombo"));
    languageLabel_->setBuddy(language_);
    restartNote_ = new QLabel(this);
    restartNote_->setObjectName(QStringLiteral("restartNote"));
    QPalette notePalette = restartNote_->palette();
    notePalette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    restartNote_->setPalette(notePalette);

    lookLabel_ = new QLabel(this);

    lookLabel_->setObjectName(QStringLiteral("lookLabel"));
    look_ = new QComboBox(this);
    look_->setObjectName(QStringLiteral("lookCombo"));
    lookLabel_->setBuddy(look_);

    parallelLabel_ = new QLabel(this);
    parallelLabel_->setObjectName(QStringLiteral("parallelLabel"));
    parallel_ = new QSpinBox(this);
    parallel_->setObjectName(QStringLiteral("parallelSpin"));
    parallel_->setRange(kParallelAutomatic, kParallelMost);
    parallelLabel_->setBuddy(parallel_);

    // The tab mode check box switches the group below on and off; it stays outside the group
    // so that it is usable while the group is disabled.
    tabMode_ = new QCheckBox(this);
    tabMode_->setObjectName(QStringLiteral("tabModeCheck"));
    tabGroup_ = new CGroupBox(QString(), this);
    tabGroup_->setObjectName(QStringLiteral("tabGroup"));
    // Its controls are its children and follow its state; the siblings laid out around it
    // (whose places the layout decides later) are none of its business.
    tabGroup_->setFrozen(true);
    tabLocationLabel_ = new QLabel(tabGroup_);
    tabLocationLabel_->setObjectName(QStringLiteral("tabLocationLabel"));
    tabLocation_ = new QComboBox(tabGroup_);
    tabLocation_->setObjectName(QStringLiteral("tabLocationCombo"));
    tabLocationLabel_->setBuddy(tabLocation_);
    tabStyleLabel_ = new QLabel(tabGroup_);
    tabStyleLabel_->setObjectName(QStringLiteral("tabStyleLabel"));
    tabStyle_ = new QComboBox(tabGroup_);
    tabStyle_->setObjectName(QStringLiteral("tabStyleCombo"));
    tabStyleLabel_->setBuddy(tabStyle_);
    tabClose_ = new QCheckBox(tabGroup_);
    tabClose_->setObjectName(QStringLiteral("tabCloseCheck"));
    tabColor_ = new QCheckBox(tabGroup_);
    tabColor_->setObjectName(QStringLiteral("tabColorCheck"));

    auto* groupGrid = new QGridLayout(tabGroup_);
    groupGrid->addWidget(tabLocationLabel_, 0, 0);
    groupGrid->addWidget(tabLocation_, 0, 1);
    groupGrid->addWidget(tabStyleLabel_, 1, 0);
    groupGrid->addWidget(tabStyle_, 1, 1);
    groupGrid->addWidget(tabClose_, 2, 0, 1, 2);
    groupGrid->addWidget(tabColor_, 3, 0, 1, 2);
    groupGrid->setColumnStretch(1, 1);

    auto* grid = new QGridLayout;
    grid->addWidget(languageLabel_, 0, 0);
    grid->addWidget(language_, 0, 1);
    grid->addWidget(restartNote_, 0, 2);
    grid->addWidget(lookLabel_, 1, 0);
    grid->addWidget(look_, 1, 1, 1, 2);
    grid->addWidget(parallelLabel_, 2, 0);
    grid->addWidget(parallel_, 2, 1);
    grid->setColumnStretch(1, 1);

    auto* main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addSpacing(8);
    main->addWidget(tabMode_);
    main->addWidget(tabGroup_);
    main->addStretch(1);

    connect(tabMode_, &QCheckBox::toggled, this, &CToolOptionPageGeneral::updateTabGroup);

    setTabOrder(language_, look_);
    setTabOrder(look_, parallel_);
    setTabOrder(parallel_, tabMode_);
    setTabOrder(tabMode_, tabLocation_);
    setTabOrder(tabLocation_, tabStyle_);
    setTabOrder(tabStyle_, tabClose_);
    setTabOrder(tabClose_, tabColor_);
}

void CToolOptionPageGeneral::retranslate()
{
    languageLabel_->setText(tr("&Language:"));
    restartNote_->setText(tr("* Takes effect after a restart"));
    lookLabel_->setText(tr("&Application look:"));
    tabMode_->setText(tr("&Tab mode"));
    tabGroup_->setTitle(tr("Tabs"));
    tabLocationLabel_->setText(tr("Tab l&ocation:"));
    tabStyleLabel_->setText(tr("Tab &style:"));
    tabClose_->setText(tr("A &Close button on every tab"));
    tabColor_->setText(tr("A colou&r for every tab"));
    parallelLabel_->setText(tr("&Parallel conversions:"));
    parallel_->setSpecialValueText(tr("Automatic (%1)").arg(automaticConsoleCount()));
    parallel_->setToolTip(tr("How many dpct runs go on side by side. Automatic: one per logical processor, "
                             "at most one per 2 GiB of available memory. Items that write into the same "
                             "out-root folder never run at the same time."));

    const auto refill = [](QComboBox* combo, const QStringList& texts) {
        for (int i = 0; i < combo->count() && i < texts.size(); ++i)
            combo->setItemText(i, texts.at(i));
    };
    refill(tabLocation_, {tr("Bottom"), tr("Top")});
    QStringList styles;
    for (const char* style : kTabStyles)
        styles.append(tr(style));
    refill(tabStyle_, styles);
    refill(look_, lookTexts());
}

void CToolOptionPageGeneral::load()
{
    const QStringList languages = languageNames();
    language_->addItems(languages);
    language_->setCurrentIndex(
        settings_.language >= 0 && settings_.language < languages.size() ? settings_.language : -1);

    const auto& tabs = settings_.tabMode;
    tabLocation_->addItems({tr("Bottom"), tr("Top")});
    tabLocation_->setCurrentIndex(tabs[kTabLocation] == 0 ? 0 : 1);
    for (const char* style : kTabStyles)
        tabStyle_->addItem(tr(style));
    const int style = tabs[kTabStyle];
    tabStyle_->setCurrentIndex(style >= 0 && style < tabStyle_->count() ? style : 0);
    tabClose_->setChecked(tabs[kTabActiveCloseButton] == 1);
    tabColor_->setChecked(tabs[kTabAutoColor] == 1);
    tabMode_->setChecked(tabs[kTabMdiOn] == 1);
    updateTabGroup();

    const QStringList texts = lookTexts();
    int current = -1;
    for (std::size_t i = 0; i < looks().size(); ++i) {
        look_->addItem(texts.at(static_cast<int>(i)), looks()[i].id);
        if (looks()[i].id == settings_.applicationLook)
            current = static_cast<int>(i);
    }
    look_->setCurrentIndex(current);
    parallel_->setValue(settings_.parallelConversions);
}

void CToolOptionPageGeneral::updateTabGroup()
{
    tabGroup_->setEnabled(tabMode_->isChecked());
    tabMode_->setEnabled(true);
}

unsigned CToolOptionPageGeneral::apply()
{
    unsigned changes = 0;

    const int language = language_->currentIndex();
    if (language >= 0 && language < kLanguageCount && language != settings_.language) {
        settings_.language = language;
        changes |= CToolOptionProp::kLanguageChanged;
        DialogSeam::message(this, 728, QMessageBox::Information,
                            tr("The changed language setting takes effect at the next start."));
    }

    auto& tabs = settings_.tabMode;
    const auto store = [&](int field, int value) {
        if (tabs[static_cast<std::size_t>(field)] != value) {
            tabs[static_cast<std::size_t>(field)] = value;
            changes |= CToolOptionProp::kTabsChanged;
        }
    };
    store(kTabMdiOn, tabMode_->isChecked() ? 1 : 0);
    if (tabLocation_->currentIndex() >= 0)
        store(kTabLocation, tabLocation_->currentIndex());
    if (tabStyle_->currentIndex() >= 0)
        store(kTabStyle, tabStyle_->currentIndex());
    store(kTabActiveCloseButton, tabClose_->isChecked() ? 1 : 0);
    store(kTabAutoColor, tabColor_->isChecked() ? 1 : 0);

    if (parallel_->value() != settings_.parallelConversions) {
        settings_.parallelConversions = parallel_->value();
        changes |= CToolOptionProp::kParallelChanged;
    }

    if (look_->currentIndex() >= 0) {
        const int look = look_->currentData().toInt();
        if (look != settings_.applicationLook) {
            settings_.applicationLook = look;
            changes |= CToolOptionProp::kLookChanged;
        }
    }
    return changes;
}

void CToolOptionPageGeneral::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace tovalo::gui
