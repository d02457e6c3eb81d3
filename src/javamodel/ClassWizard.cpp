#include "javamodel/ClassWizard.h"

#include "core/Prompter.h"
#include "javamodel/ClassLookup.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaNames.h"
#include "javamodel/JavaParser.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInterface.h"
#include "javamodel/VarMethodDecl.h"
#include "javamodel/Variable.h"

#include <QSet>
#include <memory>

namespace {

const char *AccessWord(int access)
{
    switch (access) {
    case CVarObject::AccessPublic:
        return "public";
    case CVarObject::AccessProtected:
        return "protected";
    case CVarObject::AccessPrivate:
        return "private";
    default:
        return "";
    }
}

// The type named name: in the file first, then through the lookup.
const CVarContainer *FindType(const QString &name, const CFileObject *file,
                              const CClassLookup *lookup)
{
    if (name.isEmpty())
        return nullptr;
    if (file) {
        if (const CVarContainer *c = file->FindClassByName(name))
            return c;
    }
    return lookup ? lookup->FindClassByName(name) : nullptr;
}

bool IsParentIn(const CVarContainer &owner, const CVarContainer &target, const CFileObject *file,
                const CClassLookup *lookup)
{
    const bool ownerIsInterface = !owner.IsClass();
    QSet<const CVarContainer *> seen;
    for (const CVarContainer *c = &target; c && !seen.contains(c);) {
        seen.insert(c);
        if (ownerIsInterface) {
            if (const auto *cls = dynamic_cast<const CVarClass *>(c)) {
                for (const QString &iface : cls->m_interfaces) {
                    if (iface.compare(owner.m_name, Qt::CaseInsensitive) == 0)
                        return true;
                }
            }
        }
        if (c->m_baseName.isEmpty())
            return false;
        if (JavaNames::Shorten(c->m_baseName).compare(owner.m_name, Qt::CaseInsensitive) == 0)
            return true;
        c = FindType(JavaNames::Shorten(c->m_baseName), file, lookup);
    }
    return false;
}

} // namespace

QString CClassWizard::FormatCode(const CVarMethodDecl &method, bool indent, bool withBody)
{
    return FormatCode(method, indent, withBody, method.m_access);
}

QString CClassWizard::FormatCode(const CVarMethodDecl &method, bool indent, bool withBody,
                                 int access)
{
    QString text;
    if (indent)
        text += QLatin1String("\n\t");
    const QString accessWord = QLatin1String(AccessWord(access));
    if (!accessWord.isEmpty())
        text += accessWord + QLatin1Char(' ');
    if (!method.m_type.isEmpty())
        text += method.m_type + QLatin1Char(' ');
    if (method.m_synchronized)
        text += QLatin1String("synchronized ");
    text += method.m_name + QLatin1Char('(');
    for (qsizetype i = 0; i < method.m_arguments.size(); ++i) {
        if (i)
            text += QLatin1String(", ");
        text += method.m_arguments[i]->m_type + QLatin1Char(' ') + method.m_arguments[i]->m_name;
    }
    text += QLatin1Char(')');
    if (!method.m_throws.isEmpty()) {
        text += QLatin1String(" throws ");
        for (qsizetype i = 0; i < method.m_throws.size(); ++i) {
            if (i)
                text += QLatin1String(", ");
            text += JavaNames::Shorten(method.m_throws[i]);
        }
    }
    if (indent && withBody)
        text += QLatin1String("\n\t{\n\t\t\n\t}\n");
    else if (!indent)
        text += QLatin1String(";\n");
    else
        text += QLatin1String("{ }\n");
    return text;
}

