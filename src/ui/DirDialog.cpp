#include "ui/DirDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>

#include <utility>

bool UseNonNativeDialogs() {
    return QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs) ||
           qEnvironmentVariableIsSet("BRELLOW_NON_NATIVE_DIALOGS");
}

CDirDialog::CDirDialog(std::string title, const std::string& initialFolder, QWidget* parent,
                       std::string root) {
    m_hwndParent = parent;
    m_strTitle = std::move(title);
    m_strRoot = std::move(root);
    m_strInitialFolder = initialFolder;
    // One trailing separator goes, so that "dir/" preselects "dir" itself; the
    // root "/" has nothing left to lose.
    if (m_strInitialFolder.size() > 1 &&
        (m_strInitialFolder.back() == '/' || m_strInitialFolder.back() == '\\'))
        m_strInitialFolder.pop_back();
}

bool CBrowseForFolder::Browse(std::string& path) {
    path.clear();

    QFileDialog dialog(m_hwndParent, QString::fromStdString(m_strTitle));
    dialog.setObjectName(QStringLiteral("BrowseForFolder"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (UseNonNativeDialogs())
        dialog.setOption(QFileDialog::DontUseNativeDialog);

    // A file path (left by a source file pick) preselects the folder it lies in.
    const QString initial = QString::fromStdString(m_strInitialFolder);
    if (!initial.isEmpty()) {
        const QFileInfo info(initial);
        dialog.setDirectory(info.isDir() || !info.exists() ? initial : info.absolutePath());
    }

    // Qt's own dialog gets a status line with the full path under selection.
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        auto* status = new QLabel(&dialog);
        status->setObjectName(QStringLiteral("statusText"));
        status->setTextFormat(Qt::PlainText);
        status->setText(QDir::toNativeSeparators(dialog.directory().absolutePath()));
        grid->addWidget(status, grid->rowCount(), 0, 1, grid->columnCount());
        QObject::connect(&dialog, &QFileDialog::currentChanged, status,
                         [status](const QString& current) {
                             status->setText(QDir::toNativeSeparators(current));
                         });
        QObject::connect(&dialog, &QFileDialog::directoryEntered, status,
                         [status](const QString& entered) {
                             status->setText(QDir::toNativeSeparators(entered));
                         });
    }

    if (dialog.exec() == QDialog::Accepted) {
        const QStringList chosen = dialog.selectedFiles();
        if (!chosen.isEmpty())
            path = chosen.constFirst().toStdString();
    }
    return !path.empty();
}
