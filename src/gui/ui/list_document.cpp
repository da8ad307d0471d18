#include "list_document.h"

#include "dpct_result_ctrl.h"

#include "data/definition_file.h"
#include "data/dpct_data.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tovalo::gui {

CListDocument::CListDocument(QWidget* parent) : CDocumentWindow(parent)
{
    setObjectName(QStringLiteral("documentWindow"));
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("documentSplitter"));
    list_ = new QTreeWidget(splitter);
    list_->setObjectName(QStringLiteral("itemList"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels({tr("Status"), tr("CUDA file")});
    list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    result_ = new CDpctResultCtrl(splitter);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] {
        showItem(list_->indexOfTopLevelItem(list_->currentItem()));
        Q_EMIT stateChanged();
    });
    setWindowTitle(tr("Untitled"));
}

CListDocument::~CListDocument() = default;

bool CListDocument::loadDefinition(const QString& path, QString& error)
{
    const ReadResult read = readDefinitionFile(path.toStdString());
    if (!read.ok) {
        error = QString::fromStdString(read.error);
        return false;
    }
    items_.clear();
    for (const CDpctData& item : read.items)
        items_.push_back(std::make_unique<CDpctData>(item));
    path_ = path;
    setWindowTitle(QFileInfo(path).fileName());
    rebuildRows();
    Q_EMIT stateChanged();
    return true;
}

std::vector<CDpctData*> CListDocument::runItems()
{
    std::vector<CDpctData*> out;
    out.reserve(items_.size());
    for (const auto& item : items_)
        out.push_back(item.get());
    return out;
}

void CListDocument::runStarted()
{
    currentRow_ = items_.empty() ? -1 : 0;
    itemsChanged();
    if (currentRow_ >= 0) {
        list_->setCurrentItem(list_->topLevelItem(currentRow_));
        list_->scrollToItem(list_->topLevelItem(currentRow_));
    }
    Q_EMIT stateChanged();
}

void CListDocument::runAdvance(bool next)
{
    if (!next) {
        currentRow_ = -1;
        itemsChanged();
        Q_EMIT stateChanged();
        return;
    }
    if (currentRow_ < 0)
        return;
    currentRow_ = currentRow_ + 1 < rowCount() ? currentRow_ + 1 : -1;
    itemsChanged();
    if (currentRow_ >= 0) {
        list_->scrollToItem(list_->topLevelItem(currentRow_));
        showItem(currentRow_);
    }
    Q_EMIT stateChanged();
}

void CListDocument::itemsChanged()
{
    for (int row = 0; row < rowCount(); ++row)
        refreshRow(row);
    showItem(list_->indexOfTopLevelItem(list_->currentItem()));
}

void CListDocument::applyColors(const Settings& settings)
{
    result_->applyColors(settings);
}

void CListDocument::rebuildRows()
{
    list_->clear();
    for (const auto& item : items_) {
        auto* row = new QTreeWidgetItem(list_);
        row->setText(1, QString::fromStdString(item->path));
    }
    itemsChanged();
}

void CListDocument::refreshRow(int row)
{
    QTreeWidgetItem* line = list_->topLevelItem(row);
    if (!line)
        return;
    const CDpctData& item = *items_[static_cast<std::size_t>(row)];
    line->setText(0, statusText(static_cast<int>(item.status)));
    QFont font = line->font(1);
    font.setBold(row == currentRow_);
    line->setFont(0, font);
    line->setFont(1, font);
}

void CListDocument::showItem(int row)
{
    if (row < 0 || row >= rowCount()) {
        if (shownRow_ != -1)
            result_->setText({});
        shownRow_ = -1;
        return;
    }
    // Outputs only grow or are replaced as a whole: an unchanged size means nothing to show anew.
    const std::string& text = items_[static_cast<std::size_t>(row)]->resultText;
    if (row == shownRow_ && text.size() == shownSize_)
        return;
    shownRow_ = row;
    shownSize_ = text.size();
    result_->setText(text);
}

QString CListDocument::statusText(int status)
{
    switch (status) {
    case 1: return tr("Waiting");
    case 2: return tr("Converting");
    case 3: return tr("Converted OK");
    case 4: return tr("Converted NG");
    case 5: return tr("Syntax errors");
    default: return QStringLiteral(" ");
    }
}

} // namespace tovalo::gui
