#pragma once
// ImportDbDialog: what File > Import Compilation Database asks before an import: the database
// (a compile_commands.json, or a folder that holds one), optionally the --in-root and --out-root
// every item gets, whether every entry is taken or only the CUDA translation units, and whether
// the items open as a new list or join the active one (offered only when there is one that may
// be edited). OK stays disabled until a database is named. Paths come back absolute, with the
// platform's separators.

#include <QDialog>
#include <QString>

class QCheckBox;
class QDialogButtonBox;
class QLineEdit;
class QRadioButton;

namespace tovalo::gui {

class ImportDbDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Target
    {
        NewList,
        ActiveList
    };

    /// `startFolder`: where the database chooser starts. `activeList`: the name of the list the
    /// items may join; empty when none may.
    ImportDbDialog(const QString& startFolder, const QString& activeList, QWidget* parent = nullptr);

    QString database() const;
    QString inRoot() const;
    QString outRoot() const;
    bool allEntries() const;
    Target target() const;

private:
    void retranslate();
    void browseDatabase();
    void browseFolder(QLineEdit* edit);
    void updateOk();

    QString startFolder_;
    QString activeList_;
    QLineEdit* database_ = nullptr;
    QLineEdit* inRoot_ = nullptr;
    QLineEdit* outRoot_ = nullptr;
    QCheckBox* all_ = nullptr;
    QRadioButton* newList_ = nullptr;
    QRadioButton* join_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

} // namespace tovalo::gui
