#pragma once
// CListDocument: a plain document window that lists the items of a definition file with their
// run status, and shows the selected item's dpct output below. It owns its items.

#include "document_window.h"

#include <memory>
#include <vector>

class QTreeWidget;

namespace tovalo::gui {

class CDpctResultCtrl;

class CListDocument : public CDocumentWindow
{
    Q_OBJECT
public:
    explicit CListDocument(QWidget* parent = nullptr);
    ~CListDocument() override;

    QString filePath() const override { return path_; }
    bool loadDefinition(const QString& path, QString& error) override;
    bool hasList() const override { return list_ != nullptr; }
    int rowCount() const override { return static_cast<int>(items_.size()); }
    std::vector<CDpctData*> runItems() override;
    int currentRow() const override { return currentRow_; }
    void runStarted() override;
    void runAdvance(bool next) override;
    void itemsChanged() override;
    bool queryClose() override { return true; }
    void applyColors(const Settings& settings) override;

    QTreeWidget* list() const { return list_; }
    CDpctResultCtrl* resultCtrl() const { return result_; }

private:
    void rebuildRows();
    void refreshRow(int row);
    void showItem(int row);
    static QString statusText(int status);

    QString path_;
    std::vector<std::unique_ptr<CDpctData>> items_;
    int currentRow_ = -1;
    int shownRow_ = -2;          ///< row whose output the result log shows (-1 none)
    std::size_t shownSize_ = 0;  ///< size of that output when it was shown
    QTreeWidget* list_ = nullptr;
    CDpctResultCtrl* result_ = nullptr;
};

} // namespace tovalo::gui
