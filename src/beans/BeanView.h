#pragma once

#include "project/MyTreeView.h"

#include <functional>

class CBeanDoc;

// The Beans tab: the bean tree with its folders and beans, and the commands
// Add Bean, Add Folder and Delete Item. A bean opens into its sections
// "Properties", "Events" and "Methods". Folders are renamed in place.
class CBeanView : public CMyTreeView
{
    Q_OBJECT
public:
    enum Command { AddBean, AddFolder, DeleteItem };

    explicit CBeanView(CBeanDoc &doc, QWidget *parent = nullptr);
    ~CBeanView() override;

    // Empties the widget and shows the document's tree again.
    void Refill();
    void OnCommand(Command command);
    QMenu *CreateContextMenu(CTreeItem *node) override;
    // The command's menu text and its longer description.
    static QString CommandText(Command command);
    static QString CommandTip(Command command);

    // How Add Bean asks for the bean's class file (title, filter); empty
    // cancels. A file dialog unless a test replaced it.
    std::function<QString(const QString &, const QString &)> m_chooseFile;
    // Starts the bean introspector on path; done is called with the file
    // it wrote (empty when the run failed). False when it could not start
    // (the failure has been shown).
    std::function<bool(const QString &path, std::function<void(const QString &output)> done)>
        m_introspectBean;

protected:
    void OnActivate(CTreeItem *node) override;
    void OnDeleteKey(CTreeItem *node) override;
    bool CanRename(CTreeItem *node) const override;
    QString OnRenamed(CTreeItem *node, const QString &text) override;

private:
    void StartAddBean();
    // Shows a node just added to the tree and selects it.
    void ShowAdded(CTreeItem *node);

    CBeanDoc &m_doc;
};
