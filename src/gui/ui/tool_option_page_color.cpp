#include "ui/tool_option_page_color.h"

#include "controls/color_picker.h"
#include "controls/commui/group_box.h"
#include "controls/list_colors.h"
#include "controls/static_tree_ctrl.h"
#include "settings/settings.h"
#include "ui/tool_option_prop.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tovalo::gui {

namespace {

constexpr std::uint32_t kAutomatic = ListColors::kAutomatic;

struct Group
{
    const char* title;
    std::vector<const char*> items;
};

/// The groups and their lines; the order of the lines is the slot order.
const std::vector<Group>& groups()
{
    static const std::vector<Group> table = {
        {QT_TRANSLATE_NOOP("tovalo::gui::CToolOptionPageColor", "Item list"),
         {QT_TRANSLATE_NOOP("tovalo::gui::CToolOptionPageColor", "Row text"),
          QT_TRANSLATE_NOOP("tovalo::gui::CToolOptionPageColor", "Row background"),
          QT_TRANSLATE_NOOP("tovalo::gui::CToolOptionPageColor", "Status \"Converting\": text"),
          QT_TRANSLATE_NOOP("tovalo::gui::CToolOptionPageColor", "Status \"Syntax errors\": text"),
          QT_TRANSLATE_NOOP("tovalo::gui::CToolOptionPageColor", "Status \"Converted OK\": text"),
          QT_TRANSLATE_NOOP("tovalo::gui::CToolOptionPageColor", "Status \"Failed\": text")}},
        {QT_TRANSLATE_NOOP("tovalo::gui::CToolOptionPageColor", "Conversion result window"),
         {QT_TRANSLATE_NOOP("tovalo::gui::CToolOptionPageColor", "Text"),
          QT_TRANSLATE_NOOP("tovalo::gui::CToolOptionPageColor", "Background")}},
        {QT_TRANSLATE_NOOP("tovalo::gui::CToolOptionPageColor", "Output window"),
         {QT_TRANSLATE_NOOP("tovalo::gui::CToolOptionPageColor", "Text"),
          QT_TRANSLATE_NOOP("tovalo::gui::CToolOptionPageColor", "Background")}},
    };
    return table;
}

std::uint64_t itemData(int slot, std::uint32_t color)
{
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(slot)) << 32) | color;
}

} // namespace

CToolOptionPageColor::CToolOptionPageColor(Settings& settings, QWidget* parent)
    : QWidget(parent), settings_(settings)
{
    setObjectName(QStringLiteral("optionPageColor"));
    for (std::size_t i = 0; i < baseline_.size(); ++i)
        baseline_[i] = settings_.colors[i];
    buildUi();
    buildTree();
    retranslate();
    // The first group line is selected; the page shows it at once (the tree tells nothing).
    tree_->selectFirstNode();
    selectionChanged(nullptr);
}

void CToolOptionPageColor::buildUi()
{
    tree_ = new CStaticTreeCtrl(this);
    tree_->setObjectName(QStringLiteral("colorTree"));
    tree_->setMinimumSize(260, 300);

    colorGroup_ = new CGroupBox(QString(), this);
    colorGroup_->setObjectName(QStringLiteral("colorGroup"));
    // Its controls are its children and follow its state; the siblings laid out around it
    // (whose places the layout decides later) are none of its business.
    colorGroup_->setFrozen(true);
    colorLabel_ = new QLabel(colorGroup_);
    colorLabel_->setObjectName(QStringLiteral("colorLabel"));
    picker_ = new CColorPicker(colorGroup_);
    picker_->setObjectName(QStringLiteral("colorPicker"));
    colorLabel_->setBuddy(picker_);
    auto* groupRow = new QHBoxLayout(colorGroup_);
    groupRow->addWidget(colorLabel_);
    groupRow->addWidget(picker_, 1);

    undo_ = new QPushButton(this);
    undo_->setObjectName(QStringLiteral("undoButton"));
    undoAll_ = new QPushButton(this);
    undoAll_->setObjectName(QStringLiteral("undoAllButton"));
    reset_ = new QPushButton(this);
    reset_->setObjectName(QStringLiteral("resetButton"));
    for (QPushButton* b : {undo_, undoAll_, reset_})
        b->setAutoDefault(false);

    auto* side = new QVBoxLayout;
    side->addWidget(colorGroup_);
    side->addSpacing(8);
    side->addWidget(undo_);
    side->addWidget(undoAll_);
    side->addWidget(reset_);
    side->addStretch(1);

    auto* main = new QHBoxLayout(this);
    main->addWidget(tree_, 1);
    main->addLayout(side);

    connect(tree_, &CStaticTreeCtrl::selectionChanged, this, &CToolOptionPageColor::selectionChanged);
    connect(picker_, &CColorPicker::colorChosen, this, &CToolOptionPageColor::colorChosen);
    connect(undo_, &QPushButton::clicked, this, &CToolOptionPageColor::undoLine);
    connect(undoAll_, &QPushButton::clicked, this, &CToolOptionPageColor::undoAll);
    connect(reset_, &QPushButton::clicked, this, &CToolOptionPageColor::resetAll);

    setTabOrder(tree_, picker_);
    setTabOrder(picker_, undo_);
    setTabOrder(undo_, undoAll_);
    setTabOrder(undoAll_, reset_);
}

