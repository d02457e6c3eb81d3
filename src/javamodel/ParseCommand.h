#pragma once

#include <QByteArray>
#include <QList>
#include <functional>
#include <string>
#include <string_view>

class CFileObject;

// "mavu --parse FILE...": prints what the recogniser finds in each file,
// one line per element in source order, depth first, tab-separated:
//   file  kind  name  enclosing  start-line  end-line  description
// kind is package, import, class, interface, inner-class, inner-interface,
// local-class, method, method-decl or field; enclosing is the chain of
// enclosing class names joined by "." (empty at top level). Text is UTF-8;
// the file column is the name as given.

// Takes bytes of the command's output in order; false when they could not
// be written (a full disk), which ends the command.
using ParseOutput = std::function<bool(std::string_view)>;

// Lists the files in the order given. With jobs > 1 that many threads read
// and parse files at once, and the listing is still written file by file in
// that order, exactly as one thread writes it. Files that cannot be read
// are reported on err, each in its place among the others. jobs 0 means
// one thread per processor core. Returns the
// process exit code: 0 when every file was read and the listing written, 1
// otherwise.
int RunParseCommand(const QList<QByteArray> &files, int jobs, const ParseOutput &out,
                    const ParseOutput &err);

// Appends the lines for one parsed file to out. When flush is set, it is
// called with out whenever out has grown past some ten kilobytes, after a
// whole line, and takes the bytes (leaving out empty): the listing of a
// file, which for deeply nested classes is far larger than the file, then
// never needs to be held at once.
void WriteParsedFile(std::string_view path, const CFileObject &file, std::string &out,
                     const std::function<void(std::string &)> &flush = {});
