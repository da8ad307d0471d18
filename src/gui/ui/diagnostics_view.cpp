#include "ui/diagnostics_view.h"

#include "controls/commui/dialog_seam.h"
#include "data/diagnostic.h"
#include "settings/settings.h"
#include "ui/source_opener.h"

#include <algorithm>
#include <climits>
#include <deque>
#include <map>
#include <optional>
#include <unordered_map>

#include <QAbstractItemModel>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace tovalo::gui {

namespace {

QString fromUtf8(const std::string& s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The longest the view takes diagnostics in at a time: well inside a frame.
constexpr qint64 kSliceMs = 8;
// Diagnostics added to the model at once (between two looks at the clock).
constexpr std::size_t kChunk = 1000;

} // namespace

// The codes and their occurrences. Codes are kept in slots that never move (an occurrence row
// names its code by slot), and listed in key order through `order_`. Occurrences name their
// item's copy and their place in it.
class DiagnosticsModel : public QAbstractItemModel
{
public:
    struct Totals
    {
        std::int64_t diagnostics = 0;
        int items = 0;
        std::int64_t dropped = 0;
    };

    // Takes in what changed among `items`; returns true when something waits to be taken in.
    bool setItems(const std::vector<const CDpctData*>& items)
    {
        ++generation_;
        for (const CDpctData* item : items) {
            if (!item)
                continue;
            const Signature sig{item->diagnostics.data(), item->diagnostics.size(), item->diagnosticsDropped,
                                item->elapsedMs, item->status};
            auto [it, fresh] = recordOf_.try_emplace(item, records_.size());
            if (fresh)
                records_.emplace_back();
            Record& r = records_[it->second];
            r.generation = generation_;
            if (!fresh && r.signature == sig)
                continue;
            r.signature = sig;
            if (fresh && item->diagnostics.empty() && item->diagnosticsDropped == 0)
                continue;
            r.incoming = item->diagnostics; // the copy: the item may change or go after this
            r.incomingDropped = item->diagnosticsDropped;
            enqueue(it->second);
        }
        // Items no longer listed (deleted, or a list replaced): their diagnostics go.
        for (auto it = recordOf_.begin(); it != recordOf_.end();) {
            Record& r = records_[it->second];
            if (r.generation != generation_) {
                r.incoming.emplace();
                r.incomingDropped = 0;
                r.signature = {};
                enqueue(it->second);
                it = recordOf_.erase(it);
            } else {
                ++it;
            }
        }
        return !queue_.empty();
    }

    int pending() const { return static_cast<int>(queue_.size()); }

    // Takes in queued items for at most `budgetMs`; true when more waits.
    bool takeIn(qint64 budgetMs)
    {
        QElapsedTimer clock;
        clock.start();
        while (!queue_.empty() && clock.elapsed() < budgetMs) {
            const std::uint32_t id = queue_.front();
            Record& r = records_[id];
            if (r.incoming) {
                removeOccurrences(id);
                totals_.dropped += *r.incomingDropped - r.dropped;
                r.dropped = *r.incomingDropped;
                r.diagnostics = std::move(*r.incoming);
                r.incoming.reset();
                r.incomingDropped.reset();
                r.added = 0;
                r.counted = !r.diagnostics.empty() || r.dropped > 0;
                if (r.counted)
                    ++totals_.items;
            }
            addOccurrences(id, kChunk);
            if (r.added == r.diagnostics.size()) {
                r.queued = false;
                queue_.pop_front();
            }
        }
        return !queue_.empty();
    }

    const Totals& totals() const { return totals_; }

    // The diagnostic a row opens: an occurrence's own, a code's first.
    const DpctDiagnostic* diagnosticAt(const QModelIndex& index) const
    {
        if (!index.isValid())
            return nullptr;
        const Code* code = codeOf(index);
        if (!code || code->occurrences.empty())
            return nullptr;
        const std::size_t at = index.internalId() == 0 ? 0 : static_cast<std::size_t>(index.row());
        if (at >= code->occurrences.size())
            return nullptr;
        const Occurrence& o = code->occurrences[at];
        return &records_[o.record].diagnostics[o.index];
    }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override
    {
        if (row < 0 || column < 0 || column >= 4)
            return {};
        if (!parent.isValid())
            return row < static_cast<int>(order_.size()) ? createIndex(row, column, quintptr(0))
                                                         : QModelIndex();
        if (parent.internalId() != 0)
            return {};
        const std::uint32_t code = order_[static_cast<std::size_t>(parent.row())];
        if (row >= static_cast<int>(codes_[code].occurrences.size()))
            return {};
        return createIndex(row, column, quintptr(code) + 1);
    }

