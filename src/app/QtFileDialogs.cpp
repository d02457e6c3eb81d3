#include "app/QtFileDialogs.h"

#include <QFileDialog>

QStringList CQtFileDialogs::Choose(const CFileDialogRequest &request)
{
    QFileDialog dialog(m_parent, request.m_title, request.m_directory);
    dialog.setNameFilters(request.QtFilters());
    if (!request.m_defaultExt.isEmpty())
        dialog.setDefaultSuffix(request.m_defaultExt);
    switch (request.m_mode) {
    case CFileDialogRequest::OpenExisting:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case CFileDialogRequest::OpenAny:
        // A name that does not exist yet is allowed: the command creates it.
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::AnyFile);
        break;
    case CFileDialogRequest::OpenMultiple:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFiles);
        break;
    case CFileDialogRequest::Save:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // A name typed without an extension takes the chosen filter's, as
        // on other desktops; the dialog then also asks before it replaces
        // a file of that name.
        if (request.m_defaultExt.isEmpty()) {
            const QStringList filters = request.QtFilters();
            auto follow = [&dialog, &request, filters](const QString &filter) {
                dialog.setDefaultSuffix(request.FilterExt(int(filters.indexOf(filter))));
            };
            follow(dialog.selectedNameFilter());
            QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
        }
        break;
    case CFileDialogRequest::Directory:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        break;
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    request.m_chosenFilter = int(request.QtFilters().indexOf(dialog.selectedNameFilter()));
    return dialog.selectedFiles();
}
