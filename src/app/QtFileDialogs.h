#pragma once

#include "app/FileDialogs.h"

#include <QPointer>

class QWidget;

// The file dialogs of the running program: Qt's file dialog over the main
// window.
class CQtFileDialogs final : public CFileDialogs
{
public:
    explicit CQtFileDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget *parent) { m_parent = parent; }
    QStringList Choose(const CFileDialogRequest &request) override;

private:
    QPointer<QWidget> m_parent;
};