    QModelIndex parent(const QModelIndex& child) const override
    {
        if (!child.isValid() || child.internalId() == 0)
            return {};
        const auto code = static_cast<std::uint32_t>(child.internalId() - 1);
        return createIndex(rowOfCode(code), 0, quintptr(0));
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        if (!parent.isValid())
            return static_cast<int>(order_.size());
        if (parent.internalId() != 0 || parent.column() != 0)
            return 0;
        return static_cast<int>(codes_[order_[static_cast<std::size_t>(parent.row())]].occurrences.size());
    }

    int columnCount(const QModelIndex& = {}) const override { return 4; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const DpctDiagnostic* d = diagnosticAt(index);
        const Code* code = codeOf(index);
        if (!d || !code)
            return {};
        const bool top = index.internalId() == 0;
        if (role == Qt::TextAlignmentRole && index.column() == 1)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
            return {};
        switch (index.column()) {
        case 0:
            return top ? fromUtf8(code->key) : QStringLiteral("%1:%2").arg(d->line).arg(d->column);
        case 1:
            return top ? QVariant(static_cast<qlonglong>(code->occurrences.size())) : QVariant();
        case 2:
            return fromUtf8(d->message);
        case 3:
            if (!top)
                return fromUtf8(d->file);
            {
                QStringList files;
                for (const auto& [name, count] : code->files)
                    files.append(name);
                return files.join(QStringLiteral(", "));
            }
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= 4)
            return {};
        return headers_[section];
    }

    void setHeaders(const QStringList& headers)
    {
        headers_ = headers;
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, 3);
    }

private:
    struct Signature
    {
        const DpctDiagnostic* data = nullptr;
        std::size_t size = 0;
        std::int64_t dropped = 0;
        std::int64_t elapsedMs = -1;
        ItemStatus status = ItemStatus::None;
        bool operator==(const Signature&) const = default;
    };
    struct Record
    {
        Signature signature;
        std::uint64_t generation = 0;
        std::vector<DpctDiagnostic> diagnostics; ///< the copy shown
        std::int64_t dropped = 0;
        std::size_t added = 0; ///< diagnostics of the copy in the model so far
        std::optional<std::vector<DpctDiagnostic>> incoming;
        std::optional<std::int64_t> incomingDropped;
        std::vector<std::uint32_t> codes; ///< codes it has occurrences in
        bool queued = false;
        bool counted = false; ///< among the items with diagnostics (Totals::items)
    };
    struct Occurrence
    {
        std::uint32_t record = 0;
        std::uint32_t index = 0;
    };
    struct Code
    {
        std::string key;
        std::vector<Occurrence> occurrences;
        std::map<QString, int> files; ///< file names (without folder) and their occurrences
        bool listed = false;          ///< in order_
    };

    void enqueue(std::size_t id)
    {
        Record& r = records_[id];
        if (!r.queued) {
            r.queued = true;
            queue_.push_back(static_cast<std::uint32_t>(id));
        }
    }

    const Code* codeOf(const QModelIndex& index) const
    {
        if (!index.isValid())
            return nullptr;
        if (index.internalId() == 0)
            return index.row() < static_cast<int>(order_.size())
                       ? &codes_[order_[static_cast<std::size_t>(index.row())]]
                       : nullptr;
        const auto code = static_cast<std::size_t>(index.internalId() - 1);
        return code < codes_.size() ? &codes_[code] : nullptr;
    }

    int rowOfCode(std::uint32_t code) const
    {
        const auto it = std::find(order_.begin(), order_.end(), code);
        return static_cast<int>(it - order_.begin());
    }

    QModelIndex codeIndex(std::uint32_t code) const { return createIndex(rowOfCode(code), 0, quintptr(0)); }

    static QString fileName(const DpctDiagnostic& d) { return QFileInfo(fromUtf8(d.file)).fileName(); }

    void codeRowChanged(std::uint32_t code)
    {
        const int row = rowOfCode(code);
        Q_EMIT dataChanged(createIndex(row, 1, quintptr(0)), createIndex(row, 3, quintptr(0)));
    }

