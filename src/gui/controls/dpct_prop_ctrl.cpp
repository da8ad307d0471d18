#include "controls/dpct_prop_ctrl.h"

#include "controls/option_help.h"
#include "data/common_options.h"
#include "data/option_table.h"

#include <algorithm>

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tovalo::gui {

using namespace tovalo;

namespace {

constexpr int kValueColumn = 1;
// Whether a value cell shows that the items on show differ.
constexpr int kMixedRole = Qt::UserRole + 2;

// Directory part (with its trailing separator) and file-name part of a path.
std::pair<std::string, std::string> splitPath(const std::string& path)
{
#ifdef Q_OS_WIN
    constexpr const char* kSeparators = "\\/:";
#else
    constexpr const char* kSeparators = "/";
#endif
    const std::size_t pos = path.find_last_of(kSeparators);
    if (pos == std::string::npos)
        return {std::string(), path};
    return {path.substr(0, pos + 1), path.substr(pos + 1)};
}

QString fromUtf8View(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The text a switched-on option shows.
QString optionValueText(const CDpctData& record, int slot)
{
    const OptionInfo& o = optionAt(slot);
    switch (o.kind) {
    case OptionKind::Switch:
        return QStringLiteral("TRUE");
    case OptionKind::Choice: {
        const auto entries = valueListEntries(o.valueList);
        const int index = record.choiceIndex(slot);
        if (index < 0 || static_cast<std::size_t>(index) >= entries.size())
            return QStringLiteral("-");
        return fromUtf8View(entries[static_cast<std::size_t>(index)]);
    }
    case OptionKind::Text:
        return QString::fromStdString(record.text(slot));
    }
    return {};
}

} // namespace

const std::array<int, kSlotCount>& CDpctPropCtrl::displayOrder()
{
    static const std::array<int, kSlotCount> order = [] {
        std::array<int, kSlotCount> o{kSlotDirName, kSlotFileName};
        std::copy(gridOrder().begin(), gridOrder().end(), o.begin() + kFirstOptionSlot);
        return o;
    }();
    return order;
}

CDpctPropCtrl::CDpctPropCtrl(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("dpctPropCtrl"));

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("dpctPropSplitter"));
    splitter->setChildrenCollapsible(false);

    grid_ = new QTreeWidget(splitter);
    grid_->setObjectName(QStringLiteral("dpctPropGrid"));
    grid_->setColumnCount(2);
    grid_->setHeaderHidden(true);
    grid_->setRootIsDecorated(true);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setUniformRowHeights(true);
    grid_->setAllColumnsShowFocus(true);
    grid_->setTextElideMode(Qt::ElideRight);
    grid_->header()->setStretchLastSection(true);
    grid_->header()->setSectionResizeMode(0, QHeaderView::Interactive);
    grid_->viewport()->installEventFilter(this);
    // The user may move the divider between names and values; the tool tips follow.
    connect(grid_->header(), &QHeaderView::sectionResized, this, [this](int section) {
        if (section == 0)
            updateNameTips();
    });

    auto* description = new QWidget(splitter);
    description->setObjectName(QStringLiteral("dpctPropDescription"));
    description->setAutoFillBackground(true);
    description->setBackgroundRole(QPalette::Window);
    auto* descLayout = new QVBoxLayout(description);
    descLayout->setContentsMargins(6, 4, 6, 4);
    descriptionName_ = new QLabel(description);
    descriptionName_->setObjectName(QStringLiteral("dpctPropDescriptionName"));
    descriptionName_->setTextFormat(Qt::PlainText);
    descriptionBody_ = new QLabel(description);
    descriptionBody_->setObjectName(QStringLiteral("dpctPropDescriptionText"));
    descriptionBody_->setTextFormat(Qt::PlainText);
    descriptionBody_->setWordWrap(true);
    descriptionBody_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    descLayout->addWidget(descriptionName_);
    descLayout->addWidget(descriptionBody_, 1);
    // Room for the name line and three lines of description; the splitter lets the user give more.
    description->setMinimumHeight(description->fontMetrics().lineSpacing() * 5 + 8);

    splitter->addWidget(grid_);
    splitter->addWidget(description);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    fileGroup_ = new QTreeWidgetItem(grid_);
    optionGroup_ = new QTreeWidgetItem(grid_);
    for (QTreeWidgetItem* group : {fileGroup_, optionGroup_}) {
        group->setFirstColumnSpanned(true);
        group->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    for (const int slot : displayOrder()) {
        auto* item = new QTreeWidgetItem(slot < kFirstOptionSlot ? fileGroup_ : optionGroup_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        rows_[static_cast<std::size_t>(slot)] = item;
    }
    grid_->expandAll();

    connect(grid_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { showDescription(current); });

    updateFonts();
    retranslate();
    Fill(nullptr);
}

CDpctPropCtrl::~CDpctPropCtrl() = default;

void CDpctPropCtrl::updateFonts()
{
    // The regular UI font, four pixels taller.
    QFont f = QWidget::font();
    int pixels = f.pixelSize();
    if (pixels <= 0)
        pixels = qRound(f.pointSizeF() * logicalDpiY() / 72.0);
    f.setPixelSize(pixels + 4);
    grid_->setFont(f);
    QFont bold = f;
    bold.setWeight(QFont::Bold);
    for (QTreeWidgetItem* group : {fileGroup_, optionGroup_})
        group->setFont(0, bold);
    descriptionName_->setFont(bold);
}

void CDpctPropCtrl::retranslate()
{
    fileGroup_->setText(0, tr("File"));
    optionGroup_->setText(0, tr("Conversion options"));
    for (int slot = 0; slot < kSlotCount; ++slot)
        rows_[static_cast<std::size_t>(slot)]->setText(0, optionRowName(slot));
    grid_->setAccessibleName(tr("Options of the selected item"));
    showDescription(grid_->currentItem());
}

void CDpctPropCtrl::showDescription(QTreeWidgetItem* item)
{
    const auto it = std::find(rows_.begin(), rows_.end(), item);
    if (!item || it == rows_.end()) {
        descriptionName_->setText(item ? item->text(0) : QString());
        descriptionBody_->clear();
        return;
    }
    const int slot = static_cast<int>(it - rows_.begin());
    descriptionName_->setText(item->text(0));
    descriptionBody_->setText(optionRowDescription(slot));
}

QString CDpctPropCtrl::descriptionText() const
{
    return descriptionName_->text() + QLatin1Char('\n') + descriptionBody_->text();
}

void CDpctPropCtrl::Fill(const CDpctData* item)
{
    if (item)
        shown_.copyOptionsOf(*item); // not its output: that can be tens of megabytes
    else
        shown_.reset();

    const auto [dir, file] = splitPath(shown_.path);
    setRow(kSlotDirName, false, QString::fromStdString(dir));
    setRow(kSlotFileName, false, QString::fromStdString(file));
    rows_[kSlotFileName]->setData(0, kEnabledRole, !file.empty());
    rows_[kSlotFileName]->setData(kValueColumn, kEnabledRole, !file.empty());

    for (int slot = kFirstOptionSlot; slot < kSlotCount; ++slot)
        setRow(slot, shown_.isChanged(slot), optionValueText(shown_, slot));

    // Colours follow the enabled state; recomputed in one pass so the palette is read once.
    const QColor enabledInk = palette().color(QPalette::Active, QPalette::Text);
    const QColor disabledInk = palette().color(QPalette::Disabled, QPalette::Text);
    for (QTreeWidgetItem* r : rows_) {
        const QBrush ink(r->data(0, kEnabledRole).toBool() ? enabledInk : disabledInk);
        r->setForeground(0, ink);
        r->setForeground(kValueColumn, ink);
    }
    updateNameTips();
    showDescription(grid_->currentItem());
}

QString CDpctPropCtrl::mixedText()
{
    return tr("(mixed)");
}

void CDpctPropCtrl::FillCommon(const std::vector<const CDpctData*>& items)
{
    const CommonOptions common = commonOptions(items);
    Fill(&common.shown);
    const auto mark = [this](int slot) {
        QTreeWidgetItem* r = rows_[static_cast<std::size_t>(slot)];
        r->setData(0, kEnabledRole, true);
        r->setData(kValueColumn, kEnabledRole, true);
        r->setText(kValueColumn, mixedText());
        r->setToolTip(kValueColumn, QString());
        r->setData(kValueColumn, kMixedRole, true);
        QFont f = r->font(kValueColumn);
        f.setItalic(true);
        r->setFont(kValueColumn, f);
        const QBrush ink(palette().color(QPalette::Active, QPalette::Text));
        r->setForeground(0, ink);
        r->setForeground(kValueColumn, ink);
    };
    const auto [dir, file] = splitPath(common.shown.path);
    bool sameDir = true;
    bool sameFile = true;
    for (const CDpctData* item : items) {
        const auto [d, f] = splitPath(item->path);
        sameDir = sameDir && d == dir;
        sameFile = sameFile && f == file;
    }
    if (!sameDir)
        mark(kSlotDirName);
    if (!sameFile)
        mark(kSlotFileName);
    for (int slot = kFirstOptionSlot; slot < kSlotCount; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        // An option on in some items and off in others, or on in all with different values.
        if (common.mixedOn[s] || (common.shown.isOn(slot) && common.mixedValue[s]))
            mark(slot);
    }
}

bool CDpctPropCtrl::isRowMixed(int slot) const
{
    const QTreeWidgetItem* r = row(slot);
    return r && r->data(kValueColumn, kMixedRole).toBool();
}

void CDpctPropCtrl::setRow(int slot, bool marked, const QString& text)
{
    QTreeWidgetItem* r = rows_[static_cast<std::size_t>(slot)];
    const bool on = shown_.isOn(slot);
    r->setData(0, kEnabledRole, on);
    r->setData(kValueColumn, kEnabledRole, on);
    r->setText(kValueColumn, on ? text : QStringLiteral("-"));
    r->setToolTip(kValueColumn, on ? text : QString());
    r->setData(kValueColumn, kMixedRole, false);
    QFont f = grid_->font();
    f.setWeight(marked ? QFont::Bold : QFont::Normal);
    r->setFont(0, f);
    r->setFont(kValueColumn, f);
}

QTreeWidgetItem* CDpctPropCtrl::row(int slot) const
{
    if (slot < 0 || slot >= kSlotCount)
        return nullptr;
    return rows_[static_cast<std::size_t>(slot)];
}

QString CDpctPropCtrl::valueText(int slot) const
{
    const QTreeWidgetItem* r = row(slot);
    return r ? r->text(kValueColumn) : QString();
}

bool CDpctPropCtrl::isRowEnabled(int slot) const
{
    const QTreeWidgetItem* r = row(slot);
    return r && r->data(0, kEnabledRole).toBool();
}

bool CDpctPropCtrl::isRowMarked(int slot) const
{
    const QTreeWidgetItem* r = row(slot);
    return r && r->font(0).weight() >= QFont::Bold;
}

int CDpctPropCtrl::valueRoom() const
{
    // About twelve characters of the grid's font, with the cell's margins.
    return grid_->fontMetrics().averageCharWidth() * 12 + 2 * cellMargin();
}

int CDpctPropCtrl::cellMargin() const
{
    return grid_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid_) + 1;
}

int CDpctPropCtrl::nameWidth(const QTreeWidgetItem* row, const QFont& font) const
{
    // The rows stand one level in, under their group.
    return 2 * grid_->indentation() + 2 * cellMargin() + QFontMetrics(font).horizontalAdvance(row->text(0));
}

void CDpctPropCtrl::fitColumns()
{
    const int width = grid_->viewport()->width();
    if (width <= 0)
        return;
    // The names take what they need when the values keep their room; in a pane too narrow for
    // both the names still get three fifths.
    const int room = std::max(width - valueRoom(), width * 3 / 5);
    grid_->header()->resizeSection(0, std::min(namesWidth(), room));
    updateNameTips();
}

int CDpctPropCtrl::namesWidth() const
{
    // Each name drawn bold (as a changed option is), so that marking a row does not cut it.
    int names = static_cast<const QAbstractItemView*>(grid_)->sizeHintForColumn(0);
    for (const QTreeWidgetItem* r : rows_) {
        if (!r)
            continue;
        QFont bold = r->font(0);
        bold.setWeight(QFont::Bold);
        names = std::max(names, nameWidth(r, bold));
    }
    return names;
}

int CDpctPropCtrl::preferredWidth() const
{
    return namesWidth() + valueRoom() + 2 * grid_->frameWidth() +
           grid_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid_);
}

void CDpctPropCtrl::updateNameTips()
{
    // A name cut short shows in full as its tool tip.
    const int column = grid_->header()->sectionSize(0);
    for (QTreeWidgetItem* r : rows_) {
        if (r) // all rows exist once the constructor has made them
            r->setToolTip(0, nameWidth(r, r->font(0)) > column ? r->text(0) : QString());
    }
}

bool CDpctPropCtrl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grid_->viewport() && event->type() == QEvent::Resize)
        fitColumns();
    return QWidget::eventFilter(watched, event);
}

void CDpctPropCtrl::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::LanguageChange:
        retranslate();
        fitColumns();
        break;
    case QEvent::FontChange:
    case QEvent::PaletteChange: {
        // Row fonts and colours are derived from the widget's; derive them again.
        updateFonts();
        const CDpctData copy = shown_;
        Fill(&copy);
        fitColumns();
        break;
    }
    default:
        break;
    }
}

} // namespace tovalo::gui
