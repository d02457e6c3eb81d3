#include "app/ProjectViewChooser.h"

#include "app/FileDialogs.h"
#include "app/JavaIDEApp.h"

QStringList CProjectViewChooser::GetOpenFileNames(QWidget *, const QString &title,
                                                  const QString &filter, const QString &defaultExt,
                                                  bool multiple)
{
    CFileDialogRequest request;
    request.m_title = title;
    request.m_filter = filter;
    request.m_defaultExt = defaultExt;
    request.m_mode = multiple ? CFileDialogRequest::OpenMultiple : CFileDialogRequest::OpenExisting;
    CJavaIDEApp *app = GetApp();
    return app ? app->FileDialogs().Choose(request) : QStringList();
}

QString CProjectViewChooser::GetExistingDirectory(QWidget *, const QString &title)
{
    CFileDialogRequest request;
    request.m_title = title;
    request.m_mode = CFileDialogRequest::Directory;
    CJavaIDEApp *app = GetApp();
    const QStringList chosen = app ? app->FileDialogs().Choose(request) : QStringList();
    return chosen.isEmpty() ? QString() : chosen.first();
}