    // Takes every occurrence of record `id` out of the model.
    void removeOccurrences(std::uint32_t id)
    {
        Record& r = records_[id];
        if (r.counted)
            --totals_.items;
        r.counted = false;
        totals_.diagnostics -= static_cast<std::int64_t>(r.added);
        totals_.dropped -= r.dropped;
        r.dropped = 0;
        for (const std::uint32_t c : r.codes) {
            Code& code = codes_[c];
            // Contiguous runs of this record's occurrences, removed from the back.
            for (std::size_t end = code.occurrences.size(); end > 0;) {
                if (code.occurrences[end - 1].record != id) {
                    --end;
                    continue;
                }
                std::size_t begin = end - 1;
                while (begin > 0 && code.occurrences[begin - 1].record == id)
                    --begin;
                beginRemoveRows(codeIndex(c), static_cast<int>(begin), static_cast<int>(end - 1));
                for (std::size_t i = begin; i < end; ++i) {
                    const auto f = code.files.find(fileName(r.diagnostics[code.occurrences[i].index]));
                    if (f != code.files.end() && --f->second == 0)
                        code.files.erase(f);
                }
                code.occurrences.erase(code.occurrences.begin() + static_cast<std::ptrdiff_t>(begin),
                                       code.occurrences.begin() + static_cast<std::ptrdiff_t>(end));
                endRemoveRows();
                end = begin;
            }
            if (code.occurrences.empty() && code.listed) {
                const int row = rowOfCode(c);
                beginRemoveRows({}, row, row);
                order_.erase(order_.begin() + row);
                code.listed = false;
                endRemoveRows();
            } else if (code.listed) {
                codeRowChanged(c);
            }
        }
        r.codes.clear();
        r.diagnostics.clear();
        r.added = 0;
    }

    // Adds up to `most` of record `id`'s diagnostics not yet in the model.
    void addOccurrences(std::uint32_t id, std::size_t most)
    {
        Record& r = records_[id];
        const std::size_t from = r.added, to = std::min(r.diagnostics.size(), from + most);
        if (from == to)
            return;
        std::map<std::string_view, std::vector<std::uint32_t>> byKey;
        for (std::size_t i = from; i < to; ++i)
            byKey[countKey(r.diagnostics[i])].push_back(static_cast<std::uint32_t>(i));
        for (const auto& [key, indexes] : byKey) {
            auto [it, fresh] =
                codeOf_.try_emplace(std::string(key), static_cast<std::uint32_t>(codes_.size()));
            if (fresh)
                codes_.push_back(Code{std::string(key), {}, {}, false});
            const std::uint32_t c = it->second;
            Code& code = codes_[c];
            if (!code.listed) {
                const auto at = std::lower_bound(
                    order_.begin(), order_.end(), code.key,
                    [this](std::uint32_t o, const std::string& k) { return codes_[o].key < k; });
                const int row = static_cast<int>(at - order_.begin());
                beginInsertRows({}, row, row);
                order_.insert(at, c);
                code.listed = true;
                endInsertRows();
            }
            if (std::find(r.codes.begin(), r.codes.end(), c) == r.codes.end())
                r.codes.push_back(c);
            const int first = static_cast<int>(code.occurrences.size());
            beginInsertRows(codeIndex(c), first, first + static_cast<int>(indexes.size()) - 1);
            for (const std::uint32_t i : indexes) {
                code.occurrences.push_back({id, i});
                ++code.files[fileName(r.diagnostics[i])];
            }
            endInsertRows();
            codeRowChanged(c);
        }
        totals_.diagnostics += static_cast<std::int64_t>(to - from);
        r.added = to;
    }

    std::vector<Record> records_;
    std::unordered_map<const CDpctData*, std::size_t> recordOf_;
    std::deque<std::uint32_t> queue_;
    std::vector<Code> codes_;
    std::map<std::string, std::uint32_t> codeOf_;
    std::vector<std::uint32_t> order_;
    std::uint64_t generation_ = 0;
    Totals totals_;
    QStringList headers_;
};

