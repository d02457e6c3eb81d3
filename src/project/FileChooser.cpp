#include "project/FileChooser.h"

#include <QFileDialog>

QString CDialogFileChooser::ToQtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString label = parts[i];
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        patterns.replace(QLatin1String("*.*"), QLatin1String("*"));
        // Qt reads the patterns from the label's parentheses: put the
        // platform's ones there, keeping the label's words.
        const qsizetype open = label.lastIndexOf(QLatin1Char('('));
        if (open >= 0 && label.endsWith(QLatin1Char(')')))
            label = label.left(open).trimmed();
        out << QStringLiteral("%1 (%2)").arg(label, patterns);
    }
    return out.join(QStringLiteral(";;"));
}

QStringList CDialogFileChooser::GetOpenFileNames(QWidget *parent, const QString &title,
                                                 const QString &filter, const QString &defaultExt,
                                                 bool multiple)
{
    QFileDialog dialog(parent, title, QString(), ToQtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (!defaultExt.isEmpty())
        dialog.setDefaultSuffix(defaultExt);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString CDialogFileChooser::GetExistingDirectory(QWidget *parent, const QString &title)
{
    return QFileDialog::getExistingDirectory(parent, title);
}
