#include "ui/import_db_dialog.h"

#include "controls/commui/dialog_seam.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tovalo::gui {
namespace {

QString absoluteNative(const QString& text)
{
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() ? QString() : QDir::toNativeSeparators(QFileInfo(trimmed).absoluteFilePath());
}

} // namespace

ImportDbDialog::ImportDbDialog(const QString& startFolder, const QString& activeList, QWidget* parent)
    : QDialog(parent), startFolder_(startFolder), activeList_(activeList)
{
    setObjectName(QStringLiteral("importDbDialog"));
    auto* grid = new QGridLayout;
    const auto row = [this, grid](int line, const char* name, QLineEdit*& edit, auto browse) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("label%1").arg(QLatin1String(name)));
        edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("edit%1").arg(QLatin1String(name)));
        edit->setMinimumWidth(420);
        label->setBuddy(edit);
        auto* button = new QPushButton(QStringLiteral("..."), this);
        button->setObjectName(QStringLiteral("browse%1").arg(QLatin1String(name)));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, browse);
        grid->addWidget(label, line, 0);
        grid->addWidget(edit, line, 1);
        grid->addWidget(button, line, 2);
    };
    row(0, "Database", database_, [this] { browseDatabase(); });
    row(1, "InRoot", inRoot_, [this] { browseFolder(inRoot_); });
    row(2, "OutRoot", outRoot_, [this] { browseFolder(outRoot_); });
    connect(database_, &QLineEdit::textChanged, this, &ImportDbDialog::updateOk);

    all_ = new QCheckBox(this);
    all_->setObjectName(QStringLiteral("checkAllEntries"));
    newList_ = new QRadioButton(this);
    newList_->setObjectName(QStringLiteral("radioNewList"));
    newList_->setChecked(true);
    join_ = new QRadioButton(this);
    join_->setObjectName(QStringLiteral("radioActiveList"));
    join_->setEnabled(!activeList_.isEmpty());

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->setObjectName(QStringLiteral("buttons"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(all_);
    layout->addWidget(newList_);
    layout->addWidget(join_);
    layout->addWidget(buttons_);
    retranslate();
    updateOk();
}

void ImportDbDialog::retranslate()
{
    setWindowTitle(tr("Import Compilation Database"));
    findChild<QLabel*>(QStringLiteral("labelDatabase"))->setText(tr("Compilation &database:"));
    findChild<QLabel*>(QStringLiteral("labelInRoot"))->setText(tr("&In-root (optional):"));
    findChild<QLabel*>(QStringLiteral("labelOutRoot"))->setText(tr("O&ut-root (optional):"));
    // The browse buttons show only "...": their tips and accessible names say what each chooses.
    const auto name = [this](const char* button, const QString& text) {
        auto* b = findChild<QPushButton*>(QLatin1String(button));
        b->setToolTip(text);
        b->setAccessibleName(text);
    };
    name("browseDatabase", tr("Choose the compilation database"));
    name("browseInRoot", tr("Choose the in-root folder"));
    name("browseOutRoot", tr("Choose the out-root folder"));
    database_->setPlaceholderText(tr("compile_commands.json, or the folder that holds it"));
    inRoot_->setPlaceholderText(tr("the deepest folder that holds every imported source"));
    outRoot_->setPlaceholderText(tr("dpct_output beside the database"));
    all_->setText(tr("Take &every entry, not only the CUDA translation units"));
    newList_->setText(tr("Open the items as a &new list"));
    join_->setText(activeList_.isEmpty() ? tr("Add the items to the &active list")
                                         : tr("Add the items to the &active list (%1)").arg(activeList_));
}

void ImportDbDialog::browseDatabase()
{
    const QString current = database_->text().trimmed();
    const QString path = DialogSeam::openFileName(
        this, tr("Import Compilation Database"), current.isEmpty() ? startFolder_ : current,
        tr("Compilation databases (compile_commands.json *.json);;All files (*)"));
    if (!path.isEmpty())
        database_->setText(QDir::toNativeSeparators(path));
}

void ImportDbDialog::browseFolder(QLineEdit* edit)
{
    const QString current = edit->text().trimmed();
    QString start = current;
    if (start.isEmpty())
        start = database().isEmpty() ? startFolder_ : QFileInfo(database()).absolutePath();
    if (const std::optional<QString> folder = DialogSeam::folder(this, tr("Choose a Folder"), start))
        edit->setText(QDir::toNativeSeparators(*folder));
}

void ImportDbDialog::updateOk()
{
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(!database_->text().trimmed().isEmpty());
}

QString ImportDbDialog::database() const
{
    return absoluteNative(database_->text());
}

QString ImportDbDialog::inRoot() const
{
    return absoluteNative(inRoot_->text());
}

QString ImportDbDialog::outRoot() const
{
    return absoluteNative(outRoot_->text());
}

bool ImportDbDialog::allEntries() const
{
    return all_->isChecked();
}

ImportDbDialog::Target ImportDbDialog::target() const
{
    return join_->isEnabled() && join_->isChecked() ? Target::ActiveList : Target::NewList;
}

} // namespace tovalo::gui
