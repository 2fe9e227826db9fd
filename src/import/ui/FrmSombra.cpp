#include "import/ui/FrmSombra.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "import/ImportClosing.h"
#include "import/PackageImport.h"
#include "import/PackageName.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

namespace zem {

using namespace Qt::StringLiterals;

FrmSombra::FrmSombra(Session& session, const DeclarationKey& key, Rules& rules, DeclarationEditor& editor,
                     QWidget* parent)
    : QDialog(parent),
      session_(session),
      key_(key),
      rules_(rules),
      editor_(editor),
      import_(std::make_unique<PackageImport>(session, key)) {
    setObjectName(u"frmSombra"_s);
    setWindowTitle(PackageImport::caption());
    setModal(true);

    auto* hint =
        new QLabel(u"Seleccione la unidad y el directorio desde el que desea importar la información"_s);
    hint->setWordWrap(true);

    auto* frame = new QGroupBox(u"Archivo personalizado"_s);
    DrvLst = new QComboBox;
    DrvLst->setObjectName(u"DrvLst"_s);
    // The volumes a package may come on: the system's own pseudo file systems are left out.
    static const QStringList kSystem = {u"/proc"_s, u"/sys"_s, u"/dev"_s, u"/run"_s, u"/snap"_s, u"/boot"_s};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        const bool system = std::any_of(kSystem.cbegin(), kSystem.cend(), [&root](const QString& s) {
            return root == s || root.startsWith(s + u'/');
        });
        if (volume.isValid() && volume.isReady() && !system)
            DrvLst->addItem(root, root);
    }
    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders_->setRootPath(QString());
    DirList = new QTreeView;
    DirList->setObjectName(u"DirList"_s);
    DirList->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column)
        DirList->hideColumn(column);
    DirList->setHeaderHidden(true);
    flListaFiles = new QListWidget;
    flListaFiles->setObjectName(u"flListaFiles"_s);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(u"Archivos a Importar :"_s), 0, 0);
    grid->addWidget(flListaFiles, 1, 0, 3, 1);
    lblRuta = new QLabel;
    lblRuta->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* folderColumn = new QVBoxLayout;
    folderColumn->addWidget(lblRuta);
    folderColumn->addWidget(DirList);
    grid->addWidget(new QLabel(u"Directorios :"_s), 0, 1);
    grid->addLayout(folderColumn, 1, 1);
    grid->addWidget(new QLabel(u"Unidades de Disco :"_s), 2, 1);
    grid->addWidget(DrvLst, 3, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);

    Frame3 = new QGroupBox(u"Espere un momento..."_s);
    Frame3->setObjectName(u"Frame3"_s);
    lblbar1 = new QLabel;
    pbar1 = new QProgressBar;
    auto* progress = new QVBoxLayout(Frame3);
    progress->addWidget(lblbar1);
    progress->addWidget(pbar1);
    Frame3->hide();

    CmdGrabar = new QPushButton(u"&Aceptar"_s);
    CmdGrabar->setObjectName(u"CmdGrabar"_s);
    CmdGrabar->setDefault(true);
    CmdCancelar = new QPushButton(u"&Salir"_s);
    CmdCancelar->setObjectName(u"CmdCancelar"_s);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(CmdGrabar, QDialogButtonBox::ActionRole);
    buttons->addButton(CmdCancelar, QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(frame, 1);
    layout->addWidget(Frame3);
    layout->addWidget(buttons);
    resize(620, 420);

    connect(CmdGrabar, &QPushButton::clicked, this, &FrmSombra::CmdGrabar_Click);
    connect(CmdCancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(DrvLst, &QComboBox::activated, this, &FrmSombra::DrvLst_Change);
    connect(DirList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    setDirectory(folders_->filePath(current));
            });
    connect(flListaFiles, &QListWidget::itemDoubleClicked, this, &FrmSombra::CmdGrabar_Click);
    // The folders are read in the background: the chosen one is shown once its parents have been read.
    connect(folders_, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
        // After the rows are sorted into place.
        if (directory_.startsWith(loaded))
            QTimer::singleShot(50, this, &FrmSombra::showDirectory);
    });

    import_->setStage([this](const QString& text) { showStage(text); });
    import_->setProgress([this](qint64 done, qint64 total) {
        pbar1->setMaximum(static_cast<int>(qMax<qint64>(total, 1)));
        pbar1->setValue(static_cast<int>(done));
        // The load runs here, on the one user-interface thread: the window is kept painted meanwhile.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });

    // The program's own folder to start with.
    setDirectory(QCoreApplication::applicationDirPath());
}

FrmSombra::~FrmSombra() = default;

void FrmSombra::setDirectory(const QString& path) {
    directory_ = QDir(path).absolutePath();
    lblRuta->setText(QDir::toNativeSeparators(directory_));
    showDirectory();
    const QString root = QStorageInfo(directory_).rootPath();
    const int drive = DrvLst->findData(root);
    if (drive >= 0) {
        DrvLst->setCurrentIndex(drive);
        drive_ = drive;
    }
    refreshFiles();
}

void FrmSombra::showDirectory() {
    const QModelIndex index = folders_->index(directory_);
    if (!index.isValid())
        return;
    const QSignalBlocker block(DirList->selectionModel());
    DirList->setCurrentIndex(index);
    DirList->expand(index);
    DirList->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

QStringList FrmSombra::listedFiles() const {
    QStringList files;
    for (int i = 0; i < flListaFiles->count(); ++i)
        files << flListaFiles->item(i)->text();
    return files;
}

void FrmSombra::refreshFiles() {
    flListaFiles->clear();
    // Only the taxpayer's own package is listed.
    for (const QString& name : QDir(directory_).entryList(QDir::Files, QDir::Name)) {
        if (isPackageOf(name, key_.ruc))
            flListaFiles->addItem(name);
    }
    if (flListaFiles->count() > 0)
        flListaFiles->setCurrentRow(0);
}

void FrmSombra::DrvLst_Change(int index) {
    const QString root = DrvLst->itemData(index).toString();
    if (!QDir(root).isReadable()) {
        session_.sink.show({u"Driver "_s + root +
                                u" seleccionado no esta disponible.\n"
                                "Esta seleccionando un driver que no existe.\n"
                                "Intente nuevamente por favor."_s,
                            u"Mensaje"_s, MsgIcon::Critical});
        DrvLst->setCurrentIndex(drive_);
        return;
    }
    drive_ = index;
    setDirectory(root);
}

void FrmSombra::showStage(const QString& text) {
    lblbar1->setText(text);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FrmSombra::CmdGrabar_Click() {
    QListWidgetItem* item = flListaFiles->currentItem();
    const QString path = item ? QDir(directory_).filePath(item->text()) : QString();
    if (!path.isEmpty()) {
        pbar1->setRange(0, 1);
        pbar1->setValue(0);
        Frame3->show();
    }
    CmdGrabar->setEnabled(false);
    CmdCancelar->setEnabled(false);
    busy_ = true;
    import_->importar(path);
    busy_ = false;
    Frame3->hide();
    CmdGrabar->setEnabled(true);
    CmdCancelar->setEnabled(true);
}

void FrmSombra::done(int result) {
    // The window stays while a package is being loaded (the progress keeps it painted, and a close request
    // from the desktop could arrive then).
    if (busy_)
        return;
    // However the window closes, what was imported goes into the boxes once.
    if (!closed_) {
        closed_ = true;
        applyImportTotals(session_.db(), rules_, editor_, import_->totals());
    }
    QDialog::done(result);
}

}  // namespace zem
