#pragma once

#include <QDialog>
#include <QStringList>
#include <memory>

class CClassDumpRun;
class CClassDumper;
class QLabel;

// The modal dialog of an introspection run: shows which file is being
// introspected and ends with Accepted when every file went through, else
// Rejected (a failure, or the user's Cancel). Run() hands back the run for
// its parsed files and class-path additions.
class CClassDumpDlg : public QDialog
{
    Q_OBJECT
public:
    CClassDumpDlg(CClassDumper &introspector, const QStringList &paths, QWidget *parent = nullptr);
    ~CClassDumpDlg() override;

    CClassDumpRun &Run() { return *m_run; }

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<CClassDumpRun> m_run;
    QLabel *m_status;
    bool m_started = false;
};
