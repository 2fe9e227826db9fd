#pragma once

#include <QDialog>
#include <memory>

#include "declaration/DeclarationKey.h"

class QComboBox;
class QFileSystemModel;
class QGroupBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTreeView;

namespace zem {

class DeclarationEditor;
class PackageImport;
class Rules;
struct Session;

// frmSombra, "Importar archivo personalizado": the user picks a volume (DrvLst), a folder (DirList) and the
// taxpayer's package, the only file listed (flListaFiles); "&Aceptar" imports it through PackageImport,
// showing the progress frame; "&Salir" (or closing the window) carries the imported totals into the boxes.
class FrmSombra : public QDialog {
    Q_OBJECT

public:
    FrmSombra(Session& session, const DeclarationKey& key, Rules& rules, DeclarationEditor& editor,
              QWidget* parent = nullptr);
    ~FrmSombra() override;

    // The folder whose packages are listed.
    void setDirectory(const QString& path);
    QString directory() const { return directory_; }
    QStringList listedFiles() const;

    void CmdGrabar_Click();
    void done(int result) override;

private:
    void DrvLst_Change(int index);
    void refreshFiles();
    void showDirectory();
    void showStage(const QString& text);

    Session& session_;
    DeclarationKey key_;
    Rules& rules_;
    DeclarationEditor& editor_;
    std::unique_ptr<PackageImport> import_;
    QString directory_;
    int drive_ = -1;
    bool closed_ = false;
    bool busy_ = false;  // a package is being imported

    QComboBox* DrvLst;
    QTreeView* DirList;
    QLabel* lblRuta;  // the chosen folder, written out
    QFileSystemModel* folders_;
    QListWidget* flListaFiles;
    QPushButton* CmdGrabar;
    QPushButton* CmdCancelar;
    QGroupBox* Frame3;
    QProgressBar* pbar1;
    QLabel* lblbar1;
};

}  // namespace zem
