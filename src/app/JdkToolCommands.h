#pragma once

#include <QPointer>
#include <QString>

class CCommandMap;
class CJavaIDEApp;
class CSearchFilesDlg;
class CSearchFrame;
class CSearchView;
class QWidget;

// The application's commands for javadoc, jar, rmic, the bean manifest
// and find in files: what each one asks the user, and which tool it starts.
class CJdkToolCommands
{
public:
    explicit CJdkToolCommands(CJavaIDEApp &app);
    ~CJdkToolCommands();

    void Register(CCommandMap &commands);

    void OnJavadocFile();
    void OnJavadocAll();
    void OnJavadocFolder();
    // The javadoc options of the project, or with root the defaults.
    void OnDocOptions(bool root);
    // The jar dialog; for a bean, modeless and filled for the project's
    // manifest.
    void OnMakeJar(bool bean);
    void OnRmic();
    void OnAddManifest();
    void OnFindInFiles();
    void OnSearchResults();

    CSearchFilesDlg *SearchFilesDialog() const;
    CSearchFrame *SearchFrame() const;
    // The results window: made on first use, else shown, restored and
    // brought forward; titled.
    CSearchView *ResultsWindow(const QString &title);

private:
    bool ProjectOpen() const;
    QString ActiveJavaFile() const;

    CJavaIDEApp &m_app;
    QPointer<CSearchFilesDlg> m_searchDlg;
    QPointer<CSearchFrame> m_searchFrame;
};