QString CClassWizard::JavadocText(const CVarMethodDecl &method)
{
    QString text = QStringLiteral("\n\t/**\n\t *\n\t *\n");
    for (const CVariable *arg : method.m_arguments)
        text += QLatin1String("\t * @param   ") + arg->m_name + QLatin1String("  \n");
    if (!method.m_type.isEmpty() &&
        method.m_type.compare(QLatin1String("void"), Qt::CaseInsensitive) != 0)
        text += QLatin1String("\t * @return   ") + QLatin1String("  \n");
    for (const QString &thrown : method.m_throws)
        text += QLatin1String("\t * @exception   ") + thrown + QLatin1String("  \n");
    text += QLatin1String("\t */\n");
    return text;
}

QString CClassWizard::NewClassText(const QString &name, const QString &baseName,
                                   const QList<const CVarContainer *> &interfaces, bool constructor)
{
    QString text = QLatin1String("\n\nclass ") + name;
    if (!baseName.isEmpty())
        text += QLatin1String(" extends ") + baseName;
    if (!interfaces.isEmpty()) {
        text += QLatin1String(" implements ");
        for (qsizetype i = 0; i < interfaces.size(); ++i) {
            if (i)
                text += QLatin1String(", ");
            text += interfaces[i]->m_name;
        }
    }
    text += QLatin1String("\n{\n");
    if (constructor)
        text += QLatin1String("\n\tpublic ") + name + QLatin1String("()\n\t{\n\t\n\t}\n");
    for (const CVarContainer *iface : interfaces) {
        text += QLatin1Char('\n');
        for (const CVarMethodDecl *method : iface->m_methods)
            text += FormatCode(*method, true, true, CVarObject::AccessPublic) + QLatin1Char('\n');
    }
    text += QLatin1String("\n}");
    return text;
}

QString CClassWizard::NewInterfaceText(const QString &name, const QString &baseName)
{
    QString text = QLatin1String("\n\ninterface ") + name;
    if (!baseName.isEmpty())
        text += QLatin1String(" extends ") + baseName;
    text += QLatin1String("\n{\n\n}");
    return text;
}

bool CClassWizard::IsParentOf(const CVarContainer &owner, const CVarContainer &target,
                              const CClassLookup *lookup)
{
    return IsParentIn(owner, target, nullptr, lookup);
}

CClassWizard::Check CClassWizard::CheckOverride(const CVarContainer &target,
                                                const CVarMethodDecl &method,
                                                const CVarContainer &owner,
                                                const CClassLookup *lookup)
{
    if (!IsParentOf(owner, target, lookup))
        return NotAParent;
    return target.HasMember(&method) ? AlreadyDefined : MayAdd;
}

bool CClassWizard::DropMethod(CWizardEditor &editor, int line, const CVarMethodDecl &method,
                              const CVarContainer &owner, const CClassLookup *lookup)
{
    std::unique_ptr<CFileObject> file(CJavaParser::ParseEditorText(editor.Text()));
    CVarContainer *target = file ? file->FindClassAtLine(line) : nullptr;
    if (!target || !target->m_complete)
        return false;
    Check check = NotAParent;
    if (IsParentIn(owner, *target, file.get(), lookup))
        check = target->HasMember(&method) ? AlreadyDefined : MayAdd;
    if (check == NotAParent) {
        Prompter().MessageBox(QLatin1String("Cannot override method ") + method.m_name +
                              QLatin1String(". Class or Interface ") + owner.m_name +
                              QLatin1String(" is not a parent of class ") + target->m_name);
        return false;
    }
    if (check == AlreadyDefined) {
        Prompter().MessageBox(QLatin1String("Method ") + method.m_name +
                              QLatin1String(" already defined in class or interface") +
                              target->m_name);
        return false;
    }
    editor.GoToLine(line);
    editor.TakeFocus();
    // What implements an interface's method in a class must be public.
    const int access =
        target->IsClass() && !owner.IsClass() ? int(CVarObject::AccessPublic) : method.m_access;
    return editor.Paste(FormatCode(method, target->IsClass(), true, access));
}

