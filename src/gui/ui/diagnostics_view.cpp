#include "ui/diagnostics_view.h"

#include "controls/commui/dialog_seam.h"
#include "data/diagnostic.h"
#include "settings/settings.h"
#include "ui/source_opener.h"

#include <algorithm>
#include <map>
#include <set>

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tovalo::gui {

namespace {

// Data of a row: the location it opens.
constexpr int kFileRole = Qt::UserRole + 1;
constexpr int kLineRole = Qt::UserRole + 2;
constexpr int kColumnRole = Qt::UserRole + 3;

QString fromUtf8(const std::string& s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

void setLocation(QTreeWidgetItem* row, const DpctDiagnostic& d)
{
    row->setData(0, kFileRole, fromUtf8(d.file));
    row->setData(0, kLineRole, d.line);
    row->setData(0, kColumnRole, d.column);
}

} // namespace

DiagnosticsView::DiagnosticsView(Settings& settings, QWidget* parent) : QDialog(parent), settings_(settings)
{
    setObjectName(QStringLiteral("diagnosticsView"));
    setWindowTitle(tr("dpct Diagnostics"));
    resize(860, 480);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("diagnosticsSummary"));
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("diagnosticsTree"));
    tree_->setColumnCount(4);
    tree_->setHeaderLabels({tr("Code"), tr("Count"), tr("First message"), tr("Files")});
    tree_->setUniformRowHeights(true);
    tree_->setAlternatingRowColors(true);
    tree_->header()->setStretchLastSection(true);
    tree_->setColumnWidth(0, 150);
    tree_->setColumnWidth(1, 60);
    tree_->setColumnWidth(2, 420);
    // Double-click and Enter both activate a row.
    connect(tree_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* row) { openRow(row); });
    tree_->installEventFilter(this);

    editor_ = new QLineEdit(this);
    editor_->setObjectName(QStringLiteral("editorCommand"));
    editor_->setText(QString::fromStdString(settings_.editorCommand));
    editor_->setPlaceholderText(tr("the default program for the file"));
    editor_->setToolTip(
        tr("The command line that opens a source file, for example\n"
           "code --goto {file}:{line}:{column}\n"
           "{file}, {line} and {column} are replaced; the program is started without a shell."));
    connect(editor_, &QLineEdit::editingFinished, this, &DiagnosticsView::editorEdited);
    auto* form = new QFormLayout;
    form->addRow(tr("Open &with:"), editor_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("diagnosticsButtons"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Enter belongs to the tree (open the row), not to a default button.
    for (QAbstractButton* b : buttons->buttons()) {
        if (auto* p = qobject_cast<QPushButton*>(b)) {
            p->setAutoDefault(false);
            p->setDefault(false);
        }
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(tree_, 1);
    layout->addLayout(form);
    layout->addWidget(buttons);
    tree_->setFocus();
}

void DiagnosticsView::refresh(const std::vector<const CDpctData*>& items)
{
    struct Code
    {
        int count = 0;
        const DpctDiagnostic* first = nullptr;
        std::set<QString> files;
        std::vector<const DpctDiagnostic*> all;
    };
    std::map<std::string, Code> byCode;
    int total = 0, itemsWith = 0;
    for (const CDpctData* item : items) {
        if (!item || item->diagnostics.empty())
            continue;
        ++itemsWith;
        for (const DpctDiagnostic& d : item->diagnostics) {
            Code& c = byCode[countKey(d)];
            ++c.count;
            ++total;
            if (!c.first)
                c.first = &d;
            c.files.insert(QFileInfo(fromUtf8(d.file)).fileName());
            c.all.push_back(&d);
        }
    }

    tree_->clear();
    for (const auto& [key, c] : byCode) {
        auto* row = new QTreeWidgetItem(tree_);
        row->setText(0, fromUtf8(key));
        row->setText(1, QString::number(c.count));
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        row->setText(2, fromUtf8(c.first->message));
        row->setToolTip(2, fromUtf8(c.first->message));
        QStringList files(c.files.begin(), c.files.end());
        row->setText(3, files.join(QStringLiteral(", ")));
        setLocation(row, *c.first);
        for (const DpctDiagnostic* d : c.all) {
            auto* occurrence = new QTreeWidgetItem(row);
            occurrence->setText(0, QStringLiteral("%1:%2").arg(d->line).arg(d->column));
            occurrence->setText(2, fromUtf8(d->message));
            occurrence->setText(3, fromUtf8(d->file));
            occurrence->setToolTip(3, fromUtf8(d->file));
            setLocation(occurrence, *d);
        }
    }
    const bool anyRun = std::any_of(items.begin(), items.end(), [](const CDpctData* item) {
        return item && (item->elapsedMs >= 0 || item->status != ItemStatus::None);
    });
    summary_->setText(
        total == 0 ? (anyRun ? tr("The last run gave no diagnostics.")
                             : tr("Nothing has been converted in this list yet; dpct's diagnostics are "
                                  "shown here after a run."))
                   : tr("%n diagnostic(s) of dpct in %1 item(s). Double-click a row to open its "
                        "source location.",
                        nullptr, total)
                         .arg(itemsWith));
    if (tree_->topLevelItemCount() > 0 && !tree_->currentItem())
        tree_->setCurrentItem(tree_->topLevelItem(0));
}

bool DiagnosticsView::openRow(QTreeWidgetItem* row)
{
    if (!row)
        return false;
    SourceLocation where{row->data(0, kFileRole).toString(), row->data(0, kLineRole).toInt(),
                         row->data(0, kColumnRole).toInt()};
    if (where.file.isEmpty())
        return false;
    editorEdited(); // a command typed but not yet confirmed counts
    QString error;
    if (openSourceLocation(where, editor_->text().trimmed(), error))
        return true;
    DialogSeam::message(this, 740, QMessageBox::Warning,
                        tr("The source location could not be opened.\n%1").arg(error));
    return false;
}

bool DiagnosticsView::eventFilter(QObject* watched, QEvent* event)
{
    // Enter opens the row here; no shortcut of the main window may take it first.
    if (watched == tree_ && event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            event->accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DiagnosticsView::editorEdited()
{
    settings_.editorCommand = editor_->text().trimmed().toStdString();
}

} // namespace tovalo::gui