void CToolOptionPageColor::buildTree()
{
    CStaticTreeNode* previousGroup = nullptr;
    int slot = 0;
    for (const Group& g : groups()) {
        CStaticTreeNode* group = previousGroup ? tree_->insertNodeAfter(previousGroup, tr(g.title))
                                               : tree_->addChildNode(nullptr, tr(g.title));
        groups_.push_back(group);
        CStaticTreeNode* previous = nullptr;
        for (const char* item : g.items) {
            CStaticTreeNode* line =
                previous ? tree_->insertNodeAfter(previous, tr(item)) : tree_->addChildNode(group, tr(item));
            line->setItemData(itemData(slot, baseline_[static_cast<std::size_t>(slot)]));
            lines_.push_back(line);
            previous = line;
            ++slot;
        }
        previousGroup = group;
    }
}

void CToolOptionPageColor::retranslate()
{
    colorGroup_->setTitle(QString());
    colorLabel_->setText(tr("C&olour:"));
    undo_->setText(tr("&Undo"));
    undoAll_->setText(tr("Undo &all"));
    reset_->setText(tr("&Reset to the initial colours"));
    std::size_t line = 0;
    for (std::size_t g = 0; g < groups().size() && g < groups_.size(); ++g) {
        tree_->setNodeText(groups_[g], tr(groups()[g].title));
        for (const char* item : groups()[g].items) {
            if (line < lines_.size())
                tree_->setNodeText(lines_[line], tr(item));
            ++line;
        }
    }
}

CStaticTreeNode* CToolOptionPageColor::line(int slot) const
{
    if (slot < 0 || slot >= static_cast<int>(lines_.size()))
        return nullptr;
    return lines_[static_cast<std::size_t>(slot)];
}

std::uint32_t CToolOptionPageColor::lineColor(const CStaticTreeNode* line)
{
    return line ? static_cast<std::uint32_t>(line->itemData() & 0xFFFFFFFFu) : kAutomatic;
}

int CToolOptionPageColor::lineSlot(const CStaticTreeNode* line)
{
    return line ? static_cast<int>(line->itemData() >> 32) : -1;
}

QColor CToolOptionPageColor::displayColor(const CStaticTreeNode* line) const
{
    const std::uint32_t color = lineColor(line);
    if (color == kAutomatic)
        return ListColors::automaticColor(static_cast<ListColors::Slot>(lineSlot(line)), palette());
    return ListColors::fromColorRef(color);
}

CStaticTreeNode* CToolOptionPageColor::selectedLine() const
{
    CStaticTreeNode* node = tree_->selectedNode();
    if (!node || node->hasChildren())
        return nullptr;
    return node;
}

void CToolOptionPageColor::setLineColor(CStaticTreeNode* line, std::uint32_t color)
{
    line->setItemData(itemData(lineSlot(line), color));
}

void CToolOptionPageColor::showLine(CStaticTreeNode* line)
{
    const int slot = lineSlot(line);
    undo_->setEnabled(lineColor(line) != settings_.colors[static_cast<std::size_t>(slot)]);
    const std::uint32_t color = lineColor(line);
    picker_->setAutomaticColor(displayColor(line));
    picker_->setColor(color == kAutomatic ? QColor() : ListColors::fromColorRef(color));
}

void CToolOptionPageColor::selectionChanged(CStaticTreeNode* leaf)
{
    if (!leaf) {
        // A group line (or nothing) takes no colour.
        colorGroup_->setEnabled(false);
        undo_->setEnabled(false);
        return;
    }
    colorGroup_->setEnabled(true);
    showLine(leaf);
}

void CToolOptionPageColor::colorChosen(const QColor& color)
{
    CStaticTreeNode* line = selectedLine();
    if (!line)
        return;
    setLineColor(line, color.isValid() ? ListColors::toColorRef(color) : kAutomatic);
    showLine(line);
}

void CToolOptionPageColor::undoLine()
{
    CStaticTreeNode* line = selectedLine();
    if (!line)
        return;
    setLineColor(line, baseline_[static_cast<std::size_t>(lineSlot(line))]);
    showLine(line);
}

void CToolOptionPageColor::undoAll()
{
    for (CStaticTreeNode* line : lines_)
        setLineColor(line, baseline_[static_cast<std::size_t>(lineSlot(line))]);
    undoLine();
}

void CToolOptionPageColor::resetAll()
{
    baseline_.fill(kAutomatic);
    for (CStaticTreeNode* line : lines_)
        setLineColor(line, kAutomatic);
    undoLine();
}

unsigned CToolOptionPageColor::apply()
{
    unsigned changes = 0;
    for (CStaticTreeNode* line : lines_) {
        const auto slot = static_cast<std::size_t>(lineSlot(line));
        if (slot < settings_.colors.size() && lineColor(line) != settings_.colors[slot]) {
            settings_.colors[slot] = lineColor(line);
            changes |= CToolOptionProp::kColorsChanged;
        }
    }
    return changes;
}

void CToolOptionPageColor::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace tovalo::gui
