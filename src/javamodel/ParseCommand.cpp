#include "javamodel/ParseCommand.h"

#include "javamodel/FileObject.h"
#include "javamodel/JavaParser.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarImport.h"
#include "javamodel/VarInterface.h"
#include "javamodel/VarLocalClass.h"
#include "javamodel/VarMethod.h"
#include "javamodel/VarPackage.h"
#include "javamodel/Variable.h"

#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

struct Item
{
    const CVarObject *element;
    const char *kind;
};

void SortBySource(std::vector<Item> &items)
{
    std::stable_sort(items.begin(), items.end(), [](const Item &a, const Item &b) {
        if (a.element->m_startLine != b.element->m_startLine)
            return a.element->m_startLine < b.element->m_startLine;
        return a.element->m_namePos < b.element->m_namePos;
    });
}

class CParseWriter
{
public:
    CParseWriter(const QString &path, QTextStream &out) : m_path(path), m_out(out) {}

    void Line(const CVarObject *e, const char *kind, const QString &enclosing)
    {
        m_out << m_path << '\t' << kind << '\t' << e->m_name << '\t' << enclosing << '\t'
              << e->m_startLine << '\t' << e->m_endLine << '\t' << e->GetDescription() << '\n';
    }

    void Type(const CVarContainer *type, const char *kind, const QString &enclosing)
    {
        Line(type, kind, enclosing);
        const QString chain =
            enclosing.isEmpty() ? type->m_name : enclosing + QLatin1Char('.') + type->m_name;
        std::vector<Item> items;
        for (const CVarMethodDecl *m : type->m_methods)
            items.push_back({m, m->IsDeclaration() ? "method-decl" : "method"});
        for (const CVariable *v : type->m_variables)
            items.push_back({v, "field"});
        if (const QList<CVarClass *> *inner = type->InnerClasses()) {
            for (const CVarClass *c : *inner)
                items.push_back({c, "inner-class"});
        }
        if (const QList<CVarInterface *> *inner = type->InnerInterfaces()) {
            for (const CVarInterface *i : *inner)
                items.push_back({i, "inner-interface"});
        }
        SortBySource(items);
        for (const Item &item : items) {
            if (item.kind[0] == 'i') {
                Type(static_cast<const CVarContainer *>(item.element), item.kind, chain);
                continue;
            }
            Line(item.element, item.kind, chain);
            if (const auto *method = dynamic_cast<const CVarMethod *>(item.element)) {
                std::vector<Item> locals;
                for (const CVarClass *c : method->m_localClasses)
                    locals.push_back({c, "local-class"});
                SortBySource(locals);
                for (const Item &local : locals)
                    Type(static_cast<const CVarContainer *>(local.element), local.kind, chain);
            }
        }
    }

    void File(const CFileObject &file)
    {
        std::vector<Item> items;
        if (file.m_package)
            items.push_back({file.m_package, "package"});
        for (const CVarImport *i : file.m_imports)
            items.push_back({i, "import"});
        for (const CVarClass *c : file.m_classes)
            items.push_back({c, "class"});
        for (const CVarInterface *i : file.m_interfaces)
            items.push_back({i, "interface"});
        SortBySource(items);
        for (const Item &item : items) {
            if (item.kind[0] == 'c' || item.kind[1] == 'n')
                Type(static_cast<const CVarContainer *>(item.element), item.kind, QString());
            else
                Line(item.element, item.kind, QString());
        }
    }

private:
    const QString &m_path;
    QTextStream &m_out;
};

} // namespace

void WriteParsedFile(const QString &path, const CFileObject &file, QTextStream &out)
{
    CParseWriter(path, out).File(file);
}

int RunParseCommand(const QStringList &files, QTextStream &out, QTextStream &err)
{
    int status = 0;
    for (const QString &path : files) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            err << "Error opening the file " << path << " for parsing !!!\n";
            status = 1;
            continue;
        }
        const QByteArray text = f.readAll();
        f.close();
        std::unique_ptr<CFileObject> parsed(CJavaParser::ParseText(text));
        if (!parsed) {
            status = 1;
            continue;
        }
        WriteParsedFile(path, *parsed, out);
    }
    out.flush();
    err.flush();
    return status;
}