int CClassWizard::OverrideAll(CWizardEditor &editor, int line, const CVarContainer &base)
{
    std::unique_ptr<CFileObject> file(CJavaParser::ParseEditorText(editor.Text()));
    CVarContainer *target = file ? file->FindClassAtLine(line) : nullptr;
    if (!target || !target->m_complete)
        return 0;
    int pasted = 0;
    editor.GoToLine(line);
    editor.TakeFocus();
    for (const CVarMethodDecl *method : base.m_methods) {
        if (method->m_name.isEmpty() || target->HasMember(method))
            continue;
        const int access = base.IsClass() ? method->m_access : int(CVarObject::AccessPublic);
        if (!editor.Paste(FormatCode(*method, true, false, access)))
            break;
        // Known from now on, so that a method listed twice goes in once.
        target->AddMethodDeclCopy(method, line + 1);
        ++line;
        ++pasted;
    }
    return pasted;
}

bool CClassWizard::GenerateJavadoc(CWizardEditor &editor, int line, const CVarMethodDecl &method)
{
    editor.GoToLine(line);
    editor.TakeFocus();
    return editor.Paste(JavadocText(method));
}

bool CClassWizard::AddNewClass(CWizardEditor &editor, const QString &name, const QString &baseName,
                               const QList<const CVarContainer *> &interfaces, bool constructor)
{
    editor.GoToEnd();
    editor.TakeFocus();
    return editor.Paste(NewClassText(name, baseName, interfaces, constructor));
}

bool CClassWizard::AddNewInterface(CWizardEditor &editor, const QString &name,
                                   const QString &baseName)
{
    editor.GoToEnd();
    editor.TakeFocus();
    return editor.Paste(NewInterfaceText(name, baseName));
}

bool CClassWizard::EditDeclaration(CWizardEditor &editor, const QString &className,
                                   const QString &addInterface)
{
    const QString text = editor.Text();
    std::unique_ptr<CFileObject> file(CJavaParser::ParseEditorText(text));
    CVarClass *cls = file ? file->FindClassOnlyByName(className) : nullptr;
    if (!cls)
        return false;
    // The recorded position is that of the declaring keyword, in bytes of
    // the text as the recogniser read it; the name follows the keyword.
    const QByteArray utf8 = text.toUtf8();
    const qsizetype pos = cls->m_namePos;
    QString line;
    int lineNumber = 0;
    qsizetype column = -1;
    if (pos >= 0 && pos <= utf8.size()) {
        const qsizetype lineStart = pos == 0 ? 0 : utf8.lastIndexOf('\n', pos - 1) + 1;
        qsizetype lineEnd = utf8.indexOf('\n', pos);
        if (lineEnd < 0)
            lineEnd = utf8.size();
        lineNumber = int(utf8.left(pos).count('\n')) + 1;
        line = QString::fromUtf8(utf8.mid(lineStart, lineEnd - lineStart));
        column = QString::fromUtf8(utf8.mid(lineStart, pos - lineStart)).size();
    }
    qsizetype at = column;
    while (at >= 0 && at < line.size() && line[at].isLetter())
        ++at;
    while (at >= 0 && at < line.size() && line[at].isSpace())
        ++at;
    if (at < 0 || line.mid(at, cls->m_name.size()) != cls->m_name) {
        Prompter().MessageBox(QStringLiteral("Error matching class name to name in the file !!!"));
        return false;
    }
    // The clause goes before the brace that opens the body when it is on
    // this line, else at the end of the line.
    QString head = line;
    QString tail;
    const qsizetype brace = line.indexOf(QLatin1Char('{'), at);
    if (brace >= 0) {
        head = line.left(brace);
        tail = line.mid(brace);
    }
    while (head.endsWith(QLatin1Char(' ')) || head.endsWith(QLatin1Char('\t')))
        head.chop(1);
    head += cls->m_interfaces.isEmpty() ? QLatin1String(" implements ") : QLatin1String(", ");
    head += addInterface;
    if (!tail.isEmpty())
        head += QLatin1Char(' ') + tail;
    editor.TakeFocus();
    return editor.ReplaceLine(lineNumber, head);
}