DiagnosticsView::DiagnosticsView(Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), model_(std::make_unique<DiagnosticsModel>())
{
    setObjectName(QStringLiteral("diagnosticsView"));
    setWindowTitle(tr("dpct Diagnostics"));
    resize(860, 480);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("diagnosticsSummary"));
    summary_->setWordWrap(true);
    model_->setHeaders({tr("Code"), tr("Count"), tr("First message"), tr("Files")});
    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("diagnosticsTree"));
    tree_->setModel(model_.get());
    tree_->setUniformRowHeights(true);
    tree_->setAlternatingRowColors(true);
    tree_->header()->setStretchLastSection(true);
    tree_->setColumnWidth(0, 150);
    tree_->setColumnWidth(1, 60);
    tree_->setColumnWidth(2, 420);
    // Double-click and Enter both activate a row.
    connect(tree_, &QTreeView::activated, this, [this](const QModelIndex& index) { openRow(index); });
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &DiagnosticsView::updateTarget);
    tree_->installEventFilter(this);

    target_ = new QLabel(this);
    target_->setObjectName(QStringLiteral("diagnosticsOpenTarget"));
    target_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    target_->setWordWrap(true);

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

    slice_ = new QTimer(this);
    slice_->setSingleShot(true);
    slice_->setInterval(0);
    connect(slice_, &QTimer::timeout, this, &DiagnosticsView::takeInSome);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(tree_, 1);
    layout->addWidget(target_);
    layout->addLayout(form);
    layout->addWidget(buttons);
    tree_->setFocus();
    updateSummary();
    updateTarget();
}

DiagnosticsView::~DiagnosticsView()
{
    // The tree is a child widget and outlives the model member: it lets go of the model first.
    tree_->setModel(nullptr);
}

void DiagnosticsView::refresh(const std::vector<const CDpctData*>& items)
{
    QElapsedTimer clock;
    clock.start();
    anyRun_ = std::any_of(items.begin(), items.end(), [](const CDpctData* item) {
        return item && (item->elapsedMs >= 0 || item->status != ItemStatus::None);
    });
    if (model_->setItems(items))
        slice_->start();
    updateSummary();
    longestStepMs_ = std::max(longestStepMs_, clock.elapsed());
}

int DiagnosticsView::pending() const
{
    return model_->pending();
}

void DiagnosticsView::takeInSome()
{
    QElapsedTimer clock;
    clock.start();
    if (model_->takeIn(kSliceMs))
        slice_->start();
    updateSummary();
    if (!tree_->currentIndex().isValid() && model_->rowCount() > 0)
        tree_->setCurrentIndex(model_->index(0, 0));
    updateTarget();
    longestStepMs_ = std::max(longestStepMs_, clock.elapsed());
}

void DiagnosticsView::updateSummary()
{
    const DiagnosticsModel::Totals& t = model_->totals();
    QString text = t.diagnostics == 0 && t.dropped == 0
                       ? (anyRun_ ? tr("The last run gave no diagnostics.")
                                  : tr("Nothing has been converted in this list yet; dpct's diagnostics are "
                                       "shown here after a run."))
                       : tr("%n diagnostic(s) of dpct in %1 item(s). Double-click a row to open its "
                            "source location.",
                            nullptr, static_cast<int>(t.diagnostics))
                             .arg(t.items);
    if (t.dropped > 0)
        text += QLatin1Char(' ') +
                tr("%n more diagnostic(s) were printed but not kept (an item keeps at most %1).", nullptr,
                   static_cast<int>(std::min<std::int64_t>(t.dropped, INT_MAX)))
                    .arg(CDpctData::kMaxKeptDiagnostics);
    summary_->setText(text);
}

void DiagnosticsView::updateTarget()
{
    const DpctDiagnostic* d = model_->diagnosticAt(tree_->currentIndex());
    if (!d) {
        target_->clear();
        return;
    }
    QString error;
    const QString file = sourceFileToOpen(fromUtf8(d->file), error);
    target_->setText(
        file.isEmpty() ? error : tr("Opens %1 at line %2, column %3.").arg(file).arg(d->line).arg(d->column));
}

bool DiagnosticsView::openRow(const QModelIndex& index)
{
    const DpctDiagnostic* d = model_->diagnosticAt(index);
    if (!d || d->file.empty())
        return false;
    const SourceLocation where{fromUtf8(d->file), d->line, d->column};
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

void DiagnosticsView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        model_->setHeaders({tr("Code"), tr("Count"), tr("First message"), tr("Files")});
        updateSummary();
        updateTarget();
    }
    QDialog::changeEvent(event);
}

void DiagnosticsView::editorEdited()
{
    settings_.editorCommand = editor_->text().trimmed().toStdString();
}

} // namespace tovalo::gui
