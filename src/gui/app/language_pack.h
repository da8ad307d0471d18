#pragma once
// Language packs: one translation catalog per interface language (TovaloLangJa.qm ...
// TovaloLangKo.qm), loaded by file name from the program's folder, then from the installed data
// folders. The loaded pack is the source of every later interface text.

#include <memory>

#include <QString>
#include <QStringList>
#include <QtGlobal>

class QTranslator;

namespace tovalo::gui {

class LanguagePack
{
public:
    LanguagePack();
    ~LanguagePack();

    /// File stem of language `index` (0 Ja, 1 En, 2 Cn, 3 Tw, 4 Ko).
    static QString fileStem(int index);
    /// Folders searched, in order.
    static QStringList searchFolders();
    /// Tests: search only `folders` (an empty list restores the normal folders).
    static void setSearchFolders(const QStringList& folders);
    /// The program's own message for a pack that cannot be loaded, in the interface language
    /// of the system (these texts are built in, so they do not depend on any pack).
    static QString loadFailureMessage();
    /// Qt's own catalog name for language `index` ("qtbase_ja", ...).
    static QString qtCatalogName(int index);

    /// The version of the pack of `index` as "major.minor.build", read from the pack's file
    /// without making it the interface language; "65535.255.255" when no folder holds the pack
    /// or the pack carries no version.
    static QString versionText(int index);
    /// The version text of a pack that is absent or carries none.
    static QString absentVersionText() { return QStringLiteral("65535.255.255"); }
    /// The same version packed as major << 16 | minor << 8 | build (0xFFFFFFFF when absent).
    static quint32 versionValue(int index);

    /// Loads and installs the pack of `index`, replacing a pack loaded before. Returns false
    /// when no folder holds a readable catalog of that name.
    bool load(int index);
    void unload();

    /// The file the pack was loaded from; empty when none is loaded.
    QString loadedFile() const { return file_; }

private:
    std::unique_ptr<QTranslator> pack_;
    std::unique_ptr<QTranslator> qtBase_;
    QString file_;
};

} // namespace tovalo::gui
