#pragma once

#include "project/FileChooser.h"

// The project view's file dialogs, answered by the program's file dialogs,
// so that every dialog of the program goes one way (and a test answers
// them all in one place).
class CProjectViewChooser final : public CFileChooser
{
public:
    QStringList GetOpenFileNames(QWidget *parent, const QString &title, const QString &filter,
                                 const QString &defaultExt, bool multiple) override;
    QString GetExistingDirectory(QWidget *parent, const QString &title) override;
};
