#pragma once

#include <QStringList>

class CFileObject;
class QTextStream;

// "mavu --parse FILE...": prints what the recogniser finds in each file,
// one line per element in source order, depth first, tab-separated:
//   file  kind  name  enclosing  start-line  end-line  description
// kind is package, import, class, interface, inner-class, inner-interface,
// local-class, method, method-decl or field; enclosing is the chain of
// enclosing class names joined by "." (empty at top level). Files that
// cannot be read are reported on err. Returns the process exit code: 0 when
// every file was read, 1 otherwise.
int RunParseCommand(const QStringList &files, QTextStream &out, QTextStream &err);

// The lines RunParseCommand prints for one parsed file.
void WriteParsedFile(const QString &path, const CFileObject &file, QTextStream &out);
